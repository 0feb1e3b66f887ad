// The beam model: the one description of the beam that every other part reads.
// Positions and lengths are whole millimetres (horizontal unless named Slope...), forces kg,
// distributed loads kg/m, moments kg*m; every real value is a 32-bit float. Records hold their
// lists by value; nothing points into them across a recalculation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace balka {

// End-support codes of the beam's ends and the node code of an intermediate support.
enum SupportCode : int32_t {
    SupportHinge = 1,
    SupportFixed = 2,
    SupportFree = 3,
    SupportInner = 4,
};

// Load kinds as the loads table stores them.
enum LoadKind : int32_t {
    LoadWholeBeam = 1,
    LoadWholeSpan = 2,
    LoadPartSpan = 3,
    LoadPoint = 4,
};

struct TLoad {
    int32_t Type = 0;
    float DesignValue = 0;
    float NormalValue = 0;
    float F = 0;
    int32_t Start = 0;
    int32_t Length = 0;
    float Yf = 0;
    float Kd = 0;
    int32_t SlopeStart = 0;
    int32_t SlopeLength = 0;
    bool ToDraw = false;
};

struct TWeak {
    int32_t Diameter = 0;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    int32_t ZoneStart = 0;
    int32_t ZoneEnd = 0;
    float ZoneMaxM = 0;
    float ZoneMaxQ = 0;
    float NetInertia = 0;
    float NetModulus = 0;
    float NetStaticMoment = 0;
    float MomentCapacity = 0;
    float ShearCapacity = 0;
    bool TooWeak = false;
    bool Outside = false;
};

struct TNode {
    int32_t Type = 0;
    float KLL = 0;
    float KLR = 0;
    float KRL = 0;
    float KRR = 0;
    float MRight0 = 0;
    float MLeft0 = 0;
};

struct TSpan {
    int32_t Type = 0; // 0 until the statics classifies the span
    int32_t Length = 0;
    int32_t SlopeLength = 0;
    std::vector<TLoad> Loads;
    std::vector<TWeak> Weaks;
    float RA0 = 0;
    float RB0 = 0;
    float MA = 0;
    float MB = 0;
    std::vector<int32_t> SampleX;
    std::vector<float> QLeft;
    std::vector<float> QRight;
    std::vector<float> QSeries;
    std::vector<float> M;
    int32_t XMax = 0;
    float MMax = 0;
};

struct TBeam {
    int32_t TotalLength = 0;
    int32_t TotalSlopeLength = 0;
    float SlopeAngle = 0;
    int32_t LeftSupport = SupportHinge;
    int32_t RightSupport = SupportHinge;
    std::vector<TSpan> Spans;
    std::vector<TNode> Nodes;
    int32_t InnerSupportCount = 0;
    int32_t SpanCount = 0;
    int32_t LoadCount = 0;
    int32_t HoleCount = 0;
    float MaxAbsQ = 0;
    float MaxAbsM = 0;
    bool SchemeReady = false;
    bool Calculated = false;
    std::string FilePath;
    std::string FileName;
};

// True for the end-support combinations that cannot carry load: one span with a hinge opposite
// a free end or two free ends, two spans with two free ends. The scheme drawing and the
// recalculation stop for such beams before any statics runs.
bool CannotCarryLoad(const TBeam& beam);

} // namespace balka
