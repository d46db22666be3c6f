#pragma once

#include <QRectF>

#include "fixture.h"
#include "platform/printer.h"

// The real sheets, as the maker cuts them (inches from the page's top-left corner). Tests
// check printed positions against these, not against the printing code's own table.
struct RealSheet {
    int columns;
    int labels;
    double width, height, top, left, column_pitch, row_pitch;

    QRectF label(int position) const {
        const int row = (position - 1) / columns, column = (position - 1) % columns;
        return {left + column * column_pitch, top + row * row_pitch, width, height};
    }
    // The label a box lies in completely, or 0.
    int label_holding(const QRectF& box) const {
        for (int p = 1; p <= labels; ++p) {
            const QRectF l = label(p).adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
            if (l.contains(box)) return p;
        }
        return 0;
    }
};
inline constexpr RealSheet kAvery5160{3, 30, 2.625, 1, 0.5, 0.1875, 2.75, 1};
inline constexpr RealSheet kAvery5163{2, 10, 4, 2, 0.5, 0.15625, 4.1875, 2};
inline constexpr RealSheet kAvery5662{2, 14, 4.25, 4.0 / 3, 5.0 / 6, 0, 4.25, 4.0 / 3};

// The box a recorded text covers on the page.
inline QRectF drawn_box(const platform::RecordedText& t, const platform::PageGeometry& g) {
    return {QPointF(g.printable.left() + t.x, g.printable.top() + t.y), platform::drawn_size(t)};
}
