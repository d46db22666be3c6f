#include "label_window_print.h"

#include "platform/application.h"
#include "printing/FrmInvalid.h"
#include "printing/modPRint.h"
#include "printing/sheets.h"
#include "reports/label_window_text.h"

namespace reports {

int print_label_sheet(printing::Sheet sheet, const printing::LabelLines& label, int position,
                      int top_position) {
    const int per_sheet = printing::labels_per_sheet(sheet);
    if (position < 1 || position > per_sheet) position = 1;
    printing::LabelPage page{};
    page[position] = label;
    return printing::sheet_printer(top_position)(sheet, page);
}

int print_quick_invite_sheet(const printing::LabelPage& page) {
    const sheets::LabelSheet& sheet = sheets::invite();
    auto& m = platform::form<modPRint>();
    for (int k = 1; k <= sheet.labels; ++k)
        for (int j = 1; j <= 5; ++j) m.page_line[j][k] = page[k][j];
    m.print_sheet_rows(sheet, sheets::quick_label_invite_rows());
    m.labels_on_page = 0;
    for (int k = 1; k <= sheet.labels; ++k)
        if (!page[k][1].isEmpty()) ++m.labels_on_page;
    return m.labels_on_page;
}

void show_too_long_label(const printing::LabelLines& label, bool with_lines_4_and_5) {
    auto& invalid = platform::form<FrmInvalid>();
    invalid.clear_list();
    for (const QString& entry : listed_label(label, with_lines_4_and_5)) invalid.add_entry(entry);
    invalid.set_help_context_id(6101);
    invalid.show_modal();
}

}  // namespace reports
