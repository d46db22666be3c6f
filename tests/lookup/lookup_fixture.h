#pragma once

#include <QListWidget>

#include "common/settings.h"
#include "editor/frmAddressRecord.h"
#include "fixture.h"
#include "lookup/FrmGetAddress.h"
#include "shell/frmOVRA.h"

class LookupTest : public testing_support::OvraTest {
protected:
    using Picker = FrmGetAddress_ui::Controls;
    using Record = frmAddressRecord_ui::Controls;

    void SetUp() override {
        OvraTest::SetUp();
        common::StorefileRecord r;
        r.heading[1] = "FAMILY";
        r.heading[2] = "WORK";
        r.heading[7] = "CLUB";
        r.catcount = {0, 5, 5, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0};
        common::write_storefile(path("storefile.ovr"), r);
    }

    static frmOVRA& main() { return platform::form<frmOVRA>(); }
    static FrmGetAddress& picker() { return platform::form<FrmGetAddress>(); }
    static frmAddressRecord& record() { return platform::form<frmAddressRecord>(); }

    static QStringList lines() {
        QStringList out;
        QListWidget* list = picker().ui().LstGetAddress1;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    static void select(const QString& line) {
        const auto items = picker().ui().LstGetAddress1->findItems(line, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << line.toStdString();
        picker().ui().LstGetAddress1->setCurrentItem(items.first());
    }

    // Acts in the picker that the launcher opens; the picker is cancelled afterwards if open.
    void in_picker(const std::function<void()>& launch, const std::function<void(Picker&)>& act) {
        modals.on("FrmGetAddress", [act](platform::Window& w) {
            act(static_cast<FrmGetAddress&>(w).ui());
            if (w.is_shown()) static_cast<FrmGetAddress&>(w).ui().Comcancel->click();
        });
        launch();
    }
    // Chooses a line and acts in the record form it opens.
    void open_line(const QString& line, const std::function<void(Record&)>& act) {
        select(line);
        modals.on("frmAddressRecord", [act](platform::Window& w) {
            act(static_cast<frmAddressRecord&>(w).ui());
            if (w.is_shown()) static_cast<frmAddressRecord&>(w).ui().Comcancel->click();
        });
        click(picker().ui().ComGetAddress);
    }
    void edit(const QString& line, const std::function<void(Record&)>& act) {
        in_picker([this] { click(main().ui().Comeditrecord); },
                  [&](Picker&) { open_line(line, act); });
    }
    void browse(const QString& line, const std::function<void(Record&)>& act) {
        in_picker([this] { click(main().ui().Combrowserecord); },
                  [&](Picker&) { open_line(line, act); });
    }
    void remove(const QString& line, const std::function<void(Record&)>& act) {
        in_picker([] { main().ui().MnuDeleteRecord->trigger(); },
                  [&](Picker&) { open_line(line, act); });
    }

    // Stores the household with two children (CY, DI) and a second address in Madison.
    void store_family(common::AddressRecord r) {
        r.childflag = 2;
        r.second_address = "Y";
        store_household(r);
        store_children({r.keyname, {"", "CY", "DI"}});
        store_second_address({r.keyname, "9 LAKE RD", "", "MADISON", "WI", "53703", "N", "", ""});
    }

    // A household of two persons.
    static common::AddressRecord couple(const QString& last, const QString& first,
                                        const QString& first2, const QString& last2,
                                        bool hyphen = false, bool reverse = false) {
        auto r = household(last, first);
        r.first_name_2 = first2;
        r.last_name_2 = last2;
        r.last_name_hyphen = hyphen ? "Y" : "N";
        r.last_name_reverse = reverse ? "Y" : "N";
        return r;
    }
};
