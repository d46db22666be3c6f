#pragma once

#include <QRectF>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The label sheets: the real sheet as the maker cut it, and how the program prints on it.
// Every printer of labels and every test of their positions reads its numbers from here.
namespace sheets {

struct LabelSheet {
    QString avery;  // "5160"
    int labels = 0;
    int rows = 0;
    int columns = 0;

    // The real sheet, in inches from the page's top-left corner (US Letter).
    double label_width = 0;
    double label_height = 0;
    double top_margin = 0;
    double left_margin = 0;
    double column_pitch = 0;
    double row_pitch = 0;

    // How it is printed. Rows are placed in sixteenths of an inch from the top of the
    // printable area: the first at first_row (plus the printer's top offset when
    // adds_top_position), the others row_step apart.
    int lines = 0;  // lines printed per label
    QString font;
    double font_size = 0;
    std::optional<std::uint32_t> ink;  // colour number; none = the printer's own
    int color_mode = 1;
    std::vector<int> tabs;  // the tab column of each sheet column
    int first_row = 0;
    bool adds_top_position = true;
    int row_step = 0;

    // The real label at a position 1..labels, in page inches.
    QRectF label_rect(int position) const;
    // The row's top in sixteenths of an inch from the printable area's top (row 1..rows).
    int row_top(int row, int top_position) const;
};

// Avery 5160, 30 address labels 2 5/8 x 1 in.
const LabelSheet& standard();
// Avery 5163, 10 shipping labels 4 x 2 in.
const LabelSheet& shipping();
// Avery 5662, 14 labels 4 1/4 x 1 1/3 in, edge to edge across the sheet.
const LabelSheet& invite();
// Avery 5167, 80 return-address labels 1 3/4 x 1/2 in. Printed with absolute columns, so tabs
// holds none; return_label_columns gives their left edges.
const LabelSheet& return_labels();
// Left edges of the four return-label columns, inches from the printable area's left.
const std::vector<double>& return_label_columns();

// The quick-label window prints Avery 5662 with rows of its own: the top of each row in
// inches from the printable area's top, the printer's top offset not added.
const std::vector<double>& quick_label_invite_rows();

// Text drawn on a label stays 1/16 in inside its right edge.
constexpr double kRightInset = 1.0 / 16;

}  // namespace sheets
