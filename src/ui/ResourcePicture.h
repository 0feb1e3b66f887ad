// The named small pictures ("GLL", "HOLES", "KL3K", ...) as pixmaps for a window's picture
// area, drawn at their own size; an unknown name gives an empty pixmap.
#pragma once

#include "graphics/Canvas.h"

#include <QPixmap>
#include <string>

namespace balka {

QPixmap ResourcePicture(const std::string& name);
// The same picture with every pixel of the colour `background` see-through, for icons that
// sit on a toolbar or a menu of any colour.
QPixmap TransparentResourcePicture(const std::string& name, Rgb background);

} // namespace balka
