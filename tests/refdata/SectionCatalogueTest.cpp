#include "refdata/SectionCatalogue.h"

#include <gtest/gtest.h>

#include <ostream>

namespace balka {
namespace {

constexpr SizeMark Yes = SizeMark::Available;
constexpr SizeMark No = SizeMark::Unavailable;

TEST(SectionCatalogueTest, ReadsAndWritesTheFileText) {
    const std::string text = "3(40,51,63)\r\n4(200,240,300,360)\r\n1120\r\n2211\r\n1111\r\n";
    const auto catalogue = ParseCatalogue(text).Catalogue;
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Widths, (std::vector<int32_t>{40, 51, 63}));
    EXPECT_EQ(catalogue->Heights, (std::vector<int32_t>{200, 240, 300, 360}));
    EXPECT_EQ(catalogue->Marks[0], (std::vector<SizeMark>{Yes, Yes, No, SizeMark::None}));
    EXPECT_EQ(FormatCatalogue(*catalogue), text);
}

TEST(SectionCatalogueTest, EmptyListsAreWrittenAsZeroAndEmptyBrackets) {
    EXPECT_EQ(FormatCatalogue({}), "0()\r\n0()\r\n");
    const auto empty = ParseCatalogue("0()\r\n0()\r\n").Catalogue;
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->Widths.empty() && empty->Heights.empty() && empty->Marks.empty());
}

TEST(SectionCatalogueTest, WidthsWithoutHeightsHaveOneZeroLineEach) {
    const SectionCatalogue catalogue{{45, 51}, {}, {{}, {}}};
    EXPECT_EQ(FormatCatalogue(catalogue), "2(45,51)\r\n0()\r\n0\r\n0\r\n");
    const auto back = ParseCatalogue(FormatCatalogue(catalogue)).Catalogue;
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Marks.size(), 2u);
}

TEST(SectionCatalogueTest, ExtraLinesAndCharactersAreIgnored) {
    const auto catalogue = ParseCatalogue("1(40)\n1(200)\n19\n\n").Catalogue;
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Marks, (std::vector<std::vector<SizeMark>>{{Yes}}));
}

struct MalformedCase {
    const char* name;
    const char* text;
    const char* fault;
};

void PrintTo(const MalformedCase& c, std::ostream* out) {
    *out << c.name;
}

class MalformedCatalogueTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedCatalogueTest, IsRefusedNamingTheLine) {
    const CatalogueReading reading = ParseCatalogue(GetParam().text);
    EXPECT_FALSE(reading.Catalogue);
    EXPECT_EQ(reading.Fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedCatalogueTest,
    ::testing::Values(
        MalformedCase{"Empty", "", "строка 1: строки нет"},
        MalformedCase{"OneLine", "1(40)\r\n", "строка 2: строки нет"},
        MalformedCase{"CountNoNumber", "x(40)\r\n0()\r\n2\r\n",
                      "строка 1: количество размеров не является целым числом"},
        MalformedCase{"CountDisagrees", "2(40)\r\n0()\r\n0\r\n0\r\n",
                      "строка 1: количество размеров 2 не совпадает со списком (1)"},
        MalformedCase{"NoClosingBracket", "1(40\r\n0()\r\n0\r\n",
                      "строка 1: нет списка размеров вида N(a,b,c)"},
        MalformedCase{"SizeNoNumber", "1(4a)\r\n0()\r\n0\r\n",
                      "строка 1: размер \"4a\" не является целым числом"},
        MalformedCase{"ZeroSize", "1(0)\r\n0()\r\n0\r\n",
                      "строка 1: размер 0 недопустим: ширина сечения должна быть больше 0 и не "
                      "больше 1000 мм"},
        MalformedCase{"HeightBeyondItsRange", "1(40)\r\n1(2147483647)\r\n1\r\n",
                      "строка 2: размер 2147483647 недопустим: высота сечения должна быть больше 0 "
                      "и не больше 2000 мм"},
        MalformedCase{"BlankInList", "2(40, 51)\r\n0()\r\n0\r\n0\r\n",
                      "строка 1: размер \" 51\" не является целым числом"},
        MalformedCase{"TrailingComma", "1(40,)\r\n0()\r\n0\r\n",
                      "строка 1: после последней запятой нет размера"},
        MalformedCase{"MissingMarkLine", "2(40,51)\r\n1(200)\r\n1\r\n", "строка 4: строки нет"},
        MalformedCase{"ShortMarkLine", "1(40)\r\n2(200,240)\r\n1\r\n",
                      "строка 3: меньше отметок, чем высот в списке"},
        MalformedCase{"ForeignMark", "1(40)\r\n2(200,240)\r\n13\r\n",
                      "строка 3: отметка \"3\" не 0, 1 или 2"}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST(SectionCatalogueTest, InsertedSizesAreNotAvailableAndKeepTheOrder) {
    SectionCatalogue catalogue{{40, 63}, {200, 300}, {{Yes, No}, {No, Yes}}};
    InsertWidth(catalogue, 51);
    InsertHeight(catalogue, 240);
    EXPECT_EQ(catalogue.Widths, (std::vector<int32_t>{40, 51, 63}));
    EXPECT_EQ(catalogue.Heights, (std::vector<int32_t>{200, 240, 300}));
    EXPECT_EQ(catalogue.Marks,
              (std::vector<std::vector<SizeMark>>{{Yes, No, No}, {No, No, No}, {No, No, Yes}}));
}

TEST(SectionCatalogueTest, SortingAnUnsortedListCarriesEachMarkWithItsSize) {
    // A hand-edited file may list the sizes out of order; marks must not slip to other sizes.
    SectionCatalogue catalogue{{63, 40}, {300, 200}, {{Yes, No}, {No, No}}};
    InsertWidth(catalogue, 51);
    EXPECT_EQ(catalogue.Widths, (std::vector<int32_t>{40, 51, 63}));
    EXPECT_EQ(catalogue.Marks[2], (std::vector<SizeMark>{Yes, No}));
    InsertHeight(catalogue, 240);
    EXPECT_EQ(catalogue.Heights, (std::vector<int32_t>{200, 240, 300}));
    EXPECT_EQ(catalogue.Marks[2], (std::vector<SizeMark>{No, No, Yes}));
}

TEST(SectionCatalogueTest, RemovingTakesTheSizeWithItsMarks) {
    SectionCatalogue catalogue{{40, 51}, {200, 240}, {{Yes, No}, {No, Yes}}};
    RemoveHeight(catalogue, 0);
    EXPECT_EQ(catalogue.Marks, (std::vector<std::vector<SizeMark>>{{No}, {Yes}}));
    RemoveWidth(catalogue, 1);
    EXPECT_EQ(catalogue.Widths, std::vector<int32_t>{40});
    EXPECT_EQ(catalogue.Marks, (std::vector<std::vector<SizeMark>>{{No}}));
    EXPECT_TRUE(HasHeight(catalogue, 240));
    EXPECT_FALSE(HasWidth(catalogue, 51));
}

} // namespace
} // namespace balka
