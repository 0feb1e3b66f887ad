// Each pictogram is a few outlined shapes on a 20 x 20 grid, drawn with a 1-pixel outline so
// they stay sharp at their own size; the shapes of one family (a sheet, a diskette, a beam on
// supports) come from shared helpers so that the buttons of a group look alike.
#include "graphics/CommandPictures.h"

#include <array>
#include <vector>

namespace balka {
namespace {

constexpr Rgb Ink{48, 48, 48};
constexpr Rgb Sheet{255, 255, 255};
constexpr Rgb SheetFold{208, 208, 208};
constexpr Rgb TextGrey{128, 128, 128};
constexpr Rgb FolderBack{214, 160, 46};
constexpr Rgb FolderFront{250, 212, 100};
constexpr Rgb FolderEdge{150, 100, 20};
constexpr Rgb DiskBody{52, 96, 168};
constexpr Rgb DiskEdge{24, 52, 110};
constexpr Rgb DiskShutter{196, 200, 208};
constexpr Rgb PencilBody{236, 156, 36};
constexpr Rgb DiagramLine{30, 60, 200};
constexpr Rgb DiagramFill{178, 196, 246};
constexpr Rgb LensGlass{204, 228, 255};
constexpr Rgb PrinterBody{150, 154, 160};
constexpr Rgb PrinterLamp{40, 180, 60};
constexpr Rgb WordBlue{40, 84, 160};
constexpr Rgb PdfRed{196, 32, 32};
constexpr Rgb TimberEdge{112, 62, 22};
constexpr Rgb TimberFace{226, 190, 140};
constexpr Rgb TimberDark{196, 148, 96};
constexpr Rgb LoadEdge{200, 30, 30};
constexpr Rgb LoadFill{255, 198, 199};
constexpr Rgb TableHeader{180, 200, 232};
constexpr Rgb ReactionEdge{20, 130, 60};

// A sheet of paper with its top-right corner folded over.
void DrawSheet(Canvas& target, PixelRect box) {
    constexpr int32_t fold = 4;
    const int32_t right = box.Right - 1;
    const int32_t bottom = box.Bottom - 1;
    target.Polygon({{box.Left, box.Top},
                    {right - fold, box.Top},
                    {right, box.Top + fold},
                    {right, bottom},
                    {box.Left, bottom}},
                   Ink, Sheet);
    target.Polygon(
        {{right - fold, box.Top}, {right - fold, box.Top + fold}, {right, box.Top + fold}}, Ink,
        SheetFold);
}

// Grey lines of text every `step` rows from `top` down to `bottom`, between x1 and x2.
void DrawTextLines(Canvas& target, int32_t x1, int32_t x2, int32_t top, int32_t bottom,
                   int32_t step) {
    for (int32_t y = top; y < bottom; y += step) {
        target.Line({x1, y}, {x2, y}, TextGrey, 1);
    }
}

// A diskette with a cut top-right corner, its metal shutter at the top and a label below.
void DrawDiskette(Canvas& target, PixelRect box) {
    const int32_t right = box.Right - 1;
    const int32_t bottom = box.Bottom - 1;
    const int32_t height = box.Bottom - box.Top;
    target.Polygon({{box.Left, box.Top},
                    {right - 2, box.Top},
                    {right, box.Top + 2},
                    {right, bottom},
                    {box.Left, bottom}},
                   DiskEdge, DiskBody);
    const int32_t shutterBottom = box.Top + height * 2 / 5;
    target.Rectangle({box.Left + 4, box.Top, box.Right - 4, shutterBottom}, DiskEdge, DiskShutter);
    target.FillRect({box.Right - 7, box.Top + 1, box.Right - 5, shutterBottom - 1}, DiskEdge);
    target.Rectangle({box.Left + 2, box.Top + height / 2 + 1, box.Right - 2, box.Bottom}, DiskEdge,
                     Sheet);
}

// The beam as a timber bar four pixels high from x1 up to, not including, x2.
void DrawBeam(Canvas& target, int32_t x1, int32_t x2, int32_t top) {
    target.Rectangle({x1, top, x2, top + 4}, TimberEdge, TimberFace);
}

// A support: a dark triangle with its apex at (x, y), seven pixels wide at its base.
void DrawSupport(Canvas& target, int32_t x, int32_t y) {
    target.Polygon({{x, y}, {x - 3, y + 4}, {x + 3, y + 4}}, Ink, Ink);
}

// A downward arrow from `top` whose head touches (x, tip).
void DrawDownArrow(Canvas& target, int32_t x, int32_t top, int32_t tip) {
    target.Line({x, top}, {x, tip - 2}, LoadEdge, 1);
    target.Polygon({{x - 2, tip - 2}, {x + 2, tip - 2}, {x, tip}}, LoadEdge, LoadEdge);
}

// An upward arrow from `bottom` whose head touches (x, tip).
void DrawUpArrow(Canvas& target, int32_t x, int32_t bottom, int32_t tip) {
    target.Line({x, bottom}, {x, tip + 2}, ReactionEdge, 2);
    target.Polygon({{x - 3, tip + 3}, {x + 3, tip + 3}, {x, tip}}, ReactionEdge, ReactionEdge);
}

void DrawNewProject(Canvas& target) {
    DrawSheet(target, {3, 1, 18, 20});
}

void DrawOpen(Canvas& target) {
    target.Polygon({{1, 4}, {7, 4}, {9, 6}, {17, 6}, {17, 17}, {1, 17}}, FolderEdge, FolderBack);
    target.Polygon({{1, 17}, {5, 9}, {19, 9}, {16, 17}}, FolderEdge, FolderFront);
}

void DrawSave(Canvas& target) {
    DrawDiskette(target, {2, 2, 18, 18});
}

void DrawSaveAs(Canvas& target) {
    DrawDiskette(target, {1, 5, 15, 19});
    // A pencil writing towards the lower left, over the diskette's corner.
    target.Polygon({{17, 1}, {19, 3}, {11, 11}, {9, 9}}, Ink, PencilBody);
    target.Polygon({{9, 9}, {11, 11}, {8, 12}}, Ink, Ink);
}

void DrawDiagrams(Canvas& target) {
    // A parabola hanging under the beam line, as the moment of a uniform load, hatched as the
    // window draws its diagrams.
    constexpr int32_t left = 1;
    constexpr int32_t right = 18;
    constexpr int32_t base = 5;
    constexpr int32_t depth = 10;
    const auto curveAt = [](int32_t x) {
        return base + depth * 4 * (x - left) * (right - x) / ((right - left) * (right - left));
    };
    std::vector<PixelPoint> curve = {{left, base}};
    for (int32_t x = left; x <= right; ++x) {
        curve.push_back({x, curveAt(x)});
    }
    curve.push_back({right, base});
    target.Polygon(curve, DiagramLine, DiagramFill);
    for (const int32_t x : {4, 8, 11, 15}) {
        target.Line({x, base + 1}, {x, curveAt(x)}, DiagramLine, 1);
    }
    target.Line({0, base - 1}, {20, base - 1}, Ink, 2);
}

void DrawReport(Canvas& target) {
    DrawSheet(target, {3, 1, 18, 20});
    target.Line({6, 4}, {11, 4}, Ink, 1);
    DrawTextLines(target, 6, 15, 8, 18, 3);
}

void DrawPreview(Canvas& target) {
    DrawSheet(target, {1, 1, 15, 18});
    DrawTextLines(target, 4, 12, 5, 16, 3);
    target.Line({15, 15}, {19, 19}, Ink, 3);
    target.Ellipse({8, 7, 17, 16}, Ink, LensGlass);
}

void DrawPrint(Canvas& target) {
    target.Rectangle({5, 1, 15, 9}, Ink, Sheet);
    target.Rectangle({1, 7, 19, 15}, Ink, PrinterBody);
    target.FillRect({15, 9, 17, 11}, PrinterLamp);
    target.Rectangle({5, 12, 15, 20}, Ink, Sheet);
    DrawTextLines(target, 7, 13, 14, 19, 2);
}

// A sheet behind a red label with a white "P".
void DrawExportPdf(Canvas& target) {
    DrawSheet(target, {6, 1, 19, 20});
    DrawTextLines(target, 13, 17, 7, 18, 3);
    target.Rectangle({1, 5, 13, 16}, PdfRed, PdfRed);
    const std::array<PixelPoint, 7> letter = {
        {{4, 14}, {4, 7}, {8, 7}, {9, 8}, {9, 10}, {8, 11}, {4, 11}}};
    for (size_t k = 0; k + 1 < letter.size(); ++k) {
        target.Line(letter[k], letter[k + 1], Sheet, 1);
    }
}

void DrawExportWord(Canvas& target) {
    DrawSheet(target, {6, 1, 19, 20});
    DrawTextLines(target, 13, 17, 7, 18, 3);
    target.Rectangle({1, 5, 13, 16}, WordBlue, WordBlue);
    const std::array<PixelPoint, 5> letter = {{{3, 7}, {5, 14}, {7, 9}, {9, 14}, {11, 7}}};
    for (size_t k = 0; k + 1 < letter.size(); ++k) {
        target.Line(letter[k], letter[k + 1], Sheet, 1);
    }
    target.Line(letter.back(), {11, 6}, Sheet, 1);
}

void DrawGeometry(Canvas& target) {
    DrawBeam(target, 1, 19, 4);
    DrawSupport(target, 4, 8);
    DrawSupport(target, 15, 8);
    // The span's length as a dimension line.
    target.Line({4, 14}, {4, 19}, Ink, 1);
    target.Line({15, 14}, {15, 19}, Ink, 1);
    target.Line({4, 16}, {16, 16}, Ink, 1);
    target.Line({5, 15}, {5, 18}, Ink, 1);
    target.Line({14, 15}, {14, 18}, Ink, 1);
}

void DrawLoads(Canvas& target) {
    target.Rectangle({2, 1, 19, 5}, LoadEdge, LoadFill);
    for (const int32_t x : {3, 10, 17}) {
        DrawDownArrow(target, x, 5, 12);
    }
    DrawBeam(target, 1, 20, 13);
}

void DrawTemplate(Canvas& target) {
    DrawBeam(target, 0, 20, 6);
    for (const int32_t x : {3, 10, 17}) {
        DrawSupport(target, x, 10);
    }
}

void DrawHoles(Canvas& target) {
    target.FillRect({0, 4, 20, 16}, TimberFace);
    target.Line({0, 4}, {20, 4}, TimberEdge, 1);
    target.Line({0, 15}, {20, 15}, TimberEdge, 1);
    target.Ellipse({6, 6, 14, 14}, TimberEdge, Sheet);
}

void DrawDesign(Canvas& target) {
    const std::array<PixelPoint, 4> sigma = {{{4, 3}, {10, 10}, {4, 17}, {16, 17}}};
    target.Line({16, 3}, sigma[0], WordBlue, 2);
    for (size_t k = 0; k + 1 < sigma.size(); ++k) {
        target.Line(sigma[k], sigma[k + 1], WordBlue, 2);
    }
    target.Line({15, 3}, {15, 6}, WordBlue, 2);
    target.Line({15, 17}, {15, 14}, WordBlue, 2);
}

void DrawReactions(Canvas& target) {
    // The beam on its two supports, each pushing back up.
    DrawBeam(target, 0, 20, 2);
    DrawSupport(target, 4, 6);
    DrawSupport(target, 15, 6);
    DrawUpArrow(target, 4, 19, 12);
    DrawUpArrow(target, 15, 19, 12);
}

void DrawCatalogue(Canvas& target) {
    target.Rectangle({1, 3, 19, 17}, Ink, Sheet);
    target.FillRect({2, 4, 18, 7}, TableHeader);
    for (const int32_t y : {7, 10, 13}) {
        target.Line({1, y}, {19, y}, Ink, 1);
    }
    for (const int32_t x : {7, 13}) {
        target.Line({x, 3}, {x, 17}, Ink, 1);
    }
}

void DrawMaterial(Canvas& target) {
    // A block of glued veneer in perspective: its layers show on the front and the end.
    target.Polygon({{1, 7}, {6, 2}, {19, 2}, {14, 7}}, TimberEdge, TimberFace);
    target.Polygon({{14, 7}, {19, 2}, {19, 13}, {14, 18}}, TimberEdge, TimberDark);
    target.Rectangle({1, 7, 15, 19}, TimberEdge, TimberFace);
    for (int32_t y = 9; y < 18; y += 2) {
        target.Line({2, y}, {14, y}, TimberDark, 1);
        target.Line({15, y}, {19, y - 5}, TimberEdge, 1);
    }
}

} // namespace

void DrawCommandPicture(Canvas& target, CommandPicture picture) {
    target.FillRect({0, 0, CommandPictureSize, CommandPictureSize}, CommandPictureBackground);
    switch (picture) {
    case CommandPicture::NewProject:
        DrawNewProject(target);
        break;
    case CommandPicture::Open:
        DrawOpen(target);
        break;
    case CommandPicture::Save:
        DrawSave(target);
        break;
    case CommandPicture::SaveAs:
        DrawSaveAs(target);
        break;
    case CommandPicture::Diagrams:
        DrawDiagrams(target);
        break;
    case CommandPicture::Report:
        DrawReport(target);
        break;
    case CommandPicture::Preview:
        DrawPreview(target);
        break;
    case CommandPicture::Print:
        DrawPrint(target);
        break;
    case CommandPicture::ExportPdf:
        DrawExportPdf(target);
        break;
    case CommandPicture::ExportWord:
        DrawExportWord(target);
        break;
    case CommandPicture::Geometry:
        DrawGeometry(target);
        break;
    case CommandPicture::Loads:
        DrawLoads(target);
        break;
    case CommandPicture::Template:
        DrawTemplate(target);
        break;
    case CommandPicture::Holes:
        DrawHoles(target);
        break;
    case CommandPicture::Design:
        DrawDesign(target);
        break;
    case CommandPicture::Reactions:
        DrawReactions(target);
        break;
    case CommandPicture::Catalogue:
        DrawCatalogue(target);
        break;
    case CommandPicture::Material:
        DrawMaterial(target);
        break;
    }
}

} // namespace balka
