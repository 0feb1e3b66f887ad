// The pictograms of the main window's commands, 20 x 20 pixels each, shared by the menu items
// and the toolbar buttons. Each is drawn from (0, 0) over the background colour
// CommandPictureBackground, which the window may show as transparent: no pictogram uses that
// colour for anything else.
#pragma once

#include "graphics/Canvas.h"

namespace balka {

enum class CommandPicture {
    NewProject,
    Open,
    Save,
    SaveAs,
    Diagrams,
    Report,
    Preview,
    Print,
    ExportPdf,
    ExportWord,
    Geometry,
    Loads,
    Template,
    Holes,
    Design,
    Reactions,
    Catalogue,
    Material,
};

inline constexpr int32_t CommandPictureSize = 20;
// The light grey of a toolbar, so that the pictogram looks right even where it is not masked.
inline constexpr Rgb CommandPictureBackground{239, 239, 239};

void DrawCommandPicture(Canvas& target, CommandPicture picture);

} // namespace balka
