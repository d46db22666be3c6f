#include "modPRint.h"

#include "platform/printer.h"
#include "sheets.h"

void modPRint::print_sheet(const sheets::LabelSheet& sheet, int TopPosition) {
    std::vector<double> tops;
    for (int row = 1; row <= sheet.rows; ++row)
        tops.push_back(sheet.row_top(row, TopPosition) / 16.0);
    print_sheet_rows(sheet, tops);
}

void modPRint::print_sheet_rows(const sheets::LabelSheet& sheet,
                                const std::vector<double>& row_tops) {
    platform::Printer& p = platform::printer();
    p.set_ColorMode(sheet.color_mode);
    p.set_ScaleMode(platform::kScaleInches);
    p.set_FontName(sheet.font);
    p.set_FontSize(sheet.font_size);
    if (sheet.ink) p.set_ForeColor(*sheet.ink);
    // Lines end 1/16 in inside their label's right edge, measured on the real sheet.
    const double origin = p.geometry().printable.left();
    for (int row = 1; row <= sheet.rows; ++row) {
        p.set_CurrentY(row_tops[row - 1]);
        for (int j = 1; j <= sheet.lines; ++j) {
            std::vector<platform::PrintItem> items;
            for (int column = 0; column < sheet.columns; ++column) {
                const int position = (row - 1) * sheet.columns + column + 1;
                const double right =
                    sheet.label_rect(position).right() - sheets::kRightInset - origin;
                items.push_back(platform::Tab(sheet.tabs[column]));
                items.push_back(platform::FitText(page_line[j][position], right));
            }
            p.Print(items);
        }
    }
    p.EndDoc();
}

void modPRint::count_labels(const sheets::LabelSheet& sheet) {
    labels_on_page = 0;
    for (int position = 1; position <= sheet.labels; ++position)
        if (!page_line[1][position].isEmpty()) ++labels_on_page;
}

void modPRint::print_standard_sheet(int TopPosition) {
    print_sheet(sheets::standard(), TopPosition);
}

void modPRint::count_standard_labels() {
    count_labels(sheets::standard());
}

void modPRint::print_shipping_sheet() {
    print_sheet(sheets::shipping(), 0);
}

void modPRint::count_shipping_labels() {
    count_labels(sheets::shipping());
}

void modPRint::print_invite_sheet(int TopPosition) {
    print_sheet(sheets::invite(), TopPosition);
    count_labels(sheets::invite());
}
