#include "project/ToolRunner.h"

#include "project/TempFolder.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

TEST(SpawnedToolRunnerTest, WaitsForTheProgramToEnd) {
    TempFolder folder;
    const std::filesystem::path made = folder.Path() / "made";
    SpawnedToolRunner().Run({"touch", made.string()});
    EXPECT_TRUE(std::filesystem::exists(made));
}

TEST(SpawnedToolRunnerTest, MissingOrFailingProgramIsSkippedQuietly) {
    SpawnedToolRunner runner;
    EXPECT_NO_THROW(runner.Run({"balka-no-such-program"}));
    EXPECT_NO_THROW(runner.Run({"false"}));
    EXPECT_NO_THROW(runner.Run({}));
}

} // namespace
} // namespace balka
