// The named small pictures ("GLL", "HOLES", "KL3K", ...) as pixmaps for a window's picture
// area, drawn at their own size; an unknown name gives an empty pixmap.
#pragma once

#include <QPixmap>
#include <string>

namespace balka {

QPixmap ResourcePicture(const std::string& name);

} // namespace balka
