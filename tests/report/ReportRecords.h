// Hand-filled design records for the report tests: a horizontal beam of hinged spans with one
// whole-beam load, its loads table, and design numbers with round values, so that each test
// changes only what its fragment depends on.
#pragma once

#include "design/DesignRecords.h"
#include "model/Beam.h"
#include "model/TextTable.h"
#include "report/ReportInput.h"
#include "support/TableRows.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace balka::test {

struct ReportRecords {
    TBeam Beam;
    TBeamCalc Calc;
    TDesignInput Design;
    TextTable Loads{{"№", "Пр.", "Тип", "F", "Yf", "Kd", "x, м", "s, м"}};

    TReportInput Input() const { return TReportInput{Beam, Calc, Design, Loads}; }

    void AddLoadRow(const std::vector<std::string>& cells) {
        AppendTableRow(Loads, Beam.LoadCount, cells);
    }
};

// Spans in mm; every span of type 1 (hinged at both ends) unless changed by the test.
inline ReportRecords RecordsOfSpans(std::initializer_list<int32_t> lengths) {
    ReportRecords records;
    for (const int32_t length : lengths) {
        TSpan span;
        span.Type = 1;
        span.Length = length;
        span.SlopeLength = length;
        records.Beam.Spans.push_back(span);
        TSpanCalc spanCalc;
        spanCalc.MaxMoment = 450;
        spanCalc.Stress = 6.5f;
        spanCalc.StressLimit = 20;
        spanCalc.PhiM = 2.5f;
        spanCalc.PhiMTotal = 2.5f;
        spanCalc.BendingDeflection = 8;
        spanCalc.Deflection = 8.5f;
        spanCalc.DeflectionLimit = static_cast<float>(length) / 200;
        spanCalc.DeflectionDivisor = 200;
        spanCalc.MaxDeflectionX = static_cast<float>(length) * 0.0005f;
        records.Calc.SpanCalcs.push_back(spanCalc);
    }
    records.Beam.SpanCount = static_cast<int32_t>(records.Beam.Spans.size());
    records.Beam.InnerSupportCount = records.Beam.SpanCount - 1;
    records.AddLoadRow({"0", "1", "100", "1,2", "1", " ", " "});

    TBeamCalc& calc = records.Calc;
    calc.MaxMoment = 450;
    calc.MaxShear = 360;
    calc.MomentCapacity = 1200;
    calc.ShearCapacity = 2400;
    calc.WidthMm = 100;
    calc.HeightMm = 300;
    calc.WidthCm = 10;
    calc.HeightCm = 30;
    calc.ElementCount = 1;
    calc.SectionModulus = 1500;
    calc.Inertia = 22500;
    calc.StaticMoment = 1125;
    calc.ServiceFactor = 1;
    calc.TemperatureFactor = 1;
    calc.HeightFactor = 1;
    calc.ImpregnationFactor = 1;
    calc.DurationFactorStrength = 0.8f;
    calc.DurationFactorStiffness = 0.8f;
    calc.ResponsibilityFactor = 1;
    calc.BendingStrength = 20;
    calc.ShearStrength = 2;
    calc.Modulus = 11200;
    calc.BendingStrengthNorm = 25;
    calc.ShearStrengthNorm = 2.5f;
    calc.ModulusNorm = 14000;
    calc.Lp = -1;
    calc.MomentLp = -1;
    calc.Kf = -1;
    calc.RestraintCount = -1;
    calc.LongTermShareDesign = 100;
    calc.LongTermShareNormative = 100;
    calc.AllChecksPassed = true;

    records.Design.MaterialName = "A";
    records.Design.Width = 100;
    records.Design.Height = 300;
    return records;
}

// A hole record as the hole checks leave it for an admissible hole.
inline TWeak CheckedHole(int32_t diameter, int32_t offsetX, int32_t offsetY) {
    TWeak hole;
    hole.Diameter = diameter;
    hole.OffsetX = offsetX;
    hole.OffsetY = offsetY;
    hole.NetModulus = 1000;
    hole.NetInertia = 15000;
    hole.NetStaticMoment = 750;
    hole.MomentCapacity = 800;
    hole.ShearCapacity = 1600;
    hole.ZoneMaxM = 300;
    hole.ZoneMaxQ = 200;
    return hole;
}

} // namespace balka::test
