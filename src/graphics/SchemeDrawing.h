// The calculation scheme in the upper band of a picture: the beam line with its supports, the
// loads stacked above it as labelled pictograms, and the span and segment dimensions below it.
// Beam positions are horizontal millimetres from the beam's left end; the drawing writes the
// style's Scale (mm per pixel) for the diagrams drawn after it and resets the loads' ToDraw
// marks, so the beam is taken non-const.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/DrawingStyle.h"
#include "model/Beam.h"

namespace balka {

// Whether the operation that drew the scheme may go on to the statics and the diagrams.
enum class SchemeResult { Continue, Stop };

// Clears the whole picture with BackColor and draws the scheme. Stop for a beam without spans
// (nothing but the background is drawn) and, once the scheme is drawn, for the end supports
// that cannot carry load.
SchemeResult DrawScheme(TBeam& beam, DrawingStyle& style, Canvas& target);

// The three steps of DrawScheme, in this order.
void DrawBeamAndSupports(const TBeam& beam, DrawingStyle& style, Canvas& target);
void DrawLoads(TBeam& beam, const DrawingStyle& style, Canvas& target);
void DrawSpanDimensions(const TBeam& beam, const DrawingStyle& style, Canvas& target);

} // namespace balka
