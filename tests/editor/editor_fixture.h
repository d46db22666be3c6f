#pragma once

#include <QAction>

#include "common/settings.h"
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

    static frmAddressRecord& record() { return platform::form<frmAddressRecord>(); }
};
