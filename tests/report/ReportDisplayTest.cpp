#include "report/ReportDisplay.h"

#include "model/FileAccess.h"
#include "support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace balka {
namespace {

TEST(ReportDisplayTest, NoReportBeforeACalculation) {
    RecordingMessageSink messages;
    TBeam beam;
    const auto folder = std::filesystem::temp_directory_path() / "balka-report-display";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    EXPECT_FALSE(WriteCurrentReport(beam, "<html></html>", folder, messages));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0],
              "Отчет не может быть сформирован пока не произведен расчет текущей расчетной схемы.");
    EXPECT_FALSE(std::filesystem::exists(folder / "report.html"));

    beam.Calculated = true;
    const auto written = WriteCurrentReport(beam, "первый", folder, messages);
    ASSERT_TRUE(written);
    WriteCurrentReport(beam, "второй", folder, messages);
    // Windows-1251 "второй" and CR LF: the second report replaces the first.
    EXPECT_EQ(ReadWholeFile(*written), std::string("\xE2\xF2\xEE\xF0\xEE\xE9\r\n"));
    std::filesystem::remove_all(folder);
}

TEST(ReportDisplayTest, MissingFolderIsAFileError) {
    RecordingMessageSink messages;
    TBeam beam;
    beam.Calculated = true;
    EXPECT_THROW(WriteCurrentReport(beam, "x", "/nonexistent/balka/temp", messages), FileError);
}

TEST(ReportDisplayTest, ViewIsCentredInAWideWindowAndFillsANarrowOne) {
    const ReportViewPlace wide = LayoutReportView(1024, 768);
    EXPECT_EQ(wide.Left, 112);
    EXPECT_EQ(wide.Width, 800);
    EXPECT_EQ(wide.Top, 29);
    EXPECT_EQ(wide.Height, 666);
    const ReportViewPlace narrow = LayoutReportView(700, 500);
    EXPECT_EQ(narrow.Left, 0);
    EXPECT_EQ(narrow.Width, 700);
}

} // namespace
} // namespace balka
