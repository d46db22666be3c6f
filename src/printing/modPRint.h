#pragma once

#include <QString>
#include <array>
#include <vector>

namespace sheets {
struct LabelSheet;
}

// The label page buffer and the sheet printers. Every window that prints labels fills the
// buffer with one sheet's lines, then calls the printer of its sheet, which prints one page as
// one job on the current printer. A printer error (VbError) goes to the caller.
struct modPRint {
    static constexpr int kPositions = 30;
    // page_line[j][k]: line j (1..5) of label position k (1..30, left to right, then down).
    std::array<std::array<QString, kPositions + 1>, 6> page_line{};
    // Labels on the sheet just printed, set by the count steps.
    int labels_on_page = 0;

    // Avery 5160 from positions 1..30, rows at TopPosition (sixteenths of an inch) + 4.
    void print_standard_sheet(int TopPosition);
    void count_standard_labels();
    // Avery 5163 from positions 1..10, first row at 11/16 in whatever the printer's offset.
    void print_shipping_sheet();
    void count_shipping_labels();
    // Avery 5662 from positions 1..14 (lines 1..3), rows at TopPosition + 8; counts as well.
    void print_invite_sheet(int TopPosition);
    // The sheet's positions with each row's first line at the given top (inches from the
    // printable area's top), as one job; for a window with rows of its own.
    void print_sheet_rows(const sheets::LabelSheet& sheet, const std::vector<double>& row_tops);

private:
    void print_sheet(const sheets::LabelSheet& sheet, int TopPosition);
    void count_labels(const sheets::LabelSheet& sheet);
};
