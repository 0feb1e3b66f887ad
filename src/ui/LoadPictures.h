// The small drawings of the loads window: the load-scheme pictures "GLL" (uniform load), "PLL"
// (partial load) and "DL" (point load), 193 by 65 pixels, and the pictograms of the "Тип"
// column: red uniform-load symbol, over a black base line for a load on a span, shorter for a
// partial load, and a bold blue stroke for a point force.
#pragma once

#include <QPixmap>
#include <string>

class QPainter;
class QRect;

namespace balka {

QPixmap LoadSchemePicture(const std::string& name);

// Draws the pictogram of kind code `kind` ("1".."4") in `cell`, 5 pixels in from its top and
// bottom; false for any other text.
bool DrawLoadPictogram(QPainter& painter, const QRect& cell, const std::string& kind);

} // namespace balka
