#pragma once

#include <QAction>

#include "common/settings.h"
#include "editor/Frmaddress2.h"
#include "editor/Frmchildren.h"
#include "editor/frmAddressRecord.h"
#include "fixture.h"
#include "shell/frmOVRA.h"

// Opens the record form as the main window's "&ADD RECORD" does and acts in it.
class RecordFormTest : public testing_support::OvraTest {
protected:
    using Controls = frmAddressRecord_ui::Controls;

    void SetUp() override {
        OvraTest::SetUp();
        common::StorefileRecord r;
        r.heading[1] = "FAMILY";
        r.heading[3] = "FRIENDS";
        common::write_storefile(path("storefile.ovr"), r);
        start_program();
    }

    // Acts in a new record form; a form still open afterwards is cancelled.
    void new_record(const std::function<void(Controls&)>& act) {
        modals.on("frmAddressRecord", [act](platform::Window& w) {
            auto& form = static_cast<frmAddressRecord&>(w);
            act(form.ui());
            if (form.is_shown()) form.ui().Comcancel->click();
        });
        click(platform::form<frmOVRA>().ui().comnewrecord);
    }

    // Opens the record form's children or second-address dialog; `act` runs in it.
    void children_dialog(Controls& c, const std::function<void(Frmchildren_ui::Controls&)>& act) {
        modals.on("Frmchildren",
                  [act](platform::Window& w) { act(static_cast<Frmchildren&>(w).ui()); });
        click(c.Cmdchildren);
    }
    void second_address_dialog(Controls& c,
                               const std::function<void(Frmaddress2_ui::Controls&)>& act) {
        modals.on("Frmaddress2",
                  [act](platform::Window& w) { act(static_cast<Frmaddress2&>(w).ui()); });
        click(c.Cmdaddress2);
    }

    static frmAddressRecord& record() { return platform::form<frmAddressRecord>(); }
};
