#include "model/Profile.h"

#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/TextEncoding.h"
#include "project/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

namespace balka {
namespace {

constexpr const char* kMissing = "<по умолчанию>";

// File texts are given in UTF-8 and stored in Windows-1251, as the program writes them.
struct ReadCase {
    const char* name;
    const char* fileText;
    const char* section;
    const char* key;
    const char* expected; // kMissing: the fallback is returned
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ProfileReadRulesTest : public ::testing::TestWithParam<ReadCase> {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

TEST_P(ProfileReadRulesTest, ReadsTheValue) {
    const ReadCase& c = GetParam();
    const Profile profile = Profile::FromFileBytes(EncodeWindows1251(c.fileText));
    EXPECT_EQ(profile.ReadString(c.section, c.key, kMissing), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileReadRulesTest,
    ::testing::Values(
        ReadCase{"Plain", "[Геометрия]\r\nУгол=15\r\n", "Геометрия", "Угол", "15"},
        ReadCase{"SectionCaseIgnored", "[ГЕОМЕТРИЯ]\r\nУгол=15\r\n", "Геометрия", "Угол", "15"},
        ReadCase{"KeyCaseIgnored", "[геометрия]\r\nуГОЛ=15\r\n", "Геометрия", "Угол", "15"},
        ReadCase{"LatinCaseIgnored", "[Расчет]\r\nДЛИНА LP=3\r\n", "Расчет", "Длина Lp", "3"},
        ReadCase{"YoCaseIgnored", "[ЁЛКА]\r\nk=1\r\n", "ёлка", "K", "1"},
        ReadCase{"FirstKeyWins", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
        ReadCase{"FirstSectionWins", "[A]\r\nk=1\r\n[a]\r\nk=2\r\n", "A", "k", "1"},
        ReadCase{"LaterSameSectionNotSearched", "[A]\r\nk=1\r\n[A]\r\nj=2\r\n", "A", "j", kMissing},
        ReadCase{"BlanksStripped", "[A]\r\n \tk  =  4,5 \t\r\n", "A", "k", "4,5"},
        ReadCase{"SectionNameBlanksStripped", "  [ A ]\r\nk=1\r\n", "A", "k", "1"},
        ReadCase{"QuotesStripped", "[A]\r\nk= \" x \" \r\n", "A", "k", " x "},
        ReadCase{"SingleQuotesStripped", "[A]\r\nk='x'\r\n", "A", "k", "x"},
        ReadCase{"OnlyOnePairOfQuotes", "[A]\r\nk=\"\"x\"\"\r\n", "A", "k", "\"x\""},
        ReadCase{"UnpairedQuoteKept", "[A]\r\nk=\"x\r\n", "A", "k", "\"x"},
        ReadCase{"SingleBlankReadsEmpty", "[A]\r\nk= \r\n", "A", "k", ""},
        ReadCase{"EmptyValueIsNotMissing", "[A]\r\nk=\r\n", "A", "k", ""},
        ReadCase{"EverythingAfterFirstEquals", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
        ReadCase{"MissingKey", "[A]\r\nk=1\r\n", "A", "j", kMissing},
        ReadCase{"MissingSection", "[A]\r\nk=1\r\n", "B", "k", kMissing},
        ReadCase{"KeyBeforeAnySectionIgnored", "k=1\r\n[A]\r\n", "A", "k", kMissing},
        ReadCase{"OtherLinesIgnored", "[A]\r\nмусор\r\n;k=2\r\n\r\nk=1\r\n", "A", "k", "1"},
        ReadCase{"LineFeedsOnly", "[A]\nk=1\nj=2\n", "A", "j", "2"},
        ReadCase{"LastLineWithoutBreak", "[A]\r\nk=1", "A", "k", "1"},
        ReadCase{"EmptyFile", "", "A", "k", kMissing}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ProfileEncodingTest, ReadsUtf8WithAndWithoutByteOrderMark) {
    const Profile plain = Profile::FromFileBytes("[Пролет 1]\r\nДлина=4\r\n");
    const Profile marked = Profile::FromFileBytes("\xEF\xBB\xBF[Пролет 1]\r\nДлина=4\r\n");
    EXPECT_EQ(plain.ReadString("Пролет 1", "Длина", kMissing), "4");
    EXPECT_EQ(marked.ReadString("Пролет 1", "Длина", kMissing), "4");
}

TEST(ProfileEncodingTest, ReadsWindows1251) {
    // "[Пролет 1]" and "Длина=4" in Windows-1251.
    const std::string bytes = "[\xCF\xF0\xEE\xEB\xE5\xF2 1]\r\n\xC4\xEB\xE8\xED\xE0=4\r\n";
    EXPECT_EQ(Profile::FromFileBytes(bytes).ReadString("Пролет 1", "Длина", kMissing), "4");
}

struct IntegerCase {
    const char* name;
    const char* value; // nullptr: the key is missing
    int32_t expected;  // the fallback is 77
};

void PrintTo(const IntegerCase& c, std::ostream* out) {
    *out << c.name;
}

class ProfileIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileIntegerTest, ReadsTheInteger) {
    const IntegerCase& c = GetParam();
    const std::string text = c.value == nullptr ? "[A]\r\n" : std::string("[A]\r\nk=") + c.value;
    EXPECT_EQ(Profile::FromFileBytes(text).ReadInteger("A", "k", 77), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileIntegerTest,
    ::testing::Values(
        IntegerCase{"Decimal", "12", 12}, IntegerCase{"Blanks", "  -3 ", -3},
        IntegerCase{"PlusSign", "+7", 7}, IntegerCase{"Quoted", "\"5\"", 5},
        IntegerCase{"Hexadecimal", "0x1F", 31}, IntegerCase{"HexadecimalCapitals", "0X1f", 31},
        IntegerCase{"NegativeHexadecimal", "-0x10", -16}, IntegerCase{"HexPrefixAlone", "0x", 77},
        IntegerCase{"HexDigitInDecimal", "1F", 77}, IntegerCase{"Letters", "abc", 77},
        IntegerCase{"TrailingText", "12abc", 77}, IntegerCase{"Fraction", "4,0", 77},
        IntegerCase{"Empty", "", 77}, IntegerCase{"Missing", nullptr, 77},
        IntegerCase{"Largest", "2147483647", 2147483647}, IntegerCase{"TooLarge", "2147483648", 77},
        IntegerCase{"Smallest", "-2147483648", -2147483647 - 1},
        IntegerCase{"TooSmall", "-2147483649", 77}, IntegerCase{"HexTooLarge", "0x80000000", 77}),
    [](const ::testing::TestParamInfo<IntegerCase>& info) { return info.param.name; });

TEST(ProfileBoolTest, AnyIntegerButZeroIsTrue) {
    const Profile profile =
        Profile::FromFileBytes("[A]\r\none=1\r\nzero=0\r\ntwo=2\r\nminus=-1\r\nhex=0x0\r\nword=да");
    EXPECT_TRUE(profile.ReadBool("A", "one", false));
    EXPECT_FALSE(profile.ReadBool("A", "zero", true));
    EXPECT_TRUE(profile.ReadBool("A", "two", false));
    EXPECT_TRUE(profile.ReadBool("A", "minus", false));
    EXPECT_FALSE(profile.ReadBool("A", "hex", true));
    // A value that is no integer and a missing key read as the default.
    EXPECT_TRUE(profile.ReadBool("A", "word", true));
    EXPECT_FALSE(profile.ReadBool("A", "word", false));
    EXPECT_TRUE(profile.ReadBool("A", "missing", true));
}

TEST(ProfileWriteTest, WritesSectionsAndKeysInOrderInWindows1251WithCrLf) {
    Profile profile;
    profile.WriteInteger("Геометрия", "Количество пролетов", 2);
    profile.WriteString("Пролет 1", "Длина", "4");
    profile.WriteBool("Расчет", "Пропитка антипиренами", true);
    profile.WriteString("Геометрия", "Угол", "0");
    EXPECT_EQ(profile.ToFileBytes(),
              EncodeWindows1251("[Геометрия]\r\nКоличество пролетов=2\r\nУгол=0\r\n"
                                "[Пролет 1]\r\nДлина=4\r\n"
                                "[Расчет]\r\nПропитка антипиренами=1\r\n"));
}

TEST(ProfileWriteTest, ReplacesAnExistingKeyWhateverItsCase) {
    Profile profile;
    profile.WriteString("A", "Ключ", "1");
    profile.WriteString("a", "КЛЮЧ", "2");
    EXPECT_EQ(profile.ToFileBytes(), EncodeWindows1251("[A]\r\nКлюч=2\r\n"));
}

TEST(ProfileWriteTest, ValuesKeepTheirBlanksAndCannotBreakALine) {
    Profile profile;
    profile.WriteString("A", "blank", " ");
    profile.WriteString("A", "broken", "1\r\n[B]\nk=2");
    EXPECT_EQ(profile.ToFileBytes(), "[A]\r\nblank= \r\nbroken=1  [B] k=2\r\n");
    const Profile read = Profile::FromFileBytes(profile.ToFileBytes());
    EXPECT_EQ(read.ReadString("A", "blank", kMissing), "");
    EXPECT_EQ(read.ReadString("B", "k", kMissing), kMissing);
}

TEST(ProfileFileTest, WritesAndReadsAFile) {
    const TempFolder folder;
    const auto path = folder.Path() / "проба.lvl";
    Profile profile;
    profile.WriteString("Отверстие 1", "Привязка х", "1,5");
    WriteProfileFile(path, profile);
    EXPECT_EQ(ReadWholeFile(path), profile.ToFileBytes());
    EXPECT_EQ(ReadProfileFile(path).ReadString("отверстие 1", "ПРИВЯЗКА Х", kMissing), "1,5");
}

TEST(ProfileFileTest, AMissingFileIsReportedInRussian) {
    const TempFolder folder;
    const auto path = folder.Path() / "нет такого.lvl";
    try {
        ReadProfileFile(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Не удалось прочитать файл \"" + path.string() + "\".");
    }
}

} // namespace
} // namespace balka
