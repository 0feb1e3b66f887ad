// Layout of the load pictures: the beam's top row at 36, supports under its ends at x = 16 and
// 176, loads standing on the beam, dimensions on the bottom line.
#include "graphics/LoadPictures.h"

#include "graphics/PictureElements.h"

namespace balka {
namespace {

constexpr int32_t LoadPictureWidth = 193;
constexpr int32_t LoadPictureHeight = 65;
constexpr int32_t Left = 16;
constexpr int32_t Right = 176;
constexpr int32_t BeamTop = 36;
constexpr int32_t BandTop = 14; // below the load's name
constexpr int32_t DimensionY = 61;

void DrawSpan(Canvas& target) {
    target.FillRect({0, 0, LoadPictureWidth, LoadPictureHeight}, PicturePaper);
    DrawPictureBeam(target, Left, Right, BeamTop);
    DrawPictureSupport(target, Left, BeamTop + 3);
    DrawPictureSupport(target, Right, BeamTop + 3);
}

} // namespace

void DrawUniformLoadPicture(Canvas& target) {
    DrawSpan(target);
    DrawPictureLoadBand(target, Left, Right, BandTop, BeamTop - 1);
    target.Text({Left, 0}, "F", PictureInk, PicturePaper);
}

void DrawPartLoadPicture(Canvas& target) {
    DrawSpan(target);
    constexpr int32_t start = 66;
    constexpr int32_t end = 136;
    DrawPictureLoadBand(target, start, end, BandTop, BeamTop - 1);
    target.Text({start, 0}, "F", PictureInk, PicturePaper);
    DrawPictureDimension(target, Left, start, DimensionY, 53, "x");
    DrawPictureDimension(target, start, end, DimensionY, 53, "s");
}

void DrawPointLoadPicture(Canvas& target) {
    DrawSpan(target);
    constexpr int32_t at = 86;
    DrawPictureLoadArrow(target, at, 4, BeamTop - 1);
    target.Text({at + 6, 2}, "F", PictureInk, PicturePaper);
    DrawPictureDimension(target, Left, at, DimensionY, 53, "x");
}

void DrawHolePicture(Canvas& target) {
    constexpr int32_t width = 193;
    constexpr int32_t height = 100;
    constexpr int32_t top = 26;    // top face of the beam
    constexpr int32_t bottom = 76; // bottom face, where у is counted from
    constexpr int32_t support = 24;
    constexpr int32_t holeX = 96;
    constexpr int32_t holeY = 56;
    target.FillRect({0, 0, width, height}, PicturePaper);
    target.Rectangle({8, top, 186, bottom + 1}, PictureInk, PictureTimber);
    DrawPictureSupport(target, support, bottom + 1);
    target.Ellipse({holeX - 8, holeY - 8, holeX + 9, holeY + 9}, PictureInk, PicturePaper);
    // Centre lines of the hole.
    target.Line({holeX, holeY - 12}, {holeX, holeY + 13}, PictureInk, 1);
    target.Line({holeX - 12, holeY}, {holeX + 13, holeY}, PictureInk, 1);
    // х: from the support's axis to the hole's centre, above the beam.
    target.Line({support, top - 1}, {support, 10}, PictureInk, 1);
    target.Line({holeX, holeY - 12}, {holeX, 10}, PictureInk, 1);
    DrawPictureDimension(target, support, holeX, 14, 14, "х");
    // у: from the bottom face up to the centre, right of the hole.
    constexpr int32_t yLine = 150;
    target.Line({holeX + 13, holeY}, {yLine + 4, holeY}, PictureInk, 1);
    target.Line({yLine, holeY - 3}, {yLine, bottom + 4}, PictureInk, 1);
    for (const int32_t y : {holeY, bottom}) {
        target.Line({yLine - 3, y + 3}, {yLine + 4, y - 4}, PictureInk, 1);
    }
    target.Text({yLine + 5, holeY + 4}, "у", PictureInk, PictureTimber);
    // d: the diameter, named beside the hole.
    target.Line({holeX + 6, holeY - 6}, {holeX + 16, holeY - 16}, PictureInk, 1);
    target.Text({holeX + 17, holeY - 28}, "d", PictureInk, PictureTimber);
}

} // namespace balka
