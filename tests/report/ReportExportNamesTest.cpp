#include "report/ReportExportNames.h"

#include "model/FileAccess.h"
#include "project/TempFolder.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

TEST(ReportExportNamesTest, ProjectTitleIsTheFileNameWithoutItsExtension) {
    TBeam beam;
    EXPECT_EQ(ProjectTitle(beam), "");
    beam.FilePath = "/home/u/Проекты/Перекрытие.lvl";
    EXPECT_EQ(ProjectTitle(beam), "Перекрытие");
}

// Every export makes a new document; one still open in the word processor is never replaced.
TEST(ReportExportNamesTest, EachExportGetsANameNotYetTaken) {
    TempFolder folder;
    const std::filesystem::path first = NewExportPath(folder.Path(), "Перекрытие", ".odt");
    EXPECT_EQ(first, folder.Path() / "Отчет - Перекрытие.odt");
    WriteFileReplacing(first, "1");
    const std::filesystem::path second = NewExportPath(folder.Path(), "Перекрытие", ".odt");
    EXPECT_EQ(second, folder.Path() / "Отчет - Перекрытие (2).odt");
    WriteFileReplacing(second, "2");
    EXPECT_EQ(NewExportPath(folder.Path(), "Перекрытие", ".odt"),
              folder.Path() / "Отчет - Перекрытие (3).odt");
    EXPECT_EQ(NewExportPath(folder.Path(), "", ".odt"), folder.Path() / "Отчет.odt");
}

TEST(ReportExportNamesTest, PdfIsProposedBesideTheProjectUnderItsName) {
    TBeam beam;
    EXPECT_EQ(ProposedPdfPath(beam, "/home/u"), std::filesystem::path("/home/u/Отчет.pdf"));
    beam.FilePath = "/home/u/Проекты/Перекрытие.lvl";
    EXPECT_EQ(ProposedPdfPath(beam, "/home/u"),
              std::filesystem::path("/home/u/Проекты/Перекрытие.pdf"));
}

} // namespace
} // namespace balka
