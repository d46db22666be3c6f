#pragma once

#include <QListWidget>
#include <functional>

#include "common/settings.h"
#include "fixture.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "printing/frmprint.h"
#include "shell/FrmHeadingCreate.h"
#include "shell/frmOVRA.h"

using Dialog = frmprint_ui::Controls;

// Opens the print dialog from the main window and acts in it as a user.
class PrintDialogTest : public testing_support::OvraTest {
protected:
    // Households SMITH, JOHN .. in the book, category names as given ("" = not in use).
    void start_with(int households,
                    const std::vector<QString>& categories = {"FRIENDS", "FAMILY", "WORK"}) {
        static const char* firsts[] = {"ANN", "BOB", "CARL", "DORA", "EVE", "FRED", "GUS", "HAL"};
        for (int i = 0; i < households; ++i)
            store_household(household("Smith", firsts[i % 8] + QString::number(i / 8 + 1)));
        common::StorefileRecord settings;
        for (int i = 1; i <= 12; ++i)
            settings.heading[i] = i <= int(categories.size()) ? categories[i - 1] : QString();
        settings.ReturnLabel = return_lines_;
        common::write_storefile(path("storefile.ovr"), settings);
        start_program();
        platform::printer().set_installed_queues(QStringList{"Office", "Lab"});
    }

    frmOVRA& main() { return platform::form<frmOVRA>(); }
    frmprint& dialog() { return platform::form<frmprint>(); }

    // Opens PRINT CENTER, runs act in the open dialog, then closes it with CANCEL.
    void in_dialog(const std::function<void(Dialog&)>& act) {
        modals.on("frmprint", [this, act](platform::Window&) {
            act(dialog().ui());
            if (dialog().is_loaded()) click(dialog().ui().Comcancel);
        });
        click(main().ui().Comprintrec);
    }

    // The prompt to load a sheet before labels print, answered.
    void expect_load_prompt(const char* avery, int answer = platform::vbOK) {
        msgs.expect(QStringLiteral("LOAD AVERY %1 LABELS INTO PRINTER").arg(avery), answer,
                    platform::vbOKCancel + platform::vbExclamation, QStringLiteral("LOAD LABELS"));
    }

    static int v(const QCheckBox* box) { return platform::value(box); }
    static void select_lines(QListWidget* list, std::initializer_list<int> rows) {
        for (int r : rows) list->item(r)->setSelected(true);
    }
    static int selected_lines(const QListWidget* list) { return int(list->selectedItems().size()); }

    std::array<QString, 4> return_lines_{};
};
