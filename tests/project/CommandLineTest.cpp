#include "project/CommandLine.h"

#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/TextEncoding.h"
#include "model/Workspace.h"
#include "project/CalculationJson.h"
#include "project/ProjectCommands.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace balka {
namespace {

// Two equal spans of 6 m under 100 kg/m with Yf 1,2 on the whole beam: q = 120 kg/m, the middle
// support moment -q*L^2/8 = -540 kg*m.
const char* const kTwoSpans = "[Геометрия]\r\n"
                              "Количество пролетов=2\r\n"
                              "Угол=0\r\nЛевая опора=1\r\nПравая опора=1\r\n"
                              "[Пролет 1]\r\nДлина=6\r\n"
                              "[Пролет 2]\r\nДлина=6\r\n"
                              "[Нагрузки]\r\nКоличество нагрузок=1\r\n"
                              "[Нагрузка 1]\r\nПролет=0\r\nТип=1\r\nЗначение=100\r\n"
                              "Коэффициент надежности=1,2\r\nКоэффициент длительности=1\r\n"
                              "Привязка= \r\nДлина= \r\n"
                              "[Отверстия]\r\nКоличество отверстий=1\r\n"
                              "[Отверстие 1]\r\nПролет=1\r\nДиаметр=40\r\n"
                              "Привязка х=1\r\nПривязка у=0\r\n";

struct CalcRun {
    int Status = 0;
    std::string Out;
    std::string Err;
};

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }

    std::string WriteText(const std::string& name, const std::string& utf8Text) const {
        const std::string path = (folder_.Path() / name).string();
        WriteFileReplacing(path, EncodeWindows1251(utf8Text));
        return path;
    }

    static CalcRun Calc(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        CalcRun run;
        run.Status = RunCommandLine(args, out, err);
        run.Out = out.str();
        run.Err = err.str();
        return run;
    }

    TempFolder folder_;
};

TEST_F(CommandLineTest, SummaryOfATwoSpanBeam) {
    const CalcRun run = Calc({"--calc", WriteText("Две.lvl", kTwoSpans)});
    EXPECT_EQ(run.Status, kCommandLineSucceeded);
    EXPECT_EQ(run.Err, "");
    const std::string expectedStart = "Пролетов: 2, нагрузок: 1, отверстий: 1\n"
                                      "Угол наклона: 0°, длина: 12 м, по скату: 12 м\n"
                                      "Опоры: слева шарнир, справа шарнир\n"
                                      "Пролет 1: L = 6 м, MA = 0 кг*м, MB = -540 кг*м";
    EXPECT_EQ(run.Out.substr(0, expectedStart.size()), expectedStart) << run.Out;
    EXPECT_NE(run.Out.find("Наибольший момент: 540 кг*м"), std::string::npos) << run.Out;
}

TEST_F(CommandLineTest, JsonHoldsTheBeamAsRecalculated) {
    const std::string path = WriteText("Две.lvl", kTwoSpans);
    const CalcRun run = Calc({"--calc", path, "--json"});
    ASSERT_EQ(run.Status, kCommandLineSucceeded) << run.Err;

    RecordingView view;
    RecordingMessageSink messages;
    Workspace space(view, messages);
    space.Beam.FilePath = path;
    LoadProject(space);
    const TBeam& beam = space.Beam;

    const nlohmann::json json = nlohmann::json::parse(run.Out);
    EXPECT_TRUE(json.at("design").is_null());
    EXPECT_TRUE(json.at("message").is_null());
    const nlohmann::json& b = json.at("beam");
    EXPECT_EQ(b.size(), 12u);
    EXPECT_EQ(b.at("SpanCount"), 2);
    EXPECT_EQ(b.at("LoadCount"), 1);
    EXPECT_EQ(b.at("HoleCount"), 1);
    EXPECT_EQ(b.at("LeftSupport"), SupportHinge);
    EXPECT_EQ(b.at("TotalLength"), 12000);
    EXPECT_EQ(b.at("TotalSlopeLength"), 12000);
    EXPECT_EQ(b.at("SlopeAngle").get<float>(), 0.0f);
    EXPECT_EQ(b.at("MaxAbsM").get<float>(), beam.MaxAbsM);
    EXPECT_EQ(b.at("MaxAbsQ").get<float>(), beam.MaxAbsQ);
    EXPECT_EQ(b.at("SchemeReady"), true);
    EXPECT_EQ(b.at("Stopped"), false);

    const nlohmann::json& spans = json.at("spans");
    ASSERT_EQ(spans.size(), 2u);
    for (size_t i = 0; i < spans.size(); ++i) {
        const nlohmann::json& s = spans[i];
        const TSpan& span = beam.Spans[i];
        EXPECT_EQ(s.size(), 15u);
        EXPECT_EQ(s.at("Type"), span.Type);
        EXPECT_EQ(s.at("Length"), 6000);
        EXPECT_EQ(s.at("SlopeLength"), 6000);
        EXPECT_EQ(s.at("RA0").get<float>(), span.RA0);
        EXPECT_EQ(s.at("RB0").get<float>(), span.RB0);
        EXPECT_EQ(s.at("MA").get<float>(), span.MA);
        EXPECT_EQ(s.at("MB").get<float>(), span.MB);
        EXPECT_EQ(s.at("XMax"), span.XMax);
        EXPECT_EQ(s.at("MMax").get<float>(), span.MMax);
        EXPECT_EQ(s.at("SampleX").get<std::vector<int32_t>>(), span.SampleX);
        // Every float reads back to the very float the statics computed.
        EXPECT_EQ(s.at("QLeft").get<std::vector<float>>(), span.QLeft);
        EXPECT_EQ(s.at("QRight").get<std::vector<float>>(), span.QRight);
        EXPECT_EQ(s.at("QSeries").get<std::vector<float>>(), span.QSeries);
        EXPECT_EQ(s.at("M").get<std::vector<float>>(), span.M);
        EXPECT_EQ(s.at("Weaks").size(), span.Weaks.size());
    }
    EXPECT_NEAR(spans[0].at("MB").get<float>(), -540.0f, 0.01f);

    const nlohmann::json& weak = spans[0].at("Weaks").at(0);
    EXPECT_EQ(weak.size(), 7u);
    EXPECT_EQ(weak.at("Diameter"), 40);
    EXPECT_EQ(weak.at("OffsetX"), 1000);
    EXPECT_EQ(weak.at("OffsetY"), 0);
    // h = 20: from 1000 - 20 - 200 to 1000 + 20 + 200.
    EXPECT_EQ(weak.at("ZoneStart"), 780);
    EXPECT_EQ(weak.at("ZoneEnd"), 1220);
    EXPECT_EQ(weak.at("ZoneMaxM").get<float>(), beam.Spans[0].Weaks[0].ZoneMaxM);
    EXPECT_EQ(weak.at("ZoneMaxQ").get<float>(), beam.Spans[0].Weaks[0].ZoneMaxQ);
}

TEST_F(CommandLineTest, FloatsAreWrittenByTheirShortestForm) {
    EXPECT_EQ(nlohmann::json(JsonFloat(0.1f)).dump(), "0.1");
    EXPECT_EQ(nlohmann::json(JsonFloat(-540.0f)).dump(), "-540.0");
    EXPECT_EQ(static_cast<float>(JsonFloat(1.0f / 3.0f)), 1.0f / 3.0f);
}

TEST_F(CommandLineTest, EmptyProjectSucceedsWithNoSpans) {
    const CalcRun run = Calc({"--calc", WriteText("Пустой.lvl", ""), "--json"});
    EXPECT_EQ(run.Status, kCommandLineSucceeded);
    const nlohmann::json json = nlohmann::json::parse(run.Out);
    EXPECT_EQ(json.at("beam").at("SpanCount"), 0);
    EXPECT_TRUE(json.at("spans").empty());
}

TEST_F(CommandLineTest, SupportsThatCannotCarryLoadFailWithTheReason) {
    const std::string path = WriteText("Консоли.lvl", "[Геометрия]\r\n"
                                                      "Количество пролетов=1\r\n"
                                                      "Левая опора=3\r\nПравая опора=3\r\n"
                                                      "[Пролет 1]\r\nДлина=4\r\n");
    const std::string reason =
        "Расчет невозможен: при таких крайних опорах балка не может нести нагрузку.";

    const CalcRun summary = Calc({"--calc", path});
    EXPECT_EQ(summary.Status, kCommandLineFailed);
    EXPECT_EQ(summary.Out, "");
    EXPECT_EQ(summary.Err, reason + "\n");

    const CalcRun json = Calc({"--calc", path, "--json"});
    EXPECT_EQ(json.Status, kCommandLineFailed);
    EXPECT_EQ(json.Err, reason + "\n");
    const nlohmann::json parsed = nlohmann::json::parse(json.Out);
    EXPECT_EQ(parsed.at("beam").at("Stopped"), true);
    EXPECT_EQ(parsed.at("beam").at("SchemeReady"), false);
    EXPECT_EQ(parsed.at("spans").at(0).at("Length"), 4000);
    EXPECT_TRUE(parsed.at("spans").at(0).at("M").empty());
    EXPECT_EQ(parsed.at("message"), reason);
}

TEST_F(CommandLineTest, MissingFileFails) {
    const std::string path = (folder_.Path() / "Нет.lvl").string();
    const CalcRun run = Calc({"--calc", path, "--json"});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Не удалось прочитать файл \"" + path + "\".\n");
}

TEST_F(CommandLineTest, CellThatDoesNotConvertFails) {
    const std::string path = WriteText("Испорчен.lvl", "[Геометрия]\r\n"
                                                       "Количество пролетов=1\r\n"
                                                       "[Пролет 1]\r\nДлина=4.5\r\n");
    const CalcRun run = Calc({"--calc", path});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err,
              "Геометрия, строка 1, столбец \"L, м\": значение \"4.5\" не является числом.\n");
}

TEST_F(CommandLineTest, TheFileIsReadWithTheProgramsSeparator) {
    SetDecimalSeparator('.');
    const std::string path = WriteText("Точка.lvl", "[Геометрия]\r\n"
                                                    "Количество пролетов=1\r\n"
                                                    "[Пролет 1]\r\nДлина=4.5\r\n");
    const CalcRun run = Calc({"--calc", path});
    EXPECT_EQ(run.Status, kCommandLineSucceeded) << run.Err;
    EXPECT_NE(run.Out.find("L = 4.5 м"), std::string::npos) << run.Out;
}

struct UsageCase {
    std::string Name;
    std::vector<std::string> Args;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.Name;
}

class CommandLineUsageTest : public CommandLineTest,
                             public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CommandLineUsageTest, WrongCallShowsTheUsage) {
    const CalcRun run = Calc(GetParam().Args);
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Использование: dravolit-balka --calc ФАЙЛ.lvl [--json]\n");
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CommandLineUsageTest,
    ::testing::Values(UsageCase{"NoFile", {"--calc"}}, UsageCase{"OnlyJson", {"--calc", "--json"}},
                      UsageCase{"TwoFiles", {"--calc", "a.lvl", "b.lvl"}},
                      UsageCase{"JsonTwice", {"--calc", "a.lvl", "--json", "--json"}},
                      UsageCase{"NotCalc", {"a.lvl"}}),
    [](const auto& info) { return info.param.Name; });

} // namespace
} // namespace balka
