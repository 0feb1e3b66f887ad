// The report picture: one drawing with the report colours between saving and restoring the
// screen style.
#include "graphics/ReportPicture.h"

#include "graphics/DiagramDrawing.h"
#include "graphics/JpegWriter.h"
#include "graphics/SchemeDrawing.h"

namespace balka {
namespace {

// Puts the whole style back when the drawing ends, by return or by exception.
class StyleRestorer {
  public:
    explicit StyleRestorer(DrawingStyle& style) : style_(style), saved_(style) {}
    ~StyleRestorer() { style_ = saved_; }
    StyleRestorer(const StyleRestorer&) = delete;
    StyleRestorer& operator=(const StyleRestorer&) = delete;

  private:
    DrawingStyle& style_;
    DrawingStyle saved_;
};

} // namespace

void WriteReportPicture(TBeam& beam, DrawingStyle& style, Canvas& picture,
                        const std::filesystem::path& file) {
    const StyleRestorer restorer(style);
    SetReportColors(style);
    if (DrawScheme(beam, style, picture) == SchemeResult::Continue) {
        DrawDiagrams(beam, style, picture);
    }
    WriteJpeg(picture, file);
}

} // namespace balka
