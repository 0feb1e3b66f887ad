// The small fixed pictures that windows show by name: the load kinds "GLL", "PLL", "DL" and
// the holes explanation "HOLES" (editors), the template schemes "L1" ... "L5", "KL1" ... "KL5",
// "L1K" ... "L5K", "KL1K" ... "KL5K", the About logo "LOGO", the file icon "LVL" and the main
// window's command pictograms "CMD_NEW" ... "CMD_MATERIAL" (20 x 20). Each is drawn at the
// picture's top-left corner at its own size.
#pragma once

#include "graphics/Canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace balka {

// The size of the named picture; nothing for a name that is not one of them.
std::optional<TextExtent> ResourceBitmapSize(const std::string& name);
// Every name, in the order listed above.
std::vector<std::string> ResourceBitmapNames();
// Draws the named picture onto `target` from (0, 0); false, drawing nothing, for an unknown name.
bool DrawResourceBitmap(const std::string& name, Canvas& target);

} // namespace balka
