// A cantilever is drawn 0.6 of a span long; the spans share the rest of the width equally.
#include "graphics/TemplatePictures.h"

#include "graphics/PictureElements.h"

#include <string>
#include <vector>

namespace balka {
namespace {

constexpr int32_t PictureWidth = 411;
constexpr int32_t PictureHeight = 75;
constexpr int32_t Margin = 16;
constexpr float CantileverShare = 0.6f;
constexpr int32_t BeamTop = 30;
constexpr int32_t DimensionY = 70;

} // namespace

void DrawTemplatePicture(Canvas& target, const TemplateScheme& scheme) {
    target.FillRect({0, 0, PictureWidth, PictureHeight}, PicturePaper);
    const bool left = scheme.Left == Cantilever::Present;
    const bool right = scheme.Right == Cantilever::Present;
    const float parts = static_cast<float>(scheme.SpanCount) + (left ? CantileverShare : 0.0f) +
                        (right ? CantileverShare : 0.0f);
    const float unit = static_cast<float>(PictureWidth - 2 * Margin) / parts;

    // The pieces of the beam from left to right: their ends and their names.
    std::vector<int32_t> ends = {Margin};
    std::vector<std::string> names;
    float at = static_cast<float>(Margin);
    const auto add = [&](float share, std::string name) {
        at += share * unit;
        ends.push_back(static_cast<int32_t>(at));
        names.push_back(std::move(name));
    };
    if (left) {
        add(CantileverShare, "Lк");
    }
    for (int32_t span = 1; span <= scheme.SpanCount; ++span) {
        add(1, "L" + std::to_string(span));
    }
    if (right) {
        add(CantileverShare, "Lк");
    }

    DrawPictureLoadBand(target, ends.front(), ends.back(), 8, BeamTop - 1);
    DrawPictureBeam(target, ends.front(), ends.back(), BeamTop);
    const size_t firstSupport = left ? 1 : 0;
    const size_t lastSupport = right ? ends.size() - 2 : ends.size() - 1;
    for (size_t k = firstSupport; k <= lastSupport; ++k) {
        DrawPictureSupport(target, ends[k], BeamTop + 3);
    }
    for (size_t k = 0; k < names.size(); ++k) {
        DrawPictureDimension(target, ends[k], ends[k + 1], DimensionY, BeamTop + 18, names[k]);
    }
}

} // namespace balka
