// Each diagram is drawn as ordinates at the sample points joined by the curve, every interval
// closed down to the zero line, with a pen that remembers where it stands so that the path
// reads as the diagram is traced. Vertical scale: the largest absolute value reaches b/2 - 14
// pixels from the zero line, b being the band's height.
#include "graphics/DiagramDrawing.h"

#include "graphics/DrawnSpans.h"
#include "model/Numbers.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace balka {
namespace {

const std::string MomentCaption = "Эпюра М, кг*м."; // Cyrillic М
const std::string ShearCaption = "Эпюра Q, кг.";    // Latin Q

// A pen that draws from where it stands, so a traced path needs no repeated end points.
class Pen {
  public:
    Pen(Canvas& target, Rgb color) : target_(target), color_(color) {}
    void MoveTo(PixelPoint to) { at_ = to; }
    void LineTo(PixelPoint to) {
        target_.Line(at_, to, color_, 1);
        at_ = to;
    }

  private:
    Canvas& target_;
    Rgb color_;
    PixelPoint at_;
};

// Where values land on one diagram: y = y0 + direction * v / s.
struct ValueAxis {
    int32_t ZeroY = 0;
    float PerPixel = 1;  // kg*m or kg per pixel
    float Direction = 1; // +1: positive values below the zero line; -1: above it
    int32_t At(float value) const {
        return PixelFloor(static_cast<float>(ZeroY) + Direction * value / PerPixel);
    }
};

bool Shown(float value) {
    return CompareWithTolerance(0, value) != 0;
}

void WriteValue(Canvas& target, const DrawingStyle& style, PixelPoint at, float value) {
    target.Text(at, FormatCompact(value), BlackColor, style.BackColor);
}

// Caption and thick zero line; true when the diagram has values worth drawing beyond them.
bool DrawFrame(const DrawingStyle& style, Canvas& target, const DiagramBand& band,
               const std::string& caption, Rgb color, float maxAbs, float totalLength) {
    const int32_t x0 = style.LeftMargin + 1;
    target.Text({x0, band.CaptionY}, caption, color, style.BackColor);
    const int32_t xEnd = PixelFloor(static_cast<float>(x0 + 1) + totalLength / style.Scale);
    target.Line({x0, band.ZeroY}, {xEnd, band.ZeroY}, color, 3);
    // A band too low to hold any ordinate draws no values.
    return Shown(maxAbs) && band.Reach > 0;
}

size_t CommonLength(std::initializer_list<size_t> sizes) {
    return std::min(sizes);
}

} // namespace

DiagramBand MomentBand(const DrawingStyle& style, int32_t pictureHeight) {
    const int32_t top = style.DiagramTop;
    DiagramBand band;
    band.Height = (pictureHeight - top) / 2 - 15;
    band.CaptionY = top + 1;
    band.ZeroY = top + 15 + band.Height / 2;
    band.Reach = band.Height / 2 - 14;
    return band;
}

DiagramBand ShearBand(const DrawingStyle& style, int32_t pictureHeight) {
    const int32_t top = style.DiagramTop;
    DiagramBand band;
    band.Height = (pictureHeight - (top + 2)) / 2 - 15;
    band.CaptionY = top + band.Height + 16;
    band.ZeroY = top + band.Height + band.Height / 2 + 30;
    band.Reach = band.Height / 2 - 14;
    return band;
}

void DrawDiagrams(const TBeam& beam, const DrawingStyle& style, Canvas& target) {
    DrawMomentDiagram(beam, style, target);
    DrawShearDiagram(beam, style, target);
}

void DrawMomentDiagram(const TBeam& beam, const DrawingStyle& style, Canvas& target) {
    const DiagramBand band = MomentBand(style, target.Height());
    const float totalLength = static_cast<float>(beam.TotalLength);
    if (!DrawFrame(style, target, band, MomentCaption, style.MomentColor, beam.MaxAbsM,
                   totalLength)) {
        return;
    }
    const ValueAxis axis{band.ZeroY, beam.MaxAbsM / static_cast<float>(band.Reach), 1};
    const auto writeMoment = [&](PixelPoint point, float value) {
        if (Shown(value)) {
            WriteValue(target, style, {point.X + 2, value < 0 ? point.Y - 13 : point.Y + 2}, value);
        }
    };
    const int32_t y0 = band.ZeroY;
    Pen pen(target, style.MomentColor);
    const size_t spans = DrawnSpans(beam).size();
    int32_t c = 0;
    for (size_t i = 0; i < spans; ++i) {
        const TSpan& span = beam.Spans[i];
        const size_t n = CommonLength({span.SampleX.size(), span.M.size()});
        const auto point = [&](int32_t x, float value) {
            return PixelPoint{BeamPixelX(style, static_cast<float>(c + x)), axis.At(value)};
        };
        if (n > 0) {
            writeMoment(point(span.SampleX[0], span.M[0]), span.M[0]);
        }
        for (size_t k = 0; k + 1 < n; ++k) {
            const PixelPoint pk = point(span.SampleX[k], span.M[k]);
            pen.MoveTo({pk.X, y0});
            pen.LineTo(pk);
            if (span.XMax >= span.SampleX[k] && span.XMax < span.SampleX[k + 1] &&
                Shown(span.MMax)) {
                const PixelPoint pm = point(span.XMax, span.MMax);
                pen.LineTo(pm);
                pen.LineTo({pm.X, y0});
                writeMoment(pm, span.MMax);
                pen.MoveTo(pm);
            }
            const PixelPoint next = point(span.SampleX[k + 1], span.M[k + 1]);
            pen.LineTo(next);
            if (k + 2 == n) {
                pen.LineTo({next.X, y0});
            }
        }
        c += span.Length;
    }
    // The label at the right end is the last ordinate drawn, the design loads' moment: after a
    // design MB holds the deflection loads' value.
    if (spans > 0 && !beam.Spans[spans - 1].M.empty()) {
        const float mb = beam.Spans[spans - 1].M.back();
        if (Shown(mb)) {
            const std::string text = FormatCompact(mb);
            const int32_t w = target.MeasureText(text).Width;
            const int32_t x = PixelFloor(static_cast<float>(style.LeftMargin + 1) +
                                         totalLength / style.Scale - 4.0f - static_cast<float>(w));
            const int32_t y = axis.At(mb);
            WriteValue(target, style, {x, mb < 0 ? y - 13 : y + 2}, mb);
        }
    }
}

void DrawShearDiagram(const TBeam& beam, const DrawingStyle& style, Canvas& target) {
    const DiagramBand band = ShearBand(style, target.Height());
    const float totalLength = static_cast<float>(beam.TotalLength);
    if (!DrawFrame(style, target, band, ShearCaption, style.ShearColor, beam.MaxAbsQ,
                   totalLength)) {
        return;
    }
    const ValueAxis axis{band.ZeroY, beam.MaxAbsQ / static_cast<float>(band.Reach), -1};
    const auto writeShear = [&](PixelPoint point, float value) {
        if (Shown(value)) {
            WriteValue(target, style, {point.X, value < 0 ? point.Y + 2 : point.Y - 14}, value);
        }
    };
    const int32_t y0 = band.ZeroY;
    Pen pen(target, style.ShearColor);
    const size_t spans = DrawnSpans(beam).size();
    int32_t c = 0;
    for (size_t i = 0; i < spans; ++i) {
        const TSpan& span = beam.Spans[i];
        const size_t n = CommonLength(
            {span.SampleX.size(), span.QLeft.size(), span.QRight.size(), span.QSeries.size()});
        // A free end carries no shear, whatever rounding left in the series.
        const bool freeLeft = i == 0 && beam.LeftSupport == SupportFree;
        const bool freeRight = i + 1 == spans && beam.RightSupport == SupportFree;
        const auto x = [&](size_t k) {
            return BeamPixelX(style, static_cast<float>(c + span.SampleX[k]));
        };
        if (n > 0) {
            const float first = freeLeft ? 0.0f : span.QSeries[0];
            writeShear({x(0) + 2, axis.At(first)}, first);
        }
        float lastDrawn = 0;
        for (size_t k = 0; k + 1 < n; ++k) {
            const float right = freeLeft && k == 0 ? 0.0f : span.QRight[k];
            const float left = freeRight && k + 2 == n ? 0.0f : span.QLeft[k + 1];
            pen.MoveTo({x(k), y0});
            pen.LineTo({x(k), axis.At(right)});
            pen.LineTo({x(k + 1), axis.At(left)});
            pen.LineTo({x(k + 1), y0});
            lastDrawn = left;
        }
        if (n > 1 && Shown(lastDrawn)) {
            const std::string text = FormatCompact(lastDrawn);
            const int32_t w = target.MeasureText(text).Width;
            const int32_t endX = PixelFloor(static_cast<float>(style.LeftMargin + 1) +
                                            static_cast<float>(c + span.Length) / style.Scale -
                                            2.0f - static_cast<float>(w));
            writeShear({endX, axis.At(lastDrawn)}, lastDrawn);
        }
        c += span.Length;
    }
}

void DrawCannotCarryNotice(const DrawingStyle& style, Canvas& target) {
    const int32_t x0 = style.LeftMargin + 1;
    const int32_t top = MomentBand(style, target.Height()).CaptionY;
    target.Text({x0, top}, "Балка с такими концевыми опорами не может нести нагрузку.", BlackColor,
                style.BackColor);
    target.Text({x0, top + 16}, "Эпюры не построены: измените опоры балки.", BlackColor,
                style.BackColor);
}

} // namespace balka
