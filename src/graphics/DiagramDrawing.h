// The bending-moment diagram and, below it, the shear diagram of the whole beam, drawn under
// the scheme with the Scale that the scheme drawing left in the style. Positive moments hang
// below their zero line, positive shear stands above its own. Values are written only where
// they differ from zero by the comparison tolerance.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/DrawingStyle.h"
#include "model/Beam.h"

#include <cstdint>

namespace balka {

// The band of one diagram on a picture of the given height: its height, its caption's top row,
// its zero line and the number of pixels that its largest value reaches from the zero line.
struct DiagramBand {
    int32_t Height = 0;
    int32_t CaptionY = 0;
    int32_t ZeroY = 0;
    int32_t Reach = 0;
};
DiagramBand MomentBand(const DrawingStyle& style, int32_t pictureHeight);
DiagramBand ShearBand(const DrawingStyle& style, int32_t pictureHeight);

// Both diagrams: the moment diagram, then the shear diagram. Needs the statics results.
void DrawDiagrams(const TBeam& beam, const DrawingStyle& style, Canvas& target);
void DrawMomentDiagram(const TBeam& beam, const DrawingStyle& style, Canvas& target);
void DrawShearDiagram(const TBeam& beam, const DrawingStyle& style, Canvas& target);

// In place of the diagrams of a beam whose end supports cannot carry load: two black lines at
// the top of the moment band saying so.
void DrawCannotCarryNotice(const DrawingStyle& style, Canvas& target);

} // namespace balka
