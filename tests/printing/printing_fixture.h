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
// US Letter 8.5 x 11 in. 5160: 30 address labels 2 5/8 x 1 in, 3 x 10, margins 1/2 in top and
// 3/16 in left, pitches 2 3/4 in across and 1 in down.
inline constexpr RealSheet kAvery5160{3, 30, 2.625, 1, 0.5, 0.1875, 2.75, 1};
// 5163: 10 shipping labels 4 x 2 in, 2 x 5, margins 1/2 in top and 5/32 in left, pitches
// 4 3/16 in across and 2 in down.
inline constexpr RealSheet kAvery5163{2, 10, 4, 2, 0.5, 0.15625, 4.1875, 2};
// 5662: 14 clear labels 4 1/4 x 1 1/3 in, 2 x 7, edge to edge across the sheet and butted
// down it, centred: (11 - 7 x 1 1/3) / 2 = 5/6 in top margin.
inline constexpr RealSheet kAvery5662{2, 14, 4.25, 4.0 / 3, 5.0 / 6, 0, 4.25, 4.0 / 3};

// The box a recorded text covers on the page.
inline QRectF drawn_box(const platform::RecordedText& t, const platform::PageGeometry& g) {
    return {QPointF(g.printable.left() + t.x, g.printable.top() + t.y), platform::drawn_size(t)};
}
