#include "modReturnLabels.h"

#include "platform/printer.h"
#include "printing/sheets.h"

namespace modReturnLabels {

void print_return_labels(const QString& line1, const QString& line2, const QString& line3,
                         int top_position) {
    const sheets::LabelSheet& sheet = sheets::return_labels();
    const std::vector<double>& columns = sheets::return_label_columns();
    platform::Printer& p = platform::printer();
    p.set_ColorMode(sheet.color_mode);
    p.set_ScaleMode(platform::kScaleInches);
    p.set_FontName(sheet.font);
    p.set_FontSize(sheet.font_size);
    p.set_FontBold(false);

    // Where each column's text must end to stay on its label, in printable-area inches.
    const double printable_left = p.geometry().printable.left();
    std::vector<double> fit_right;
    for (int column = 1; column <= sheet.columns; ++column)
        fit_right.push_back(sheet.label_rect(column).right() - sheets::kRightInset -
                            printable_left);

    for (int row = 1; row <= sheet.rows; ++row) {
        p.set_CurrentY(sheet.row_top(row, top_position) / 16.0);
        for (const QString& line : {line1, line2, line3}) {
            for (std::size_t column = 0; column < columns.size(); ++column) {
                p.set_CurrentX(columns[column]);
                const std::vector<platform::PrintItem> item{
                    platform::FitText(line, fit_right[column])};
                if (column + 1 < columns.size())
                    p.PrintContinue(item);
                else
                    p.Print(item);
            }
        }
    }
    p.EndDoc();
}

}  // namespace modReturnLabels
