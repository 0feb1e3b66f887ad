// The material's emblem: the About window's logo ("LOGO", 225 x 77: the brand word over a
// block of glued veneer layers) and the project file's icon ("LVL", 48 x 48: a sheet with
// "LVL" over veneer layers).
#pragma once

#include "graphics/Canvas.h"

namespace balka {

void DrawLogoPicture(Canvas& target);
void DrawFileIconPicture(Canvas& target);

} // namespace balka
