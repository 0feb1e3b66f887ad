#include "design/DesignSettings.h"

#include "model/Numbers.h"
#include "model/TextEncoding.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

class DesignSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

// Every field away from its default, so a key that is not written or not read shows.
DesignSettings ChangedSettings() {
    DesignSettings s;
    s.TypeIndex = 3;
    s.WidthCount = "2";
    s.Width = "45";
    s.Height = "300";
    s.ClassRespIndex = 2;
    s.ClassExpIndex = 1;
    s.Antipiren = true;
    s.TemperatureMode = TTemperatureMode::From35To50;
    s.Temp = "42,5";
    s.DeflectionIndex = 8;
    s.Loads = DeflectionLoads::LongTerm;
    s.LP = "3,2";
    s.Mmax = "1200";
    s.Kf = "1,13";
    s.Rast = true;
    s.RastCount = "4";
    return s;
}

TEST_F(DesignSettingsTest, WritesEveryKeyInOrder) {
    Profile profile;
    WriteDesignSettings(profile, ChangedSettings());
    EXPECT_EQ(
        profile.ToFileBytes(),
        EncodeWindows1251("[Расчет]\r\n"
                          "Тип материала=3\r\n"
                          "Количество элементов=2\r\n"
                          "Ширина сечения=45\r\n"
                          "Высота сечения=300\r\n"
                          "Класс ответственности=2\r\n"
                          "Класс эксплуатации=1\r\n"
                          "Пропитка антипиренами=1\r\n"
                          "Температура до 35=0\r\n"
                          "Температура от 35 до 50=1\r\n"
                          "Температура от 50=0\r\n"
                          "Температура=42,5\r\n"
                          "Допустимый прогиб=8\r\n"
                          "Длительные=1\r\n"
                          "Кратковременные=0\r\n"
                          "Длина Lp=3,2\r\n"
                          "Момент на участке Lp=1200\r\n"
                          "Коэффициент формы эпюры на участке Lp=1,13\r\n"
                          "Подкрепление растянутой зоны=1\r\n"
                          "Количество точек подкрепления растянутой зоны на участке Lp=4\r\n"));
}

TEST_F(DesignSettingsTest, EveryFieldComesBack) {
    for (const DesignSettings& written : {ChangedSettings(), DesignSettings{}}) {
        Profile profile;
        WriteDesignSettings(profile, written);
        EXPECT_EQ(ReadDesignSettings(Profile::FromFileBytes(profile.ToFileBytes())), written);
    }
}

TEST_F(DesignSettingsTest, EveryTemperatureChoiceComesBack) {
    for (const TTemperatureMode mode :
         {TTemperatureMode::UpTo35, TTemperatureMode::From35To50, TTemperatureMode::From50}) {
        DesignSettings written;
        written.TemperatureMode = mode;
        Profile profile;
        WriteDesignSettings(profile, written);
        EXPECT_EQ(ReadDesignSettings(profile).TemperatureMode, mode);
    }
}

TEST_F(DesignSettingsTest, MissingKeysReadAsTheFileDefaults) {
    const DesignSettings read = ReadDesignSettings(Profile::FromFileBytes(""));
    DesignSettings expected;
    expected.TypeIndex = 0;
    expected.WidthCount = "1";
    expected.Width = "10";
    expected.Height = "100";
    expected.ClassRespIndex = 0;
    expected.ClassExpIndex = 0;
    expected.Antipiren = false;
    expected.TemperatureMode = TTemperatureMode::UpTo35;
    expected.Temp = "40";
    expected.DeflectionIndex = 0;
    expected.Loads = DeflectionLoads::ShortTerm;
    expected.LP = "";
    expected.Mmax = "";
    expected.Kf = "";
    expected.Rast = false;
    expected.RastCount = "";
    EXPECT_EQ(read, expected);
}

TEST_F(DesignSettingsTest, ListsWhatACompleteSectionHasAndThisOneLacks) {
    Profile complete;
    WriteDesignSettings(complete, ChangedSettings());
    EXPECT_TRUE(DesignSettingsGaps(complete).empty());

    EXPECT_EQ(DesignSettingsGaps(Profile::FromFileBytes("[Геометрия]\r\n")),
              std::vector<std::string>{"раздел [Расчет]"});

    const Profile partial = Profile::FromFileBytes(EncodeWindows1251(
        "[Расчет]\r\nТип материала=0\r\nКоличество элементов=1\r\nШирина сечения=45\r\n"
        "Класс ответственности=7\r\nКласс эксплуатации=один\r\nДопустимый прогиб=8\r\n"
        "Длительные=2\r\n"));
    EXPECT_EQ(DesignSettingsGaps(partial),
              (std::vector<std::string>{
                  "[Расчет] Высота сечения", "[Расчет] Класс ответственности = 7",
                  "[Расчет] Класс эксплуатации = один", "[Расчет] Пропитка антипиренами",
                  "[Расчет] Температура до 35", "[Расчет] Температура от 35 до 50",
                  "[Расчет] Температура от 50", "[Расчет] Температура", "[Расчет] Кратковременные",
                  "[Расчет] Длина Lp", "[Расчет] Момент на участке Lp",
                  "[Расчет] Коэффициент формы эпюры на участке Lp",
                  "[Расчет] Подкрепление растянутой зоны",
                  "[Расчет] Количество точек подкрепления растянутой зоны "
                  "на участке Lp"}));
}

struct ChoiceCase {
    const char* name;
    const char* keys;
    TTemperatureMode temperature;
    DeflectionLoads loads;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

class DesignChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

// The dialog sets its radio buttons in the file's order; each true one switches the others off.
TEST_P(DesignChoiceTest, TheLastTrueChoiceWins) {
    const ChoiceCase& c = GetParam();
    const DesignSettings read =
        ReadDesignSettings(Profile::FromFileBytes(std::string("[Расчет]\r\n") + c.keys));
    EXPECT_EQ(read.TemperatureMode, c.temperature);
    EXPECT_EQ(read.Loads, c.loads);
}

INSTANTIATE_TEST_SUITE_P(
    Radio, DesignChoiceTest,
    ::testing::Values(
        ChoiceCase{"Defaults", "", TTemperatureMode::UpTo35, DeflectionLoads::ShortTerm},
        ChoiceCase{"From50Only", "Температура до 35=0\r\nТемпература от 50=1\r\n",
                   TTemperatureMode::From50, DeflectionLoads::ShortTerm},
        ChoiceCase{"From50WithDefaultUpTo35", "Температура от 50=1\r\n", TTemperatureMode::From50,
                   DeflectionLoads::ShortTerm},
        ChoiceCase{"TwoTrueLastWins", "Температура от 35 до 50=1\r\nТемпература от 50=1\r\n",
                   TTemperatureMode::From50, DeflectionLoads::ShortTerm},
        ChoiceCase{"NoneTrueKeepsDefault", "Температура до 35=0\r\nКратковременные=0\r\n",
                   TTemperatureMode::UpTo35, DeflectionLoads::ShortTerm},
        ChoiceCase{"LongTermOnly", "Длительные=1\r\nКратковременные=0\r\n",
                   TTemperatureMode::UpTo35, DeflectionLoads::LongTerm},
        ChoiceCase{"LongTermWithDefaultShortTerm", "Длительные=1\r\n", TTemperatureMode::UpTo35,
                   DeflectionLoads::ShortTerm}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) { return info.param.name; });

} // namespace
} // namespace balka
