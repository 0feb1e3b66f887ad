#include "project/CommandLine.h"

#include "graphics/RecordingCanvas.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/TextEncoding.h"
#include "project/CalculationJson.h"
#include "project/ProgramVersion.h"
#include "project/ProjectCommands.h"
#include "project/TempFolder.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <functional>
#include <sstream>

namespace balka {
namespace {

// Two equal spans of 6 m under 100 kg/m with Yf 1,2 on the whole beam: q = 120 kg/m, the middle
// support moment -q*L^2/8 = -540 kg*m.
const std::string kTwoSpans = "[Геометрия]\r\n"
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

// A complete design section with the file's defaults (responsibility class 1, L/120) and the
// given section.
std::string DesignSection(const std::string& width, const std::string& height,
                          const std::string& count = "1") {
    return "[Расчет]\r\nТип материала=0\r\nКоличество элементов=" + count +
           "\r\nШирина сечения=" + width + "\r\nВысота сечения=" + height +
           "\r\nКласс ответственности=0\r\nКласс эксплуатации=0\r\nПропитка антипиренами=0\r\n"
           "Температура до 35=1\r\nТемпература от 35 до 50=0\r\nТемпература от 50=0\r\n"
           "Температура=40\r\nДопустимый прогиб=0\r\nДлительные=0\r\nКратковременные=1\r\n"
           "Длина Lp=\r\nМомент на участке Lp=\r\nКоэффициент формы эпюры на участке Lp=\r\n"
           "Подкрепление растянутой зоны=0\r\n"
           "Количество точек подкрепления растянутой зоны на участке Lp=\r\n";
}

// One element of 75 x 300 mm carries that beam (M 540 < 2742,9 kg*m, every check passes);
// 45 x 200 mm loses its stability in both spans.
const std::string kPassingSection = DesignSection("75", "300");
const std::string kFailingSection = DesignSection("45", "200");

// A complete project of one 4 m span on hinges (the angle, the end supports and the lengths as
// given) without loads or holes.
std::string OneSpan(const std::string& length = "4", const std::string& supports = "1",
                    const std::string& angle = "0") {
    return "[Геометрия]\r\nКоличество пролетов=1\r\nУгол=" + angle + "\r\nЛевая опора=" + supports +
           "\r\nПравая опора=" + supports + "\r\n[Пролет 1]\r\nДлина=" + length +
           "\r\n[Нагрузки]\r\nКоличество нагрузок=0\r\n[Отверстия]\r\nКоличество отверстий=0\r\n" +
           kPassingSection;
}

// The picture files of the command line without a toolkit: each canvas remembers its size and
// the "PNG" is a signature followed by the picture's size.
struct PictureLog {
    std::vector<std::pair<int32_t, int32_t>> Sizes;
};

std::string FakePng(const Canvas& picture) {
    return "\x89PNG " + std::to_string(picture.Width()) + "x" + std::to_string(picture.Height());
}

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

    std::string TwoSpans(const std::string& name,
                         const std::string& section = kPassingSection) const {
        return WriteText(name, kTwoSpans + section);
    }

    CalcRun Calc(const std::vector<std::string>& args) {
        CommandLineSetup setup;
        setup.Folders = BuildTreeFolders(programFolder_);
        setup.Pictures.MakeCanvas = [this](int32_t width, int32_t height) {
            pictures_.Sizes.emplace_back(width, height);
            return std::make_unique<testing::RecordingCanvas>(width, height);
        };
        setup.Pictures.EncodePng = FakePng;
        setup.Pictures.WriteReportPdf = writePdf_;
        std::ostringstream out;
        std::ostringstream err;
        CalcRun run;
        run.Status = RunCommandLine(args, out, err, setup);
        run.Out = out.str();
        run.Err = err.str();
        return run;
    }

    TempFolder folder_;
    PictureLog pictures_;
    // The toolkit's PDF writer; none unless a test lends one.
    std::function<void(const std::filesystem::path&, const std::filesystem::path&)> writePdf_;
    // The repository, whose "resource" holds the reference files.
    std::filesystem::path programFolder_ =
        std::filesystem::path(BALKA_TEST_DATA).parent_path().parent_path();
};

TEST_F(CommandLineTest, SummaryOfATwoSpanBeam) {
    const CalcRun run = Calc({"--calc", TwoSpans("Две.lvl")});
    EXPECT_EQ(run.Status, kCommandLineSucceeded);
    EXPECT_EQ(run.Err, "");
    const std::string expectedStart = "Пролетов: 2, нагрузок: 1, отверстий: 1\n"
                                      "Угол наклона: 0°, длина: 12 м, по скату: 12 м\n"
                                      "Опоры: слева шарнир, справа шарнир\n"
                                      "Пролет 1: L = 6 м, MA = 0 кг*м, MB = -540 кг*м";
    EXPECT_EQ(run.Out.substr(0, expectedStart.size()), expectedStart) << run.Out;
    EXPECT_NE(run.Out.find("Наибольший момент: 540 кг*м"), std::string::npos) << run.Out;
    // One line per support: 3qL/8, 10qL/8, 3qL/8 of 120, 100 and (Kd 1) 100 kg/m.
    EXPECT_NE(run.Out.find("Опора 1, x = 0 мм: расчетная реакция 270 кг, нормативная 225 кг, "
                           "длительная 225 кг\n"
                           "Опора 2, x = 6000 мм: расчетная реакция 900 кг, нормативная 750 кг, "
                           "длительная 750 кг\n"
                           "Опора 3, x = 12000 мм: расчетная реакция 270 кг, нормативная 225 кг, "
                           "длительная 225 кг\n"),
              std::string::npos)
        << run.Out;
    // After a blank line, the verdict lines as the design dialog shows them.
    EXPECT_NE(
        run.Out.find("кг\n\nM < Mпред, 540 < 2742,9 [кг*м], проверка по моменту выполняется.\n"
                     "Q < Qпред, 450 < 3428,6 [кг], проверка по поперечной силе "
                     "выполняется.\n\nПролет 1\n"),
        std::string::npos)
        << run.Out;
}

TEST_F(CommandLineTest, JsonHoldsTheBeamAsRecalculated) {
    const std::string path = TwoSpans("Две.lvl");
    const CalcRun run = Calc({"--calc", path, "--json"});
    ASSERT_EQ(run.Status, kCommandLineSucceeded) << run.Err;

    RecordingView view;
    RecordingMessageSink messages;
    Workspace space(view, messages);
    space.Beam.FilePath = path;
    LoadProject(space);
    const TBeam& beam = space.Beam;

    const nlohmann::json json = nlohmann::json::parse(run.Out);
    EXPECT_TRUE(json.at("design").is_object());
    EXPECT_TRUE(json.at("message").is_null());
    const nlohmann::json& b = json.at("beam");
    EXPECT_EQ(b.size(), 13u);
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

// A rafter fixed at its foot: 5qL/8 and 3qL/8 of the horizontal 6 m as vertical forces, the
// fixing moment -qL^2/8 of the design load, no moment at the hinge.
TEST_F(CommandLineTest, ReactionsOfASlopedBeamFixedAtItsFoot) {
    const std::string path =
        WriteText("Стропило.lvl", "[Геометрия]\r\nКоличество пролетов=1\r\n"
                                  "Угол=30\r\nЛевая опора=2\r\nПравая опора=1\r\n"
                                  "[Пролет 1]\r\nДлина=6\r\n"
                                  "[Нагрузки]\r\nКоличество нагрузок=1\r\n"
                                  "[Нагрузка 1]\r\nПролет=0\r\nТип=1\r\nЗначение=100\r\n"
                                  "Коэффициент надежности=1,2\r\n"
                                  "Коэффициент длительности=0,5\r\n"
                                  "Привязка= \r\nДлина= \r\n");

    const CalcRun json = Calc({"--calc", path, "--json"});
    const nlohmann::json reactions = nlohmann::json::parse(json.Out).at("beam").at("Reactions");
    ASSERT_EQ(reactions.size(), 2u);
    const nlohmann::json& foot = reactions[0];
    EXPECT_EQ(foot.size(), 5u);
    EXPECT_EQ(foot.at("X"), 0);
    EXPECT_NEAR(foot.at("Design").get<float>(), 450.0f, 0.05f);
    EXPECT_NEAR(foot.at("Normative").get<float>(), 375.0f, 0.05f);
    EXPECT_NEAR(foot.at("LongTerm").get<float>(), 187.5f, 0.05f);
    EXPECT_NEAR(foot.at("Moment").get<float>(), -540.0f, 0.05f);
    const nlohmann::json& top = reactions[1];
    EXPECT_EQ(top.at("X"), 6000);
    EXPECT_NEAR(top.at("Design").get<float>(), 270.0f, 0.05f);
    EXPECT_TRUE(top.at("Moment").is_null());

    const CalcRun summary = Calc({"--calc", path});
    EXPECT_NE(summary.Out.find("Балка наклонная: реакции опор - вертикальные силы\n"
                               "Опора 1, x = 0 мм: расчетная реакция 450 кг, нормативная 375 кг, "
                               "длительная 187,5 кг, момент в заделке -540 кг*м\n"
                               "Опора 2, x = 6000 мм: расчетная реакция 270 кг"),
              std::string::npos)
        << summary.Out;
}

TEST_F(CommandLineTest, FloatsAreWrittenByTheirShortestForm) {
    EXPECT_EQ(nlohmann::json(JsonFloat(0.1f)).dump(), "0.1");
    EXPECT_EQ(nlohmann::json(JsonFloat(-540.0f)).dump(), "-540.0");
    EXPECT_EQ(static_cast<float>(JsonFloat(1.0f / 3.0f)), 1.0f / 3.0f);
}

TEST_F(CommandLineTest, ProjectWithoutSpansSucceeds) {
    const std::string empty = "[Геометрия]\r\nКоличество пролетов=0\r\nУгол=0\r\nЛевая опора=1\r\n"
                              "Правая опора=1\r\n[Нагрузки]\r\nКоличество нагрузок=0\r\n"
                              "[Отверстия]\r\nКоличество отверстий=0\r\n" +
                              kPassingSection;
    const CalcRun run = Calc({"--calc", WriteText("Пустой.lvl", empty), "--json"});
    EXPECT_EQ(run.Status, kCommandLineSucceeded);
    EXPECT_EQ(run.Err, "");
    const nlohmann::json json = nlohmann::json::parse(run.Out);
    EXPECT_EQ(json.at("beam").at("SpanCount"), 0);
    EXPECT_TRUE(json.at("spans").empty());
    EXPECT_TRUE(json.at("beam").at("Reactions").empty());
}

TEST_F(CommandLineTest, AnEmptyFileIsNoProject) {
    const std::string path = WriteText("Пустой.lvl", "");
    const CalcRun run = Calc({"--calc", path, "--json"});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Файл \"" + path +
                           "\" не является файлом проекта балки: в нем нет ни одного из разделов "
                           "[Геометрия], [Нагрузки], [Отверстия], [Расчет].\n");
}

TEST_F(CommandLineTest, APartialFileIsCalculatedWithOneWarning) {
    const std::string path = WriteText("Часть.lvl", "[Геометрия]\r\nКоличество пролетов=1\r\n"
                                                    "[Пролет 1]\r\nДлина=4\r\n");
    const CalcRun run = Calc({"--calc", path});
    EXPECT_EQ(run.Status, kCommandLineSucceeded);
    EXPECT_NE(run.Out.find("L = 4 м"), std::string::npos) << run.Out;
    EXPECT_EQ(run.Err, "В файле Часть.lvl не хватает данных полного проекта: [Геометрия] Угол; "
                       "[Геометрия] Левая опора; [Геометрия] Правая опора; раздел [Нагрузки]; "
                       "раздел [Отверстия]; раздел [Расчет]. Вместо них использованы значения по "
                       "умолчанию.\n");
}

TEST_F(CommandLineTest, SupportsThatCannotCarryLoadFailWithTheReason) {
    const std::string path = WriteText("Консоли.lvl", OneSpan("4", "3"));
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
    EXPECT_TRUE(parsed.at("beam").at("Reactions").empty());
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
    const std::string path = WriteText("Испорчен.lvl", OneSpan("4.5"));
    const CalcRun run = Calc({"--calc", path});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err,
              "Геометрия, строка 1, столбец \"L, м\": значение \"4.5\" не является числом.\n");
}

TEST_F(CommandLineTest, TheFileIsReadWithTheProgramsSeparator) {
    SetDecimalSeparator('.');
    const std::string path = WriteText("Точка.lvl", OneSpan("4.5"));
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
    EXPECT_EQ(run.Err, "Использование: dravolit-balka [ФАЙЛ.lvl]\n"
                       "               dravolit-balka --calc ФАЙЛ.lvl... [--json] [--report "
                       "ПАПКА] [--pdf ОТЧЕТ.pdf]\n"
                       "               dravolit-balka --calc ФАЙЛ.lvl... --select [--json] "
                       "[--chart РИСУНОК.png]\n"
                       "               dravolit-balka --help | --version\n");
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CommandLineUsageTest,
    ::testing::Values(
        UsageCase{"NoFile", {"--calc"}}, UsageCase{"OnlyJson", {"--calc", "--json"}},
        UsageCase{"ReportOfTwoFiles", {"--calc", "a.lvl", "b.lvl", "--report", "d"}},
        UsageCase{"ChartOfTwoFiles", {"--calc", "a.lvl", "b.lvl", "--select", "--chart", "c.png"}},
        UsageCase{"PdfOfTwoFiles", {"--calc", "a.lvl", "b.lvl", "--pdf", "o.pdf"}},
        UsageCase{"JsonTwice", {"--calc", "a.lvl", "--json", "--json"}},
        UsageCase{"NotCalc", {"a.lvl"}},
        UsageCase{"ReportWithoutFolder", {"--calc", "a.lvl", "--report"}},
        UsageCase{"ReportOfASelection", {"--calc", "a.lvl", "--select", "--report", "d"}},
        UsageCase{"ChartWithoutSelection", {"--calc", "a.lvl", "--chart", "c.png"}},
        UsageCase{"PdfWithoutFile", {"--calc", "a.lvl", "--pdf"}},
        UsageCase{"PdfOfASelection", {"--calc", "a.lvl", "--select", "--pdf", "o.pdf"}},
        UsageCase{"PdfTwice", {"--calc", "a.lvl", "--pdf", "o.pdf", "--pdf", "p.pdf"}},
        UsageCase{"UnknownOption", {"--calc", "a.lvl", "--docx"}},
        UsageCase{"UnknownOptionOfTheDesktop", {"a.lvl", "--bogus"}},
        UsageCase{"UnknownFirstOption", {"--bogus"}},
        UsageCase{"SelectWithoutCalc", {"--select", "a.lvl"}}),
    [](const auto& info) { return info.param.Name; });

struct ExitCase {
    std::string Name;
    std::string Project; // the project file's text after the two spans
    std::vector<std::string> Options;
    int Status = 0;
    std::string Err;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.Name;
}

class CommandLineExitTest : public CommandLineTest,
                            public ::testing::WithParamInterface<ExitCase> {};

TEST_P(CommandLineExitTest, StatusSaysHowTheDesignWent) {
    const ExitCase& c = GetParam();
    std::vector<std::string> args{"--calc", WriteText("Балка.lvl", c.Project)};
    args.insert(args.end(), c.Options.begin(), c.Options.end());
    const CalcRun run = Calc(args);
    EXPECT_EQ(run.Status, c.Status);
    EXPECT_EQ(run.Err, c.Err);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, CommandLineExitTest,
    ::testing::Values(ExitCase{"EveryCheckPasses", kTwoSpans + kPassingSection, {}, 0, ""},
                      ExitCase{"StabilityFails", kTwoSpans + kFailingSection, {}, 1, ""},
                      ExitCase{"SettingRefusedAsByTheDialog",
                               kTwoSpans + DesignSection("75", "300", "0"),
                               {},
                               2,
                               "Значение количества досок в сечении должно быть больше нуля.\n"},
                      ExitCase{"NoLoadsIsOnlyStatics", OneSpan(), {}, 0, ""},
                      ExitCase{"NoLoadsHasNoReport",
                               OneSpan(),
                               {"--report", "отчет"},
                               2,
                               "Сформируйте расчетную схему с нагрузками.\n"},
                      ExitCase{"NoLoadsHasNoPdf",
                               OneSpan(),
                               {"--pdf", "отчет.pdf"},
                               2,
                               "Сформируйте расчетную схему с нагрузками.\n"},
                      ExitCase{"SomeSizePasses", kTwoSpans + kPassingSection, {"--select"}, 0, ""},
                      ExitCase{"NoSizeCarriesTenTimesTheLoad",
                               [] {
                                   std::string text = kTwoSpans + kPassingSection;
                                   const std::string load = "Значение=100";
                                   text.replace(text.find(load), load.size(), "Значение=100000");
                                   return text;
                               }(),
                               {"--select"},
                               1,
                               ""}),
    [](const auto& info) { return info.param.Name; });

TEST_F(CommandLineTest, JsonHoldsTheDesign) {
    const CalcRun run = Calc({"--calc", TwoSpans("Две.lvl"), "--json"});
    ASSERT_EQ(run.Status, kCommandLineSucceeded) << run.Err;
    const nlohmann::json json = nlohmann::json::parse(run.Out);
    EXPECT_FALSE(json.contains("selection"));
    const nlohmann::json& design = json.at("design");
    // 33 fields of the beam's design numbers, then the spans, the holes and the lines.
    EXPECT_EQ(design.size(), 36u);
    EXPECT_FALSE(design.contains("Report"));
    // b*h^2/6 and b*h^3/12 of 7,5 x 30 cm; the support moment q*L^2/8 and the shear 5*q*L/8.
    EXPECT_FLOAT_EQ(design.at("SectionModulus").get<float>(), 1125.0f);
    EXPECT_FLOAT_EQ(design.at("Inertia").get<float>(), 16875.0f);
    EXPECT_NEAR(design.at("MaxMoment").get<float>(), 540.0f, 0.01f);
    EXPECT_NEAR(design.at("MaxShear").get<float>(), 450.0f, 0.01f);
    EXPECT_EQ(design.at("WidthMm"), 75);
    EXPECT_EQ(design.at("HeightMm"), 300);
    EXPECT_EQ(design.at("ElementCount"), 1);
    EXPECT_EQ(design.at("AllChecksPassed"), true);

    const nlohmann::json& spans = design.at("SpanCalcs");
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].size(), 14u);
    // The file names no deflection limit, so it reads as the file's default L/120: 50 mm of 6 m.
    EXPECT_EQ(spans[0].at("DeflectionDivisor").get<float>(), 120.0f);
    EXPECT_FLOAT_EQ(spans[0].at("DeflectionLimit").get<float>(), 50.0f);

    const nlohmann::json& weaks = design.at("Weaks");
    ASSERT_EQ(weaks.size(), 1u);
    EXPECT_EQ(weaks[0].size(), 15u);
    EXPECT_EQ(weaks[0].at("Span"), 1);
    EXPECT_EQ(weaks[0].at("Diameter"), 40);
    EXPECT_EQ(weaks[0].at("TooWeak"), false);

    const nlohmann::json& lines = design.at("Lines");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].at("Text"),
              "M < Mпред, 540 < 2742,9 [кг*м], проверка по моменту выполняется.");
    EXPECT_EQ(lines[0].at("Style"), "normal");
    EXPECT_EQ(lines[3].at("Text"), "Пролет 1");
    EXPECT_EQ(lines[3].at("Style"), "span");
    EXPECT_EQ(lines.back().at("Style"), "normal");
    EXPECT_EQ(lines[lines.size() - 3].at("Style"), "hole");
}

TEST_F(CommandLineTest, JsonHoldsTheFailedLinesAndTheRefusal) {
    const CalcRun failed = Calc({"--calc", TwoSpans("Слабая.lvl", kFailingSection), "--json"});
    EXPECT_EQ(failed.Status, kCommandLineChecksFailed);
    const nlohmann::json failedJson = nlohmann::json::parse(failed.Out);
    const nlohmann::json& lines = failedJson.at("design").at("Lines");
    EXPECT_EQ(lines[4].at("Style"), "failed");
    EXPECT_EQ(lines[4].at("Text"),
              "G > Gпред, 67,43 > 24,38 [МПа], проверка по устойчивости не выполняется.");

    const CalcRun refused =
        Calc({"--calc", TwoSpans("Ноль.lvl", DesignSection("75", "0")), "--json"});
    EXPECT_EQ(refused.Status, kCommandLineFailed);
    const nlohmann::json json = nlohmann::json::parse(refused.Out);
    EXPECT_TRUE(json.at("design").is_null());
    EXPECT_EQ(json.at("message"), "Значение высоты должно быть больше нуля.");
}

TEST_F(CommandLineTest, SelectionIsAGridOfCodes) {
    const std::string path = TwoSpans("Подбор.lvl");
    const CalcRun text = Calc({"--calc", path, "--select"});
    ASSERT_EQ(text.Status, kCommandLineSucceeded) << text.Err;
    const CalcRun json = Calc({"--calc", path, "--select", "--json"});
    ASSERT_EQ(json.Status, kCommandLineSucceeded) << json.Err;

    const nlohmann::json parsed = nlohmann::json::parse(json.Out);
    EXPECT_TRUE(parsed.at("design").is_null());
    const nlohmann::json& selection = parsed.at("selection");
    EXPECT_EQ(selection.size(), 3u);
    const auto widths = selection.at("Widths").get<std::vector<int32_t>>();
    const auto heights = selection.at("Heights").get<std::vector<int32_t>>();
    const auto codes = selection.at("Codes").get<std::vector<std::vector<int32_t>>>();
    ASSERT_FALSE(widths.empty());
    ASSERT_FALSE(heights.empty());
    ASSERT_EQ(codes.size(), widths.size());

    // The text shows the same grid: a heading, the heights, then each width with its codes.
    std::string grid = "Подбор сечения: ширина b (строки) и высота h (столбцы), мм\n";
    const size_t column = std::to_string(heights.back()).size();
    const auto cell = [](const std::string& value, size_t width) {
        return std::string(width - value.size(), ' ') + value;
    };
    grid += "b\\h";
    for (const int32_t height : heights) {
        grid += " " + cell(std::to_string(height), column);
    }
    grid += "\n";
    for (size_t row = 0; row < widths.size(); ++row) {
        ASSERT_EQ(codes[row].size(), heights.size());
        grid += cell(std::to_string(widths[row]), 3);
        for (const int32_t code : codes[row]) {
            EXPECT_GE(code, SelectionNotAvailable);
            EXPECT_LE(code, SelectionPasses);
            grid += " " + cell(std::to_string(code), column);
        }
        grid += "\n";
    }
    EXPECT_NE(text.Out.find("кг\n\n" + grid + "3 - сечение проходит по всем проверкам\n"),
              std::string::npos)
        << text.Out;
    // 75 x 300 passes every check in the calculation, so it does in the selection.
    const auto at = [&](int32_t width, int32_t height) {
        const auto row = std::find(widths.begin(), widths.end(), width) - widths.begin();
        const auto col = std::find(heights.begin(), heights.end(), height) - heights.begin();
        return codes.at(static_cast<size_t>(row)).at(static_cast<size_t>(col));
    };
    EXPECT_EQ(at(75, 300), SelectionPasses);
}

// The folder's name holds characters Windows-1251 lacks; the report names its picture relative
// to itself, so it shows from there.
TEST_F(CommandLineTest, ReportAndPictureAreWrittenIntoTheFolder) {
    const std::filesystem::path folder = folder_.Path() / "Отчёт 日本";
    const CalcRun run = Calc({"--calc", TwoSpans("Две.lvl"), "--report", folder.string()});
    ASSERT_EQ(run.Status, kCommandLineSucceeded) << run.Err;
    EXPECT_NE(run.Out.find("Отчет: " + (folder / "report.html").string() + "\n"),
              std::string::npos);

    ASSERT_EQ(pictures_.Sizes.size(), 1u);
    EXPECT_EQ(pictures_.Sizes[0], std::make_pair(600, 550));
    const auto jpeg = ReadWholeFile(folder / "picture.jpg");
    ASSERT_TRUE(jpeg.has_value());
    ASSERT_GE(jpeg->size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>((*jpeg)[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>((*jpeg)[1]), 0xD8);

    const auto report = ReadWholeFile(folder / "report.html");
    ASSERT_TRUE(report.has_value());
    const std::string html = DecodeFileText(*report);
    EXPECT_NE(html.find("<img src=\"picture.jpg\">"), std::string::npos);
    // Windows-1251: the report's Russian letters are one byte each.
    EXPECT_NE(report->find(EncodeWindows1251("Расчетная схема")), std::string::npos);
}

// What the PDF writer found when it was called: the report and its picture side by side.
struct PdfCall {
    std::filesystem::path Report;
    std::filesystem::path Pdf;
    bool PictureBeside = false;
    std::string Html;
};

class CommandLinePdfTest : public CommandLineTest {
  protected:
    void SetUp() override {
        CommandLineTest::SetUp();
        writePdf_ = [this](const std::filesystem::path& report, const std::filesystem::path& pdf) {
            calls_.push_back({report, pdf,
                              std::filesystem::exists(report.parent_path() / "picture.jpg"),
                              DecodeFileText(ReadWholeFile(report).value_or(""))});
            WriteFileReplacing(pdf, "%PDF-1.4 fake");
        };
    }

    std::vector<PdfCall> calls_;
};

TEST_F(CommandLinePdfTest, PdfAloneIsMadeFromAReportThatIsThenRemoved) {
    const std::filesystem::path pdf = folder_.Path() / "Две балки.pdf";
    const CalcRun run = Calc({"--calc", TwoSpans("Две.lvl"), "--pdf", pdf.string()});
    ASSERT_EQ(run.Status, kCommandLineSucceeded) << run.Err;
    ASSERT_EQ(calls_.size(), 1u);
    EXPECT_EQ(calls_[0].Pdf, pdf);
    EXPECT_EQ(calls_[0].Report.filename(), "report.html");
    EXPECT_TRUE(calls_[0].PictureBeside);
    EXPECT_NE(calls_[0].Html.find("Итоговая сводная таблица"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(calls_[0].Report.parent_path()));
    EXPECT_EQ(ReadWholeFile(pdf), std::optional<std::string>("%PDF-1.4 fake"));
    EXPECT_NE(run.Out.find("Отчет в PDF: " + pdf.string() + "\n"), std::string::npos);
    EXPECT_EQ(run.Out.find("Отчет: "), std::string::npos);
}

TEST_F(CommandLinePdfTest, PdfBesideAReportFolderIsMadeFromThatReport) {
    const std::filesystem::path folder = folder_.Path() / "отчет";
    const std::filesystem::path pdf = folder_.Path() / "отчет.pdf";
    const CalcRun run = Calc({"--calc", TwoSpans("Две.lvl", kFailingSection), "--pdf", pdf.string(),
                              "--report", folder.string()});
    EXPECT_EQ(run.Status, kCommandLineChecksFailed) << run.Err;
    ASSERT_EQ(calls_.size(), 1u);
    EXPECT_EQ(calls_[0].Report, folder / "report.html");
    EXPECT_TRUE(std::filesystem::exists(folder / "report.html"));
    EXPECT_TRUE(std::filesystem::exists(pdf));
}

TEST_F(CommandLinePdfTest, PdfThatCannotBeWrittenFailsWithTheReason) {
    const std::filesystem::path pdf = folder_.Path() / "нет" / "отчет.pdf";
    const CalcRun run = Calc({"--calc", TwoSpans("Две.lvl"), "--pdf", pdf.string()});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Err, "Не удалось записать файл \"" + pdf.string() + "\".\n");
}

TEST_F(CommandLineTest, PdfWithoutTheToolkitFailsWithTheReason) {
    const std::filesystem::path pdf = folder_.Path() / "отчет.pdf";
    const CalcRun run = Calc({"--calc", TwoSpans("Две.lvl"), "--pdf", pdf.string()});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Err, "Не удалось записать файл \"" + pdf.string() + "\".\n");
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(CommandLineTest, ChartIsWrittenAsPng) {
    const std::filesystem::path chart = folder_.Path() / "подбор.png";
    const CalcRun run =
        Calc({"--calc", TwoSpans("Две.lvl"), "--select", "--chart", chart.string()});
    ASSERT_EQ(run.Status, kCommandLineSucceeded) << run.Err;
    // As wide as the dialog's selection panel (at least 500), as tall as it (544).
    ASSERT_EQ(pictures_.Sizes.size(), 1u);
    EXPECT_EQ(pictures_.Sizes[0], std::make_pair(500, 544));
    EXPECT_EQ(ReadWholeFile(chart), std::optional<std::string>("\x89PNG 500x544"));
}

TEST_F(CommandLineTest, WithoutTheReferenceFilesTheDesignCannotRun) {
    programFolder_ = folder_.Path();
    const CalcRun run = Calc({"--calc", TwoSpans("Две.lvl")});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    // The statics is still printed; the material table holds no values to design with.
    EXPECT_NE(run.Out.find("Наибольший момент: 540 кг*м"), std::string::npos) << run.Out;
    // One line per support: 3qL/8, 10qL/8, 3qL/8 of 120, 100 and (Kd 1) 100 kg/m.
    EXPECT_NE(run.Out.find("Опора 1, x = 0 мм: расчетная реакция 270 кг, нормативная 225 кг, "
                           "длительная 225 кг\n"
                           "Опора 2, x = 6000 мм: расчетная реакция 900 кг, нормативная 750 кг, "
                           "длительная 750 кг\n"
                           "Опора 3, x = 12000 мм: расчетная реакция 270 кг, нормативная 225 кг, "
                           "длительная 225 кг\n"),
              std::string::npos)
        << run.Out;
    const std::filesystem::path resource = folder_.Path() / "resource";
    EXPECT_EQ(run.Err, "Возникли ошибки при загрузке данных из файла ''material.txt''. Файл \"" +
                           (resource / "material.txt").string() +
                           "\", файл не удалось прочитать.\n"
                           "Произошли ошибки при загрузке сортамента. Проверьте наличие в одной "
                           "директории с программой файла ''sortament.txt''. Файл \"" +
                           (resource / "sortament.txt").string() +
                           "\", файл не удалось прочитать.\n"
                           "значение \"\" не является числом.\n");
}

TEST_F(CommandLineTest, ChartThatCannotBeWrittenFails) {
    const std::filesystem::path chart = folder_.Path() / "нет" / "подбор.png";
    const CalcRun run =
        Calc({"--calc", TwoSpans("Две.lvl"), "--select", "--chart", chart.string()});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Err, "Не удалось записать файл \"" + chart.string() + "\".\n");
}

TEST_F(CommandLineTest, JsonIsOneDocumentOnOneLineWithTheFileName) {
    const std::string path = TwoSpans("Две.lvl");
    const CalcRun run = Calc({"--calc", path, "--json"});
    ASSERT_EQ(run.Status, kCommandLineSucceeded) << run.Err;
    ASSERT_FALSE(run.Out.empty());
    EXPECT_EQ(run.Out.find('\n'), run.Out.size() - 1);
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(run.Out);
    EXPECT_EQ(json.begin().key(), "file");
    EXPECT_EQ(json.at("file"), path);
}

TEST_F(CommandLineTest, SeveralProjectsEachUnderItsName) {
    const std::string passing = TwoSpans("Проходит.lvl");
    const std::string failing = TwoSpans("Не проходит.lvl", kFailingSection);
    const CalcRun first = Calc({"--calc", passing});
    const CalcRun second = Calc({"--calc", failing});

    const CalcRun both = Calc({"--calc", passing, failing});
    // The worst of the two: a check failed.
    EXPECT_EQ(both.Status, kCommandLineChecksFailed);
    EXPECT_EQ(both.Out,
              "==> " + passing + " <==\n" + first.Out + "\n==> " + failing + " <==\n" + second.Out);
    EXPECT_EQ(both.Err, "");
}

TEST_F(CommandLineTest, AProjectThatCannotBeCalculatedDoesNotStopTheOthers) {
    const std::string missing = (folder_.Path() / "Нет.lvl").string();
    const std::string passing = TwoSpans("Проходит.lvl");
    const CalcRun run = Calc({"--calc", missing, passing});
    EXPECT_EQ(run.Status, kCommandLineFailed);
    EXPECT_EQ(run.Out, "==> " + missing + " <==\n\n==> " + passing + " <==\n" +
                           Calc({"--calc", passing}).Out);
    // Each reason after its file's name.
    EXPECT_EQ(run.Err, missing + ": Не удалось прочитать файл \"" + missing + "\".\n");
}

TEST_F(CommandLineTest, SeveralProjectsAsJsonLines) {
    const std::vector<std::string> paths = {TwoSpans("1.lvl"), TwoSpans("2.lvl", kFailingSection),
                                            TwoSpans("3.lvl")};
    const CalcRun run = Calc({"--calc", paths[0], "--json", paths[1], paths[2]});
    EXPECT_EQ(run.Status, kCommandLineChecksFailed);
    std::istringstream lines(run.Out);
    std::string line;
    size_t count = 0;
    while (std::getline(lines, line)) {
        ASSERT_LT(count, paths.size());
        const nlohmann::json json = nlohmann::json::parse(line);
        EXPECT_EQ(json.at("file"), paths[count]);
        EXPECT_EQ(json.at("design").at("AllChecksPassed"), count != 1);
        // The same document as the project's own call.
        EXPECT_EQ(line + "\n", Calc({"--calc", paths[count], "--json"}).Out);
        ++count;
    }
    EXPECT_EQ(count, paths.size());
}

TEST_F(CommandLineTest, SeveralSelections) {
    const std::string a = TwoSpans("a.lvl");
    const std::string b = TwoSpans("b.lvl");
    const CalcRun json = Calc({"--calc", a, b, "--select", "--json"});
    ASSERT_EQ(json.Status, kCommandLineSucceeded) << json.Err;
    const size_t firstEnd = json.Out.find('\n');
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(json.Out.substr(0, firstEnd)).at("file"), a);
    const nlohmann::json second = nlohmann::json::parse(json.Out.substr(firstEnd + 1));
    EXPECT_EQ(second.at("file"), b);
    EXPECT_TRUE(second.at("selection").is_object());

    const CalcRun text = Calc({"--calc", "--select", a, b});
    EXPECT_EQ(text.Status, kCommandLineSucceeded);
    EXPECT_EQ(text.Out.find("==> " + a + " <==\n"), 0u);
    EXPECT_NE(text.Out.find("\n==> " + b + " <==\n"), std::string::npos);
}

TEST_F(CommandLineTest, HelpShowsEveryOptionAndTheExitStatuses) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                                 {"--calc", "a.lvl", "--help"},
                                                 {"--bogus", "--help"}}) {
        const CalcRun run = Calc(args);
        EXPECT_EQ(run.Status, kCommandLineSucceeded);
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(run.Out.rfind("Использование: dravolit-balka [ФАЙЛ.lvl]\n", 0), 0u) << run.Out;
        for (const char* option : {"--calc", "--json", "--select", "--report", "--pdf", "--chart",
                                   "--help", "--version"}) {
            EXPECT_NE(run.Out.find(std::string("\n  ") + option + " "), std::string::npos)
                << option;
        }
        EXPECT_NE(run.Out.find("Код завершения"), std::string::npos);
        for (const char* status : {"\n  0  ", "\n  1  ", "\n  2  "}) {
            EXPECT_NE(run.Out.find(status), std::string::npos) << status;
        }
    }
}

TEST_F(CommandLineTest, VersionNamesTheProgram) {
    const CalcRun run = Calc({"--version"});
    EXPECT_EQ(run.Status, kCommandLineSucceeded);
    EXPECT_EQ(run.Out, std::string("Драволит-Балка ") + ProgramVersion + "\n");
    EXPECT_EQ(run.Err, "");
}

struct ModeCase {
    std::string Name;
    std::vector<std::string> Args;
    ProgramMode Mode;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << c.Name;
}

class ProgramModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ProgramModeTest, OnlyWindowsAndPicturesNeedTheToolkit) {
    EXPECT_EQ(ChooseProgramMode(GetParam().Args), GetParam().Mode);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ProgramModeTest,
    ::testing::Values(
        ModeCase{"NoArguments", {}, ProgramMode::Desktop},
        ModeCase{"AProjectToOpen", {"a.lvl"}, ProgramMode::Desktop},
        ModeCase{"ToolkitOptions", {"-style", "fusion", "a.lvl"}, ProgramMode::Desktop},
        ModeCase{"Calculation", {"--calc", "a.lvl", "b.lvl"}, ProgramMode::CommandLine},
        ModeCase{
            "JsonSelection", {"--calc", "a.lvl", "--select", "--json"}, ProgramMode::CommandLine},
        ModeCase{"Report", {"--calc", "a.lvl", "--report", "d"}, ProgramMode::DrawingCommandLine},
        ModeCase{"Chart",
                 {"--calc", "a.lvl", "--select", "--chart", "c.png"},
                 ProgramMode::DrawingCommandLine},
        ModeCase{"Pdf", {"--calc", "a.lvl", "--pdf", "o.pdf"}, ProgramMode::DrawingCommandLine},
        ModeCase{"Help", {"--help"}, ProgramMode::CommandLine},
        ModeCase{"Version", {"a.lvl", "--version"}, ProgramMode::CommandLine},
        ModeCase{"UnknownOption", {"--bogus"}, ProgramMode::CommandLine},
        ModeCase{"CalcWithoutAFile", {"--calc", "--json"}, ProgramMode::CommandLine}),
    [](const auto& info) { return info.param.Name; });

} // namespace
} // namespace balka
