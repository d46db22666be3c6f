#include "modSetUpPrinters.h"

#include "platform/application.h"
#include "platform/printer.h"
#include "shell/frmOVRA.h"

using platform::form;

bool modSetUpPrinters::is_free(const common::PrinterSlot& slot) {
    return slot.name.isEmpty() || slot.name == QStringLiteral(" ");
}

void modSetUpPrinters::load_printer_table() {
    // Slots the file does not fill (missing, short or damaged) are free.
    printer_table.fill({QStringLiteral(" "), 0});
    common::read_printer_table(platform::App::current().path(QStringLiteral("printers.ovr")),
                               printer_table);
    printer_table_loaded = -1;

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
