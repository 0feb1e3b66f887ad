// The sample projects a new user opens first: each must open, recalculate to a ready scheme and
// pass through the command line, whose design of the project's own section then says whether
// every check passed.
#include "model/Numbers.h"
#include "project/CommandLine.h"
#include "project/ProjectCommands.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingView.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

namespace balka {
namespace {

struct ExampleCase {
    std::string Name;
    std::string File;
    int32_t Spans = 0;
    int32_t Loads = 0;
    int32_t Holes = 0;
    int DesignStatus = kCommandLineSucceeded;
};

void PrintTo(const ExampleCase& c, std::ostream* os) {
    *os << c.File;
}

std::string ExamplePath(const std::string& file) {
    return (std::filesystem::path(BALKA_TEST_DATA) / ".." / ".." / "examples" / file).string();
}

class ExamplesTest : public ::testing::TestWithParam<ExampleCase> {
  protected:
    // The examples are written with the comma, as the program writes them in a Russian locale.
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(ExamplesTest, OpensAndRecalculates) {
    RecordingView view;
    RecordingMessageSink messages;
    Workspace space(view, messages);
    ASSERT_EQ(OpenProject(space, ExamplePath(GetParam().File)), OpenResult::Opened);

    const TBeam& beam = space.Beam;
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(beam.SpanCount, GetParam().Spans);
    EXPECT_EQ(beam.LoadCount, GetParam().Loads);
    EXPECT_EQ(beam.HoleCount, GetParam().Holes);
    EXPECT_TRUE(beam.SchemeReady);
    EXPECT_GT(beam.MaxAbsM, 0.0f);
    EXPECT_EQ(view.Status[PanelStatus], "Статус - готов к расчету");
    EXPECT_EQ(view.Caption, "Драволит-Балка - " + GetParam().File);
}

TEST_P(ExamplesTest, PassesThroughTheCommandLine) {
    std::ostringstream out;
    std::ostringstream err;
    CommandLineSetup setup;
    setup.Folders =
        BuildTreeFolders(std::filesystem::path(BALKA_TEST_DATA).parent_path().parent_path());
    ASSERT_EQ(RunCommandLine({"--calc", ExamplePath(GetParam().File), "--json"}, out, err, setup),
              GetParam().DesignStatus)
        << err.str();
    const nlohmann::json json = nlohmann::json::parse(out.str());
    EXPECT_TRUE(json.at("design").is_object());
    EXPECT_EQ(json.at("beam").at("Stopped"), false);
    EXPECT_EQ(json.at("spans").size(), static_cast<size_t>(GetParam().Spans));
}

INSTANTIATE_TEST_SUITE_P(
    Projects, ExamplesTest,
    // The floor beam is braced by its deck every 0,6 m and passes; the unbraced rafter fails
    // stability, and its eaves overhang deflects too much.
    ::testing::Values(ExampleCase{"FloorBeam", "Перекрытие.lvl", 2, 3, 0},
                      ExampleCase{"RoofRafter", "Стропило.lvl", 2, 2, 0, kCommandLineChecksFailed},
                      ExampleCase{"BeamWithHoles", "Балка-с-отверстиями.lvl", 1, 2, 2}),
    [](const auto& info) { return info.param.Name; });

} // namespace
} // namespace balka
