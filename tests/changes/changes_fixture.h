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

    // The menu item's picker retrieves the listed household; the window it opens gets `act`.
    template <class W, class Controls>
    void retrieve(QAction* item, const QString& line, const char* window,
                  const std::function<void(Controls&)>& act) {
        in_picker([item] { item->trigger(); },
                  [&](Picker& p) {
                      select(line);
                      modals.on(window,
                                [act](platform::Window& w) { act(static_cast<W&>(w).ui()); });
                      click(p.ComGetAddress);
                  });
    }
    // "Move / Remove Names" and "Move Child" on the listed household.
    void alter(const QString& line, const std::function<void(Remove&)>& act) {
        retrieve<frmRemoveName>(main().ui().mnuMoveRemoveNames, line, "frmRemoveName", act);
    }
    void move_child(const QString& line, const std::function<void(Chooser&)>& act) {
        retrieve<Frmchildmove>(main().ui().MnuMoveChildren, line, "Frmchildmove", act);
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
    // A household's main address and phones in the order of fields(), blanks trimmed.
    static QStringList home(const common::AddressRecord& h) {
        QStringList l = {h.address_1, h.address_2,     h.city,       h.state,
                         h.zip,       h.foreign_check, h.home_phone, h.home_fax};
        for (QString& f : l) f = f.trimmed();
        return l;
    }
    inline static const QStringList kMadison = {"9 LAKE RD", "APT 4", "MADISON",  "WI",
                                                "53703",     "Y",     "555-0300", "555-0301"};

    // The message of a change that could not be written, with the reason.
    void expect_change_failed(const QString& why) {
        msgs.expect("The change could not be saved; nothing was changed.\n" + why, platform::vbOK,
                    platform::vbExclamation, "Change Failed");
    }
    inline static const QString kDuplicateKey =
        "The changes you requested to the table were not successful because they would create "
        "duplicate values in the index.";

    // Person 1's contacts, own title and title choice.
    static QStringList person1(const common::AddressRecord& r) {
        return {r.home_email_1, r.work_email_1, r.work_phone_1,
                r.cell_phone_1, r.sal1,         r.option1.value_or("absent")};
    }
    static void set_person1(common::AddressRecord& r, const QStringList& p) {
        r.home_email_1 = p[0];
        r.work_email_1 = p[1];
        r.work_phone_1 = p[2];
        r.cell_phone_1 = p[3];
        r.sal1 = p[4];
        r.option1 = p[5];
    }
    // John Smith's, with his own title and MR.
    inline static const QStringList kJohn = {
        "john@home.example", "john@work.example", "555-0101", "555-0102", "JACK", "2"};
    // A household's person 2, hyphen and reverse included.
    static QStringList person2(const common::AddressRecord& r) {
        return {r.first_name_2,     r.last_name_2,      r.home_email_2, r.work_email_2,
                r.work_phone_2,     r.cell_phone_2,     r.sal2,         r.option2,
                r.last_name_hyphen, r.last_name_reverse};
    }

    // Types a new address into the record form or the verification dialog.
    template <class Form>
    static void type_address(Form& f) {
        type(f.txtaddress1, "5 ELM ST");
        type(f.txtCity, "AUSTIN");
        type(f.txtState, "TX");
        type(f.txtZip, "73301");
    }
};
