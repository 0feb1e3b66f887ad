// The ranges, one row per quantity. The highest values are written into messages with
// FormatCompact, so they carry the current decimal separator.
#include "model/Ranges.h"

#include "model/Numbers.h"

#include <array>
#include <cmath>

namespace balka {

namespace {

// AboveMinusHighest: as far below zero as the highest value lies above it.
enum class Lowest { AboveZero, NotNegative, AboveMinusHighest };
enum class Highest { NotAbove, Below };

struct ValueRange {
    Quantity Which;
    Lowest Low;
    float High;
    Highest HighKind;
    const char* Genitive;   // after "Значение "
    const char* Nominative; // the subject of RangeRequirement
    const char* Must; // "должна", "должен" or "должно", agreeing with Nominative
    const char* Unit; // with its leading blank, or empty
};

// In the order of Quantity.
constexpr std::array<ValueRange, 23> kRanges{{
    {Quantity::SpanLength, Lowest::AboveZero, 50.0f, Highest::NotAbove, "длины пролета",
     "длина пролета", "должна", " м"},
    {Quantity::SpanSlopeLength, Lowest::AboveZero, 20000.0f, Highest::NotAbove,
     "длины пролета по скату", "длина пролета по скату", "должна", " м"},
    {Quantity::SlopeAngle, Lowest::NotNegative, 90.0f, Highest::Below, "угла наклона",
     "угол наклона", "должен", "°"},
    {Quantity::LoadValue, Lowest::AboveZero, 1000000.0f, Highest::NotAbove, "нагрузки", "нагрузка",
     "должна", ""},
    {Quantity::LoadFactor, Lowest::NotNegative, 10.0f, Highest::NotAbove,
     "коэффициента надежности по нагрузке", "коэффициент надежности по нагрузке", "должен", ""},
    {Quantity::DurationFactor, Lowest::NotNegative, 1.0f, Highest::NotAbove,
     "коэффициента длительности", "коэффициент длительности", "должен", ""},
    {Quantity::LoadStart, Lowest::NotNegative, 50.0f, Highest::NotAbove, "привязки нагрузки",
     "привязка нагрузки", "должна", " м"},
    {Quantity::PointPosition, Lowest::AboveZero, 50.0f, Highest::NotAbove, "привязки нагрузки",
     "привязка нагрузки", "должна", " м"},
    {Quantity::LoadLength, Lowest::AboveZero, 50.0f, Highest::NotAbove, "длины нагрузки",
     "длина нагрузки", "должна", " м"},
    {Quantity::HoleDiameter, Lowest::AboveZero, 1000.0f, Highest::NotAbove, "диаметра отверстия",
     "диаметр отверстия", "должен", " мм"},
    {Quantity::HolePosition, Lowest::NotNegative, 50.0f, Highest::NotAbove,
     "привязки отверстия к опоре", "привязка отверстия к опоре", "должна", " м"},
    {Quantity::HoleHeight, Lowest::AboveMinusHighest, 2.0f, Highest::NotAbove,
     "привязки отверстия по высоте", "привязка отверстия по высоте", "должна", " м"},
    {Quantity::SectionWidth, Lowest::AboveZero, 1000.0f, Highest::NotAbove, "ширины",
     "ширина сечения", "должна", " мм"},
    {Quantity::SectionHeight, Lowest::AboveZero, 2000.0f, Highest::NotAbove, "высоты",
     "высота сечения", "должна", " мм"},
    {Quantity::ElementCount, Lowest::AboveZero, 100.0f, Highest::NotAbove,
     "количества досок в сечении", "количество досок в сечении", "должно", ""},
    {Quantity::Lp, Lowest::AboveZero, 100.0f, Highest::NotAbove, "длины участка lp",
     "длина участка lp", "должна", " м"},
    {Quantity::MomentLp, Lowest::AboveZero, 1000000.0f, Highest::NotAbove,
     "максимального момента на участке lp", "максимальный момент на участке lp", "должен", " кг*м"},
    {Quantity::Kf, Lowest::AboveZero, 100.0f, Highest::NotAbove, "коэффициента эпюры на участке lp",
     "коэффициент эпюры на участке lp", "должен", ""},
    {Quantity::RestraintCount, Lowest::AboveZero, 1000.0f, Highest::NotAbove,
     "количества точек подкрепления растянутой кромки",
     "количество точек подкрепления растянутой кромки", "должно", ""},
    {Quantity::MaterialValue, Lowest::AboveZero, 1000000.0f, Highest::NotAbove,
     "характеристики материала", "характеристика материала", "должна", " МПа"},
    {Quantity::StripWidth, Lowest::NotNegative, 100.0f, Highest::NotAbove,
     "ширины грузовой площади", "ширина грузовой площади", "должна", " м"},
    {Quantity::BeamStep, Lowest::AboveZero, 10.0f, Highest::NotAbove, "шага балок", "шаг балок",
     "должен", " м"},
    {Quantity::AreaLoad, Lowest::AboveZero, 100000.0f, Highest::NotAbove, "нагрузки", "нагрузка",
     "должна", " кг/м2"},
}};

constexpr bool InQuantityOrder() {
    for (size_t i = 0; i < kRanges.size(); ++i) {
        if (static_cast<size_t>(kRanges[i].Which) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InQuantityOrder(), "one row per quantity, in the order of Quantity");

const ValueRange& RangeOf(Quantity quantity) {
    return kRanges[static_cast<size_t>(quantity)];
}

bool AboveLowest(const ValueRange& range, float value) {
    switch (range.Low) {
    case Lowest::AboveZero:
        return CompareWithTolerance(0.0f, value) == 1;
    case Lowest::NotNegative:
        return CompareWithTolerance(0.0f, value) != -1;
    case Lowest::AboveMinusHighest:
        break;
    }
    return CompareWithTolerance(-range.High, value) != -1;
}

} // namespace

bool IsAboveHighest(Quantity quantity, float value) {
    const ValueRange& range = RangeOf(quantity);
    const int sign = CompareWithTolerance(range.High, value);
    return range.HighKind == Highest::Below ? sign != -1 : sign == 1;
}

bool IsWithin(Quantity quantity, float value) {
    return std::isfinite(value) && AboveLowest(RangeOf(quantity), value) &&
           !IsAboveHighest(quantity, value);
}

std::string TooLargeMessage(Quantity quantity) {
    if (quantity == Quantity::SlopeAngle) {
        return "Значение угла должно быть меньше 90.";
    }
    const ValueRange& range = RangeOf(quantity);
    return std::string("Значение ") + range.Genitive + " должно быть не больше " +
           FormatCompact(range.High) + range.Unit + ".";
}

std::string RangeRequirement(Quantity quantity) {
    const ValueRange& range = RangeOf(quantity);
    const std::string high = FormatCompact(range.High) + range.Unit;
    std::string bounds;
    if (range.HighKind == Highest::Below) {
        bounds = "не меньше 0 и меньше " + high;
    } else if (range.Low == Lowest::AboveZero) {
        bounds = "больше 0 и не больше " + high;
    } else if (range.Low == Lowest::NotNegative) {
        bounds = "от 0 до " + high;
    } else {
        bounds = "от " + FormatCompact(-range.High) + " до " + high;
    }
    return std::string(range.Nominative) + " " + range.Must + " быть " + bounds;
}

bool PartLoadFitsSpan(float spanLength, float start, float length) {
    return std::isfinite(start + length) && CompareWithTolerance(spanLength, start + length) != 1;
}

bool PointLoadInsideSpan(float spanLength, float position) {
    return std::isfinite(position) && CompareWithTolerance(spanLength, position) == -1;
}

bool WithinSpan(float spanLength, float position) {
    return std::isfinite(position) && CompareWithTolerance(spanLength, position) != 1;
}

} // namespace balka
