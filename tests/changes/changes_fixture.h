#pragma once

#include <QAction>

#include "../lookup/lookup_fixture.h"
#include "changes/Frmchildmove.h"
#include "changes/frmRemoveName.h"
#include "changes/frmVerifyNames.h"
#include "changes/frmchildnamemove.h"
#include "lookup/frmCheckEdit.h"

// A household change started from the main window's menu, in a temporary address book.
class ChangesTest : public LookupTest {
protected:
    using Verify = frmVerifyNames_ui::Controls;
    using Chooser = Frmchildmove_ui::Controls;
    using Where = frmchildnamemove_ui::Controls;
    using Remove = frmRemoveName_ui::Controls;
    using CheckEdit = frmCheckEdit_ui::Controls;

    static frmRemoveName& change() { return platform::form<frmRemoveName>(); }
    static frmVerifyNames& verifier() { return platform::form<frmVerifyNames>(); }

    // Acts in the verification dialog the next step shows.
    void in_verifier(const std::function<void(Verify&)>& act) {
        modals.on("frmVerifyNames",
                  [act](platform::Window& w) { act(static_cast<frmVerifyNames&>(w).ui()); });
    }

    // "Move Name1 to Name2" on the listed household: the verifier gets `act`; a verified switch
    // ends in the check-edit dialog, which gets `check_edit` (by default its MAIN MENU button;
    // none when the switch does not end there).
    void switch_names(
        const QString& line, const std::function<void(Verify&)>& act,
        std::function<void(CheckEdit&)> check_edit = [](CheckEdit& c) { click(c.cmdCancel); }) {
        in_picker([] { main().ui().mnuMove1To2->trigger(); },
                  [&](Picker& p) {
                      select(line);
                      in_verifier(act);
                      if (check_edit)
                          modals.on("frmCheckEdit", [check_edit](platform::Window& w) {
                              check_edit(static_cast<frmCheckEdit&>(w).ui());
                          });
                      click(p.ComGetAddress);
                  });
    }

    // "Move / Remove Names" on the listed household: the remove-names window gets `act`.
    void alter(const QString& line, const std::function<void(Remove&)>& act) {
        in_picker([] { main().ui().mnuMoveRemoveNames->trigger(); },
                  [&](Picker& p) {
                      select(line);
                      modals.on("frmRemoveName", [act](platform::Window& w) {
                          act(static_cast<frmRemoveName&>(w).ui());
                      });
                      click(p.ComGetAddress);
                  });
    }

    // "Move Child" on the listed household: the chooser gets `act`.
    void move_child(const QString& line, const std::function<void(Chooser&)>& act) {
        in_picker([] { main().ui().MnuMoveChildren->trigger(); },
                  [&](Picker& p) {
                      select(line);
                      modals.on("Frmchildmove", [act](platform::Window& w) {
                          act(static_cast<Frmchildmove&>(w).ui());
                      });
                      click(p.ComGetAddress);
                  });
    }
    // In the chooser: MOVE, then in the next window `where`, then the record form `act`.
    void move_to(Chooser& c, const std::function<void(Where&)>& where,
                 const std::function<void(Record&)>& act) {
        modals.on("frmchildnamemove",
                  [where](platform::Window& w) { where(static_cast<frmchildnamemove&>(w).ui()); });
        modals.on("frmAddressRecord",
                  [act](platform::Window& w) { act(static_cast<frmAddressRecord&>(w).ui()); });
        click(c.cmdPrint);
    }
    // A household with children and a second address (store_family) whose Address row has every
    // field filled: kMadison.
    void store_full_family(const common::AddressRecord& r) {
        store_family(r);
        exec_sql(
            "UPDATE Address SET address2 = 'APT 4', \"foreign check\" = 'Y', phone = '555-0300', "
            "fax = '555-0301'");
    }
    static QStringList fields(const common::SecondAddressRecord& a) {
        return {a.address1, a.address2, a.city, a.state, a.zip, a.foreign_check, a.phone, a.fax};
    }
    inline static const QStringList kMadison = {"9 LAKE RD", "APT 4", "MADISON",  "WI",
                                                "53703",     "Y",     "555-0300", "555-0301"};

    // Types a new address into the record form or the verification dialog.
    template <class Form>
    static void type_address(Form& f) {
        type(f.txtaddress1, "5 ELM ST");
        type(f.txtCity, "AUSTIN");
        type(f.txtState, "TX");
        type(f.txtZip, "73301");
    }
};
