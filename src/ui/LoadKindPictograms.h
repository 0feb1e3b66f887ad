// The pictograms of the loads table's "Тип" column, drawn on the cell's background 5 pixels in
// from its top and bottom: a red uniform-load symbol (a line with four strokes) for a load on
// the whole beam, the same over a black base line for a load on a span, a shorter one with
// three strokes at the right over the base line for a partial load, and a bold blue stroke for
// a point force.
#pragma once

#include <string>

class QPainter;
class QRect;

namespace balka {

// Draws the pictogram of kind code `kind` ("1".."4") in `cell`; false for any other text.
bool DrawLoadPictogram(QPainter& painter, const QRect& cell, const std::string& kind);

} // namespace balka
