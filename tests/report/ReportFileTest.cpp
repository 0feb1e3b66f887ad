#include "report/ReportFile.h"

#include "model/FileAccess.h"
#include "project/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace balka {
namespace {

TEST(ReportFileTest, WritesTheTextWithOneLineEndInWindows1251) {
    TempFolder folder;
    const std::filesystem::path file = WriteReportFile(folder.Path(), "<html>Расчет °С</html>");
    EXPECT_EQ(file, folder.Path() / "report.html");
    // "Расчет" and "°С" in Windows-1251, no byte-order mark, CR LF after the text.
    EXPECT_EQ(ReadWholeFile(file),
              std::string("<html>\xD0\xE0\xF1\xF7\xE5\xF2 \xB0\xD1</html>\r\n"));
}

// A name from a UTF-8 material file may hold characters Windows-1251 lacks: the report shows
// them through their references instead of question marks.
TEST(ReportFileTest, CharactersOutsideTheCodePageBecomeCharacterReferences) {
    TempFolder folder;
    const std::filesystem::path file = WriteReportFile(folder.Path(), "Ель 日本 см⁴ ?");
    EXPECT_EQ(ReadWholeFile(file),
              std::string("\xC5\xEB\xFC &#26085;&#26412; \xF1\xEC&#8308; ?\r\n"));
}

TEST(ReportFileTest, ReplacesAnEarlierReport) {
    TempFolder folder;
    WriteReportFile(folder.Path(), "first, a longer text");
    WriteReportFile(folder.Path(), "second");
    EXPECT_EQ(ReadWholeFile(folder.Path() / "report.html"), std::string("second\r\n"));
}

TEST(ReportFileTest, MissingFolderIsAFileErrorAndWritesNothing) {
    TempFolder folder;
    const std::filesystem::path missing = folder.Path() / "temp";
    EXPECT_THROW(WriteReportFile(missing, "text"), FileError);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace balka
