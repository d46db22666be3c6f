#include "sheets.h"

namespace sheets {

QRectF LabelSheet::label_rect(int position) const {
    const int row = (position - 1) / columns;
    const int column = (position - 1) % columns;
    return {left_margin + column * column_pitch, top_margin + row * row_pitch, label_width,
            label_height};
}

int LabelSheet::row_top(int row, int top_position) const {
    return (adds_top_position ? top_position : 0) + first_row + (row - 1) * row_step;
}

const LabelSheet& standard() {
    static const LabelSheet sheet = [] {
        LabelSheet s;
        s.avery = QStringLiteral("5160");
        s.labels = 30;
        s.rows = 10;
        s.columns = 3;
        s.label_width = 2.625;
        s.label_height = 1;
        s.top_margin = 0.5;
        s.left_margin = 0.1875;
        s.column_pitch = 2.75;
        s.row_pitch = 1;
        s.lines = 5;
        s.font = QStringLiteral("Arial");
        s.font_size = 8;
        s.color_mode = 1;
        s.tabs = {5, 60, 114};
        s.first_row = 4;
        s.row_step = 16;
        return s;
    }();
    return sheet;
}

const LabelSheet& shipping() {
    static const LabelSheet sheet = [] {
        LabelSheet s;
        s.avery = QStringLiteral("5163");
        s.labels = 10;
        s.rows = 5;
        s.columns = 2;
        s.label_width = 4;
        s.label_height = 2;
        s.top_margin = 0.5;
        s.left_margin = 0.15625;
        s.column_pitch = 4.1875;
        s.row_pitch = 2;
        s.lines = 5;
        s.font = QStringLiteral("Arial");
        s.font_size = 16;
        s.color_mode = 1;
        s.tabs = {2, 44};
        s.first_row = 11;
        s.adds_top_position = false;
        s.row_step = 32;
        return s;
    }();
    return sheet;
}

const LabelSheet& invite() {
    static const LabelSheet sheet = [] {
        LabelSheet s;
        s.avery = QStringLiteral("5662");
        s.labels = 14;
        s.rows = 7;
        s.columns = 2;
        s.label_width = 4.25;
        s.label_height = 4.0 / 3;
        s.top_margin = 5.0 / 6;
        s.left_margin = 0;
        s.column_pitch = 4.25;
        s.row_pitch = 4.0 / 3;
        s.lines = 3;
        s.font = QStringLiteral("Papyrus");
        s.font_size = 18;
        s.ink = 0x400000;  // RGB(0, 0, 64)
        s.color_mode = 2;
        s.tabs = {0, 42};
        s.first_row = 8;
        s.row_step = 21;
        return s;
    }();
    return sheet;
}

const LabelSheet& return_labels() {
    static const LabelSheet sheet = [] {
        LabelSheet s;
        s.avery = QStringLiteral("5167");
        s.labels = 80;
        s.rows = 20;
        s.columns = 4;
        s.label_width = 1.75;
        s.label_height = 0.5;
        s.top_margin = 0.5;
        s.left_margin = 0.28125;
        s.column_pitch = 2.0625;
        s.row_pitch = 0.5;
        s.lines = 3;
        s.font = QStringLiteral("Arial");
        s.font_size = 7;
        s.color_mode = 1;
        s.first_row = 1;
        s.row_step = 8;
        return s;
    }();
    return sheet;
}

const std::vector<double>& return_label_columns() {
    static const std::vector<double> columns = {0.1625, 2.225, 4.2875, 6.35};
    return columns;
}

const std::vector<double>& quick_label_invite_rows() {
    static const std::vector<double> rows = {0.8, 2.2, 3.5, 4.8, 6.17, 7.5, 8.8};
    return rows;
}

}  // namespace sheets
