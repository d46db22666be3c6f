#pragma once

#include <QAction>

#include "common/schema.h"
#include "common/settings.h"
#include "exchange/frmExport.h"
#include "exchange/frmImport.h"
#include "fixture.h"
#include "platform/file_dialog.h"
#include "printing/FrmInvalid.h"
#include "shell/frmOVRA.h"

// The program started on an address book with two named categories.
class ExchangeTest : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        common::StorefileRecord r;
        r.heading[1] = "FAMILY";
        r.heading[2] = " ";
        r.heading[5] = "FRIENDS";
        common::write_storefile(path("storefile.ovr"), r);
        start_program();
    }

    static frmOVRA& main() { return platform::form<frmOVRA>(); }

    // Chooses the file in the import menu's dialog and acts in the import window. With `refused`,
    // the list of households left out must follow under `heading`; its lines go to *refused.
    void open_import(const QByteArray& bytes, const std::function<void(frmImport&)>& act,
                     QStringList* refused = nullptr, const QString& heading = {}) {
        write("import.csv", bytes);
        files.expect(path("import.csv"));
        modals.on("frmImport", [act](platform::Window& w) { act(static_cast<frmImport&>(w)); });
        if (refused)
            modals.on("FrmInvalid", [heading, refused](platform::Window& w) {
                auto& list = static_cast<FrmInvalid&>(w);
                EXPECT_EQ(list.ui().lblHeading->text(), heading);
                *refused = list.entries();
                snapshot(list.widget(), "FrmInvalid-import");
                click(list.ui().Command2);
            });
        main().ui().mnuImport->trigger();
    }

    // Maps box k onto column columns[k - 1] (0 = not mapped), chooses the first line (0 HEADER,
    // 1 DATA) and presses PROCEED.
    static void proceed(frmImport& w, const std::vector<int>& columns, int first_line) {
        auto& c = w.ui();
        for (int k = 1; k <= frmImport::kBoxes; ++k)
            type(c.txtSelection[k], QString::number(k <= int(columns.size()) ? columns[k - 1] : 0));
        if (first_line >= 0) c.lstFirstLine->setCurrentRow(first_line);
        click(c.cmdProceed);
    }
    static std::vector<int> identity(int n = frmImport::kBoxes) {
        std::vector<int> v(n);
        for (int i = 0; i < n; ++i) v[i] = i + 1;
        return v;
    }

    void expect_completed() {
        msgs.expect("Import Completed", platform::vbOK, platform::vbExclamation,
                    "Import Completed");
    }
    // The bytes the export writes for the chosen option.
    QByteArray export_file(const std::function<void(frmExport_ui::Controls&)>& choose) {
        const QString file = path("export.txt");
        files.expect(file);
        modals.on("frmExport", [choose](platform::Window& w) {
            auto& c = static_cast<frmExport&>(w).ui();
            choose(c);
            click(c.cmdExport);
            EXPECT_EQ(c.lblStatus->text(), "EXPORT FILE CREATED");
            click(c.cmdCancel);
        });
        main().ui().mnuExport->trigger();
        return read("export.txt");
    }

    // Every row of a table in key order, its fields joined by "|".
    QStringList rows(const char* table) const {
        platform::DataControl data;
        data.set_database_name(path("ovra.mdb"));
        data.set_record_source(QString::fromLatin1(table));
        data.refresh();
        data.set_index("keyname");
        if (data.record_count() > 0) data.move_first();
        const QByteArray name(table);
        const QStringList& fields = name == "OVRAData"   ? common::schema::household_fields()
                                    : name == "Children" ? common::schema::children_fields()
                                                         : common::schema::second_address_fields();
        QStringList out;
        for (bool row = data.has_current(); row; row = (data.move_next(), !data.eof())) {
            QStringList values;
            for (const QString& f : fields) values << data.field(f).toString();
            out << values.join('|');
        }
        return out;
    }

    static QByteArray csv(std::initializer_list<const char*> lines) {
        QByteArray out;
        for (const char* l : lines) out += QByteArray(l) + "\r\n";
        return out;
    }
};
