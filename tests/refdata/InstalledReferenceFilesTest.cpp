// The reference files shipped in resource/ read without a message and are exactly what the
// editors write back, so the installation's defaults are in the program's own format.
#include "refdata/CatalogueEditor.h"
#include "refdata/MaterialEditor.h"
#include "refdata/RefdataFixture.h"

namespace balka {
namespace {

using refdata_test::RefdataFixture;

const std::filesystem::path ResourceFolder =
    std::filesystem::path(BALKA_TEST_DATA) / ".." / ".." / "resource";

class InstalledReferenceFilesTest : public RefdataFixture {};

TEST_F(InstalledReferenceFilesTest, MaterialGradesReadAndWriteBackUnchanged) {
    const std::filesystem::path copy = folder / "material.txt";
    std::filesystem::copy_file(ResourceFolder / "material.txt", copy);
    MaterialEditor editor(copy, sink);
    editor.LoadMaterials();
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(editor.Name(0), "A");
    EXPECT_EQ(editor.Name(3), "Custom");
    // Grade A is the strongest and stiffest, C the weakest.
    for (int grade = 0; grade < 2; ++grade) {
        const auto better = editor.Values(grade);
        const auto worse = editor.Values(grade + 1);
        EXPECT_GT(better.BendingStrength, worse.BendingStrength);
        EXPECT_GT(better.ShearStrength, worse.ShearStrength);
        EXPECT_GT(better.Modulus, worse.Modulus);
    }
    editor.SaveMaterials();
    EXPECT_EQ(ReadBytes(copy), ReadBytes(ResourceFolder / "material.txt"));
}

TEST_F(InstalledReferenceFilesTest, CatalogueReadsAndWritesBackUnchanged) {
    const std::string installed = ReadBytes(ResourceFolder / "sortament.txt");
    const auto catalogue = ParseCatalogue(installed).Catalogue;
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Widths, (std::vector<int32_t>{39, 45, 51, 57, 63, 69, 75}));
    EXPECT_EQ(catalogue->Heights.front(), 200);
    EXPECT_EQ(catalogue->Heights.back(), 600);
    EXPECT_EQ(FormatCatalogue(*catalogue), installed);
}

} // namespace
} // namespace balka
