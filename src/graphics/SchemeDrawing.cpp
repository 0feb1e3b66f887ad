// The scheme's three steps. Loads stack in bands 20 pixels high above LoadBaseY: whole-beam
// loads lowest, then whole-span loads, then part-span loads; point-load bars reach above the
// bands present. Equal loads at one place are merged into one label "sum (count)".
#include "graphics/SchemeDrawing.h"

#include "graphics/DrawnSpans.h"
#include "graphics/SchemePrimitives.h"
#include "model/Numbers.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace balka {
namespace {

constexpr int32_t BandHeight = 20;
constexpr int32_t ShortestBar = 33;
constexpr int32_t NearestInnerPoint = 10; // mm from a span end for a segment dimension

std::string LoadLabel(float sum, int32_t count) {
    std::string text = FormatCompact(sum);
    if (count > 1) {
        text += " (" + std::to_string(count) + ")";
    }
    return text;
}

// Where an extension line starts at the beam's end: below the symbol of its support.
int32_t EndExtensionTop(const DrawingStyle& style, int32_t support) {
    switch (support) {
    case SupportFixed:
        return style.BeamY + 15;
    case SupportFree:
        return style.BeamY + 5;
    default:
        return style.BeamY + 30;
    }
}

float Metres(int32_t millimetres) {
    return static_cast<float>(millimetres) * 0.001f;
}

// True when a later load of the same list belongs in the label of `first`.
bool SamePlace(const TLoad& first, const TLoad& later) {
    if (later.Type != first.Type || !later.ToDraw) {
        return false;
    }
    switch (first.Type) {
    case LoadPartSpan:
        return later.Start == first.Start && later.Length == first.Length;
    case LoadPoint:
        return later.Start == first.Start;
    default:
        return true;
    }
}

struct BandLevels {
    int32_t WholeBeam = 0;
    int32_t WholeSpan = 0;
    int32_t PartSpan = 0;
    int32_t BarLength = 0;
};

BandLevels StackBands(std::span<const TSpan> spans, const DrawingStyle& style) {
    bool hasKind[5] = {};
    for (const TSpan& span : spans) {
        for (const TLoad& load : span.Loads) {
            if (load.Type >= LoadWholeBeam && load.Type <= LoadPoint) {
                hasKind[load.Type] = true;
            }
        }
    }
    BandLevels levels;
    levels.WholeBeam = style.LoadBaseY;
    levels.WholeSpan = levels.WholeBeam - (hasKind[LoadWholeBeam] ? BandHeight : 0);
    levels.PartSpan = levels.WholeSpan - (hasKind[LoadWholeSpan] ? BandHeight : 0);
    levels.BarLength = ShortestBar + (hasKind[LoadWholeSpan] ? BandHeight : 0) +
                       (hasKind[LoadPartSpan] ? BandHeight : 0);
    return levels;
}

} // namespace

SchemeResult DrawScheme(TBeam& beam, DrawingStyle& style, Canvas& target) {
    target.FillRect({0, 0, target.Width(), target.Height()}, style.BackColor);
    if (beam.SpanCount <= 0 || beam.Spans.empty()) {
        return SchemeResult::Stop;
    }
    DrawBeamAndSupports(beam, style, target);
    DrawLoads(beam, style, target);
    DrawSpanDimensions(beam, style, target);
    return CannotCarryLoad(beam) ? SchemeResult::Stop : SchemeResult::Continue;
}

void DrawBeamAndSupports(const TBeam& beam, DrawingStyle& style, Canvas& target) {
    // A picture narrower than its margins still gets a positive scale.
    const int32_t drawable = std::max(target.Width() - style.LeftMargin - style.RightMargin, 1);
    style.Scale = static_cast<float>(beam.TotalLength) / static_cast<float>(drawable);
    const int32_t x0 = style.LeftMargin + 1;
    const int32_t xe = BeamPixelX(style, static_cast<float>(beam.TotalLength));
    for (int32_t y = style.BeamY; y <= style.BeamY + 2; ++y) {
        target.Line({x0, y}, {xe + 1, y}, style.SchemeColor, 1);
    }

    const std::span<const TSpan> spans = DrawnSpans(beam);
    const int32_t supportY = style.BeamY + 3;
    int32_t sum = 0;
    for (size_t i = 0; i < spans.size(); ++i) {
        sum += spans[i].Length;
        const int32_t x = BeamPixelX(style, static_cast<float>(sum));
        if (i == 0 && beam.LeftSupport == SupportFree && spans.size() > 1) {
            DrawPinnedSupport(target, style, x, supportY);
        } else if (i + 1 < spans.size()) {
            DrawRollerSupport(target, style, x, supportY);
        }
    }

    if (beam.LeftSupport == SupportFixed) {
        DrawFixedSupport(target, style, x0, style.BeamY + 1, SupportSide::Left);
    } else if (beam.LeftSupport == SupportHinge) {
        DrawPinnedSupport(target, style, x0, supportY);
    }
    if (beam.RightSupport == SupportFixed) {
        DrawFixedSupport(target, style, xe, style.BeamY + 1, SupportSide::Right);
    } else if (beam.RightSupport == SupportHinge) {
        DrawRollerSupport(target, style, xe, supportY);
    }
}

void DrawLoads(TBeam& beam, const DrawingStyle& style, Canvas& target) {
    const std::span<TSpan> spans = DrawnSpans(beam);
    const BandLevels levels = StackBands(spans, style);
    for (TSpan& span : spans) {
        for (TLoad& load : span.Loads) {
            load.ToDraw = true;
        }
    }
    if (spans.empty()) {
        return;
    }

    // A whole-beam load has one record in every span; the first span's records stand for them.
    float wholeBeamSum = 0;
    int32_t wholeBeamCount = 0;
    for (const TLoad& load : spans.front().Loads) {
        if (load.Type == LoadWholeBeam) {
            wholeBeamSum += load.DesignValue;
            ++wholeBeamCount;
        }
    }
    if (wholeBeamCount > 0) {
        DrawDistributedLoad(target, style, style.LeftMargin + 1,
                            BeamPixelX(style, static_cast<float>(beam.TotalLength)),
                            LoadLabel(wholeBeamSum, wholeBeamCount), levels.WholeBeam);
    }

    int32_t spanStart = 0;
    for (TSpan& span : spans) {
        std::vector<TLoad>& loads = span.Loads;
        for (size_t j = 0; j < loads.size(); ++j) {
            const TLoad& load = loads[j];
            if (!load.ToDraw || load.Type < LoadWholeSpan || load.Type > LoadPoint) {
                continue;
            }
            float sum = load.DesignValue;
            int32_t count = 1;
            for (size_t k = j + 1; k < loads.size(); ++k) {
                if (SamePlace(load, loads[k])) {
                    sum += loads[k].DesignValue;
                    ++count;
                    loads[k].ToDraw = false;
                }
            }
            const std::string label = LoadLabel(sum, count);
            const auto at = [&](int32_t h) {
                return BeamPixelX(style, static_cast<float>(spanStart + h));
            };
            if (load.Type == LoadWholeSpan) {
                DrawDistributedLoad(target, style, at(0), at(span.Length), label, levels.WholeSpan);
            } else if (load.Type == LoadPartSpan) {
                DrawDistributedLoad(target, style, at(load.Start), at(load.Start + load.Length),
                                    label, levels.PartSpan);
            } else {
                DrawPointLoad(target, style, at(load.Start), style.LoadBaseY, label,
                              levels.BarLength);
            }
        }
        spanStart += span.Length;
    }
}

void DrawSpanDimensions(const TBeam& beam, const DrawingStyle& style, Canvas& target) {
    const std::span<const TSpan> spans = DrawnSpans(beam);
    const int32_t underSupport = style.BeamY + 30;
    const int32_t underBeam = style.BeamY + 5;
    int32_t spanStart = 0;
    for (size_t i = 0; i < spans.size(); ++i) {
        const TSpan& span = spans[i];
        const auto at = [&](int32_t h) {
            return BeamPixelX(style, static_cast<float>(spanStart + h));
        };
        const bool first = i == 0;
        const bool last = i + 1 == spans.size();
        const int32_t leftTop = first ? EndExtensionTop(style, beam.LeftSupport) : underSupport;
        const int32_t rightTop = last ? EndExtensionTop(style, beam.RightSupport) : underSupport;
        DrawDimension(target, style,
                      {.X1 = at(0),
                       .Y1 = leftTop,
                       .Text = FormatCompact(Metres(span.Length)),
                       .Yd = style.BeamY + 63,
                       .Y2 = rightTop,
                       .X2 = at(span.Length)});

        std::vector<int32_t> points;
        const auto addInner = [&](int32_t position) {
            if (position >= NearestInnerPoint && position <= span.Length - NearestInnerPoint) {
                points.push_back(position);
            }
        };
        for (const TLoad& load : span.Loads) {
            if (load.Type == LoadPartSpan) {
                addInner(load.Start);
                addInner(load.Start + load.Length);
            } else if (load.Type == LoadPoint) {
                addInner(load.Start);
            }
        }
        if (!points.empty()) {
            points.push_back(span.Length);
            std::sort(points.begin(), points.end());
            points.erase(std::unique(points.begin(), points.end()), points.end());
            int32_t previous = 0;
            for (size_t k = 0; k < points.size(); ++k) {
                DrawDimension(target, style,
                              {.X1 = at(previous),
                               .Y1 = k == 0 ? leftTop : underBeam,
                               .Text = FormatCompact(Metres(points[k] - previous)),
                               .Yd = style.BeamY + 43,
                               .Y2 = k + 1 == points.size() ? rightTop : underBeam,
                               .X2 = at(points[k])});
                previous = points[k];
            }
        }
        spanStart += span.Length;
    }
}

} // namespace balka
