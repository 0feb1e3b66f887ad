// The pictograms of the load kinds, in pixels of the cell they are drawn in.
#include "ui/LoadKindPictograms.h"

#include <QPainter>
#include <QRect>

namespace balka {

namespace {

// A uniform load between x0 and x1: a line at `top` with `strokes` evenly spaced strokes down
// to `bottom`.
void DrawUniform(QPainter& painter, int x0, int x1, int top, int bottom, int strokes) {
    painter.drawLine(x0, top, x1, top);
    for (int i = 0; i < strokes; ++i) {
        const int x = strokes == 1 ? x0 : x0 + (x1 - x0) * i / (strokes - 1);
        painter.drawLine(x, top, x, bottom);
    }
}

} // namespace

bool DrawLoadPictogram(QPainter& painter, const QRect& cell, const std::string& kind) {
    const QRect area = cell.adjusted(4, 5, -4, -5);
    if (area.width() <= 0 || area.height() <= 0) {
        return kind == "1" || kind == "2" || kind == "3" || kind == "4";
    }
    const int top = area.top();
    const int bottom = area.bottom();
    const int base = bottom;
    if (kind == "1") {
        painter.setPen(QPen(Qt::red, 1));
        DrawUniform(painter, area.left(), area.right(), top, bottom, 4);
        return true;
    }
    if (kind == "2" || kind == "3") {
        painter.setPen(QPen(Qt::red, 1));
        if (kind == "2") {
            DrawUniform(painter, area.left(), area.right(), top, base - 2, 4);
        } else {
            DrawUniform(painter, area.center().x(), area.right(), top, base - 2, 3);
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(area.left(), base, area.right(), base);
        return true;
    }
    if (kind == "4") {
        painter.setPen(QPen(Qt::blue, 3));
        painter.drawLine(area.center().x(), top, area.center().x(), bottom);
        return true;
    }
    return false;
}

} // namespace balka
