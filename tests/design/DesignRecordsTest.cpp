#include "design/DesignRecords.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

TEST(DesignRecordsTest, FreshRecordsHoldZeroesAndEmptyLists) {
    TBeamCalc calc;
    EXPECT_EQ(calc.MaxMoment, 0.0f);
    EXPECT_EQ(calc.RestraintCount, 0);
    EXPECT_TRUE(calc.SpanCalcs.empty());
    EXPECT_TRUE(calc.Report.empty());
    EXPECT_FALSE(calc.AllChecksPassed);
    TSpanCalc span;
    EXPECT_EQ(span.Deflection, 0.0f);
    EXPECT_TRUE(span.BreakPoints.empty());
}

TEST(DesignRecordsTest, DesignInputStartsWithTheDialogDefaults) {
    TDesignInput input;
    EXPECT_EQ(input.Count, 1);
    EXPECT_EQ(input.ServiceClass, 1);
    EXPECT_EQ(input.ResponsibilityClass, 2);
    EXPECT_EQ(input.TemperatureMode, TTemperatureMode::UpTo35);
    EXPECT_EQ(input.Temperature, 40);
    EXPECT_EQ(input.DeflectionDivisor, 200);
    EXPECT_FALSE(input.LongTermDeflection);
    EXPECT_FALSE(input.Lp.has_value());
    EXPECT_FALSE(input.RestraintCount.has_value());
}

} // namespace
} // namespace balka
