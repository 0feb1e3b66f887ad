// Net sections beside a hole, in 32-bit floats. Heights are measured from the face at which
// the hole's OffsetY is zero: the strip below the hole is t1, the strip above it t2. Position
// and admissibility use the 0.001 tolerance; the strip cases compare exactly.
#include "design/HoleChecks.h"

#include "model/Numbers.h"

namespace balka {
namespace {

// Admissibility limits of a weakened section: net area in cm2 and net-to-gross ratios for a
// hole at mid-height and for any other hole.
constexpr float MinimumNetArea = 50.0f;
constexpr float SymmetricMinimumRatio = 0.5f;
constexpr float AsymmetricMinimumRatio = 0.67f;

struct NetSection {
    float Area = 0;         // cm2
    float Inertia = 0;      // cm4
    float Modulus = 0;      // cm3
    float StaticMoment = 0; // cm3
};

// The strip's own centroidal properties; its offset from the full section's axis is ignored.
NetSection OneStrip(float b, float t) {
    NetSection net;
    net.Area = b * t;
    net.Inertia = b * t * t * t / 12.0f;
    net.Modulus = b * t * t / 6.0f;
    net.StaticMoment = b * t * t / 8.0f;
    return net;
}

NetSection TwoStrips(float b, float h, float t1, float t2, float d) {
    NetSection net;
    const float a1 = b * t1;
    const float a2 = b * t2;
    net.Area = a1 + a2;
    const float c1 = t1 / 2.0f;
    const float c2 = t1 + d + t2 / 2.0f;
    const float yc = (a1 * c1 + a2 * c2) / net.Area;
    const float e1 = c1 - yc;
    const float e2 = c2 - yc;
    net.Inertia = b * t1 * t1 * t1 / 12.0f + b * t2 * t2 * t2 / 12.0f + a1 * e1 * e1 + a2 * e2 * e2;
    // The modulus belongs to the farther face.
    net.Modulus = yc > h / 2.0f ? net.Inertia / yc : net.Inertia / (h - yc);
    if (t1 > yc) {
        net.StaticMoment = b * yc * yc / 2.0f; // the axis lies in the lower strip
    } else if (h - yc <= t2) {
        net.StaticMoment = b * (h - yc) * (h - yc) / 2.0f; // in the upper strip
    } else {
        net.StaticMoment = a1 * (yc - t1 / 2.0f); // across the hole
    }
    return net;
}

bool IsTooWeak(const NetSection& net, float grossArea, float y, float h) {
    if (CompareWithTolerance(MinimumNetArea, net.Area) < 0) {
        return true;
    }
    const bool symmetric = CompareWithTolerance(h / 2.0f, y) == 0;
    const float limit = symmetric ? SymmetricMinimumRatio : AsymmetricMinimumRatio;
    return CompareWithTolerance(limit, net.Area / grossArea) < 0;
}

void CheckHole(TWeak& hole, const TBeamCalc& calc) {
    const float b = calc.WidthCm;
    const float h = calc.HeightCm;
    const float y = static_cast<float>(hole.OffsetY) * 0.1f;
    const float d = static_cast<float>(hole.Diameter) * 0.1f;
    const float grossArea = b * h;
    if (CompareWithTolerance(0.0f, y) < 0 || CompareWithTolerance(h, y) > 0) {
        hole.Outside = true;
        return;
    }
    hole.Outside = false;
    const float lo = y - d / 2.0f;
    const float hi = y + d / 2.0f;
    NetSection net;
    if (lo <= 0 && hi >= h) {
        hole.TooWeak = true;
        return;
    }
    if (lo <= 0) {
        net = OneStrip(b, h - hi);
    } else if (hi >= h) {
        net = OneStrip(b, lo);
    } else {
        net = TwoStrips(b, h, lo, h - hi, d);
    }
    if (IsTooWeak(net, grossArea, y, h)) {
        hole.TooWeak = true;
        return;
    }
    hole.TooWeak = false;
    hole.NetInertia = net.Inertia;
    hole.NetModulus = net.Modulus;
    hole.NetStaticMoment = net.StaticMoment;
    // The unit factors of the gross section: cm3 * MPa -> kg*m, cm2 * MPa -> kg.
    hole.MomentCapacity = 0.1f * net.Modulus * calc.BendingStrength;
    hole.ShearCapacity = 10.0f * calc.ShearStrength * net.Inertia * b / net.StaticMoment;
}

} // namespace

void CheckHoles(TBeam& beam, const TBeamCalc& calc) {
    for (TSpan& span : beam.Spans) {
        for (TWeak& hole : span.Weaks) {
            CheckHole(hole, calc);
        }
    }
}

THoleVerdict HoleVerdict(const TWeak& hole) {
    if (hole.Outside) {
        return THoleVerdict::Ignored;
    }
    if (hole.TooWeak || ExceedsLimit(hole.ZoneMaxM, hole.MomentCapacity) ||
        ExceedsLimit(hole.ZoneMaxQ, hole.ShearCapacity)) {
        return THoleVerdict::Failed;
    }
    return THoleVerdict::Passed;
}

} // namespace balka
