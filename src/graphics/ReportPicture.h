// The picture of the calculation report: the scheme and the diagrams drawn with the report
// colours (white background, black drawing) and saved as a JPEG file. The caller's drawing
// style comes back unchanged, so the screen drawing goes on with its own colours and scale.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/DrawingStyle.h"
#include "model/Beam.h"

#include <cstdint>
#include <filesystem>

namespace balka {

inline constexpr int32_t ReportPictureWidth = 600;
inline constexpr int32_t ReportPictureHeight = 550;
inline constexpr const char* ReportPictureFileName = "picture.jpg";

// Draws into `picture` (made ReportPictureWidth x ReportPictureHeight by the caller) and
// writes it to `file`, replacing an earlier one. The beam's ToDraw marks are reset, as by any
// scheme drawing. Throws FileError when the file cannot be written; the style is restored
// either way.
void WriteReportPicture(TBeam& beam, DrawingStyle& style, Canvas& picture,
                        const std::filesystem::path& file);

} // namespace balka
