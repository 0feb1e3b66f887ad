// Hole-zone forces. Only the direct neighbours are looked into: a zone that reaches past a
// neighbour shorter than its overhang is clipped to that neighbour. Every value is taken as its
// absolute value and only when larger than the value held.
#include "statics/HoleZoneForces.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace balka {
namespace {

void TakeLarger(float& held, float value) {
    if (std::fabs(value) > held) {
        held = std::fabs(value);
    }
}

struct ZoneMaxima {
    float Mz = 0;
    float Qz = 0;
};

void TakePreviousSpan(const TSpan& previous, int32_t zoneStart, ZoneMaxima& maxima) {
    const int32_t from = previous.Length + zoneStart;
    for (std::size_t j = 0; j < previous.SampleX.size(); ++j) {
        if (previous.SampleX[j] >= from) {
            TakeLarger(maxima.Qz, previous.QLeft[j]);
            TakeLarger(maxima.Mz, previous.M[j]);
        }
    }
    if (from < previous.XMax) {
        TakeLarger(maxima.Mz, previous.MMax);
    }
}

void TakeNextSpan(const TSpan& next, int32_t reach, ZoneMaxima& maxima) {
    if (next.SampleX.empty()) {
        return;
    }
    for (std::size_t j = 0; j < next.SampleX.size(); ++j) {
        if (next.SampleX[j] <= reach) {
            TakeLarger(maxima.Qz, next.QRight[j]);
            TakeLarger(maxima.Mz, next.M[j]);
        }
    }
    if (next.XMax <= reach) {
        TakeLarger(maxima.Mz, next.MMax);
    }
}

void ComputeZone(const TBeam& beam, std::size_t i, TWeak& weak) {
    const TSpan& span = beam.Spans[i];
    int32_t zs = weak.ZoneStart;
    int32_t ze = weak.ZoneEnd;
    ZoneMaxima maxima;
    if (zs < 0) {
        if (i > 0) {
            TakePreviousSpan(beam.Spans[i - 1], zs, maxima);
        }
        zs = 0;
    }
    if (ze > span.Length) {
        if (i + 1 < beam.Spans.size()) {
            TakeNextSpan(beam.Spans[i + 1], ze - span.Length, maxima);
        }
        ze = span.Length;
    }
    for (std::size_t j = 0; j < span.SampleX.size(); ++j) {
        if (zs <= span.SampleX[j] && span.SampleX[j] <= ze) {
            TakeLarger(maxima.Qz, span.QLeft[j]);
            TakeLarger(maxima.Qz, span.QRight[j]);
            TakeLarger(maxima.Mz, span.M[j]);
        }
    }
    if (zs <= span.XMax && span.XMax <= ze) {
        TakeLarger(maxima.Mz, span.MMax);
    }
    weak.ZoneMaxM = maxima.Mz;
    weak.ZoneMaxQ = maxima.Qz;
}

} // namespace

void ComputeHoleZoneForces(TBeam& beam) {
    if (beam.HoleCount == 0) {
        return;
    }
    for (std::size_t i = 0; i < beam.Spans.size(); ++i) {
        // The neighbours are only read; the zone results go to this span's own holes.
        for (TWeak& weak : beam.Spans[i].Weaks) {
            ComputeZone(beam, i, weak);
        }
    }
}

} // namespace balka
