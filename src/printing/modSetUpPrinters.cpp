#include "modSetUpPrinters.h"

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/printer.h"
#include "shell/frmOVRA.h"

using platform::form;

bool modSetUpPrinters::is_free(const common::PrinterSlot& slot) {
    return slot.name.isEmpty() || slot.name == QStringLiteral(" ");
}

void modSetUpPrinters::load_printer_table() {
    // Slots the file does not fill (missing, short or damaged) are free.
    printer_table.fill({QStringLiteral(" "), 0});
    const QString file = platform::App::current().path(QStringLiteral("printers.ovr"));
    const auto status = common::read_printer_table(file, printer_table);
    printer_table_loaded = -1;
    if (status == common::ReadStatus::Partial) {
        common::report_damaged_file(
            file, QStringLiteral("printer table"),
            QStringLiteral("Every printer that could be read keeps its line number; a printer "
                           "whose line was damaged must be set up again (Setup/Edit Printers)."),
            QStringLiteral("Printer Table Damaged"));
        // Whole again once the user was told and a copy kept, so the next run says nothing.
        platform::resume_next([this] { save_printer_table(); });
    }

    auto& main = form<frmOVRA>();
    if (main.is_loaded()) main.set_tracking_item(main.Trackfile != 0);
}

void modSetUpPrinters::save_printer_table() {
    common::write_printer_table(platform::App::current().path(QStringLiteral("printers.ovr")),
                                printer_table);
}

int modSetUpPrinters::top_position_for(const QString& device) {
    if (!printer_table_loaded) load_printer_table();
    for (const common::PrinterSlot& slot : printer_table) {
        if (slot.name == QStringLiteral(" ")) return kDefaultTopPosition;
        if (slot.name == device) return slot.line;
    }
    return kDefaultTopPosition;
}

int modSetUpPrinters::select_printer(const QString& printer_box_text) {
    platform::Printer& p = platform::printer();
    p.select_by_name(printer_box_text);
    return top_position_for(p.DeviceName());
}

void modTestPRint::print_setup_page() {
    platform::Printer& p = platform::printer();
    p.set_ScaleMode(platform::kScaleInches);
    p.set_FontName(QStringLiteral("Arial"));
    p.set_FontSize(7);
    const QString even = QStringLiteral("------------+----------------- ");
    const QString odd = QStringLiteral("------------+----------------------------- ");
    for (int n = 0; n <= 165; ++n) {
        p.set_CurrentY(n / 16.0);
        p.Print({(n % 2 == 0 ? even : odd) + QString::number(n)});
    }
    p.EndDoc();
}
