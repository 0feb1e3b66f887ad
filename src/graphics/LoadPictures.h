// The pictures of the loads and holes editors: a single span on two hinged supports with a
// uniform load ("GLL"), a load on part of the span with its position x and length s ("PLL"), a
// point load at x ("DL"), each 193 x 65; and the hole explanation ("HOLES", 193 x 100): a hole
// of diameter d at х from the support and у above the bottom face.
#pragma once

#include "graphics/Canvas.h"

namespace balka {

void DrawUniformLoadPicture(Canvas& target);
void DrawPartLoadPicture(Canvas& target);
void DrawPointLoadPicture(Canvas& target);
void DrawHolePicture(Canvas& target);

} // namespace balka
