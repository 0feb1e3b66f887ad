// Reading and writing of the "Расчет" section. The key names are the file's own and must not
// change: files written by every earlier version of the program carry them.
#include "design/DesignSettings.h"

namespace balka {

namespace {

constexpr std::string_view kSection = "Расчет";

constexpr std::string_view kType = "Тип материала";
constexpr std::string_view kWidthCount = "Количество элементов";
constexpr std::string_view kWidth = "Ширина сечения";
constexpr std::string_view kHeight = "Высота сечения";
constexpr std::string_view kClassResp = "Класс ответственности";
constexpr std::string_view kClassExp = "Класс эксплуатации";
constexpr std::string_view kAntipiren = "Пропитка антипиренами";
constexpr std::string_view kTemp35 = "Температура до 35";
constexpr std::string_view kTemp35To50 = "Температура от 35 до 50";
constexpr std::string_view kTemp50 = "Температура от 50";
constexpr std::string_view kTemp = "Температура";
constexpr std::string_view kDeflection = "Допустимый прогиб";
constexpr std::string_view kLongTerm = "Длительные";
constexpr std::string_view kShortTerm = "Кратковременные";
constexpr std::string_view kLP = "Длина Lp";
constexpr std::string_view kMmax = "Момент на участке Lp";
constexpr std::string_view kKf = "Коэффициент формы эпюры на участке Lp";
constexpr std::string_view kRast = "Подкрепление растянутой зоны";
constexpr std::string_view kRastCount =
    "Количество точек подкрепления растянутой зоны на участке Lp";

// Every key in the file's order; those holding a list index with the size of their list, the
// flags with 2, the texts with 0.
struct KeyKind {
    std::string_view Key;
    int32_t ListSize;
};
constexpr int32_t kText = 0;
constexpr int32_t kFlag = 2;
constexpr KeyKind kKeys[] = {
    {kType, 4},           {kWidthCount, kText}, {kWidth, kText},     {kHeight, kText},
    {kClassResp, 3},      {kClassExp, 3},       {kAntipiren, kFlag}, {kTemp35, kFlag},
    {kTemp35To50, kFlag}, {kTemp50, kFlag},     {kTemp, kText},      {kDeflection, 9},
    {kLongTerm, kFlag},   {kShortTerm, kFlag},  {kLP, kText},        {kMmax, kText},
    {kKf, kText},         {kRast, kFlag},       {kRastCount, kText},
};

} // namespace

std::vector<std::string> DesignSettingsGaps(const Profile& profile) {
    const std::string section = "[" + std::string(kSection) + "] ";
    if (!profile.HasSection(kSection)) {
        return {"раздел [" + std::string(kSection) + "]"};
    }
    std::vector<std::string> gaps;
    for (const KeyKind& kind : kKeys) {
        const std::optional<std::string> value = profile.FindValue(kSection, kind.Key);
        if (!value) {
            gaps.push_back(section + std::string(kind.Key));
            continue;
        }
        if (kind.ListSize == kText) {
            continue;
        }
        const std::optional<int32_t> number = profile.FindInteger(kSection, kind.Key);
        // Any whole number is a flag's value; a list index must name an item of its list.
        const bool fits =
            number && (kind.ListSize == kFlag || (*number >= 0 && *number < kind.ListSize));
        if (!fits) {
            gaps.push_back(section + std::string(kind.Key) + " = " + *value);
        }
    }
    return gaps;
}

DesignSettings ReadDesignSettings(const Profile& profile) {
    const auto text = [&](std::string_view key, std::string_view fallback) {
        return profile.ReadString(kSection, key, fallback);
    };
    const auto index = [&](std::string_view key) { return profile.ReadInteger(kSection, key, 0); };
    const auto flag = [&](std::string_view key, bool fallback) {
        return profile.ReadBool(kSection, key, fallback);
    };

    DesignSettings settings;
    settings.TypeIndex = index(kType);
    settings.WidthCount = text(kWidthCount, "1");
    settings.Width = text(kWidth, "10");
    settings.Height = text(kHeight, "100");
    settings.ClassRespIndex = index(kClassResp);
    settings.ClassExpIndex = index(kClassExp);
    settings.Antipiren = flag(kAntipiren, false);
    // Each true choice of a radio group switches the others off, so the last true one wins.
    const bool temp35 = flag(kTemp35, true);
    const bool temp35To50 = flag(kTemp35To50, false);
    const bool temp50 = flag(kTemp50, false);
    if (temp50) {
        settings.TemperatureMode = TTemperatureMode::From50;
    } else if (temp35To50) {
        settings.TemperatureMode = TTemperatureMode::From35To50;
    } else if (temp35) {
        settings.TemperatureMode = TTemperatureMode::UpTo35;
    }
    settings.Temp = text(kTemp, "40");
    settings.DeflectionIndex = index(kDeflection);
    const bool longTerm = flag(kLongTerm, false);
    const bool shortTerm = flag(kShortTerm, true);
    if (shortTerm) {
        settings.Loads = DeflectionLoads::ShortTerm;
    } else if (longTerm) {
        settings.Loads = DeflectionLoads::LongTerm;
    }
    settings.LP = text(kLP, "");
    settings.Mmax = text(kMmax, "");
    settings.Kf = text(kKf, "");
    settings.Rast = flag(kRast, false);
    settings.RastCount = text(kRastCount, "");
    return settings;
}

void WriteDesignSettings(Profile& profile, const DesignSettings& settings) {
    const auto text = [&](std::string_view key, const std::string& value) {
        profile.WriteString(kSection, key, value);
    };
    const auto number = [&](std::string_view key, int32_t value) {
        profile.WriteInteger(kSection, key, value);
    };
    const auto flag = [&](std::string_view key, bool value) {
        profile.WriteBool(kSection, key, value);
    };

    number(kType, settings.TypeIndex);
    text(kWidthCount, settings.WidthCount);
    text(kWidth, settings.Width);
    text(kHeight, settings.Height);
    number(kClassResp, settings.ClassRespIndex);
    number(kClassExp, settings.ClassExpIndex);
    flag(kAntipiren, settings.Antipiren);
    flag(kTemp35, settings.TemperatureMode == TTemperatureMode::UpTo35);
    flag(kTemp35To50, settings.TemperatureMode == TTemperatureMode::From35To50);
    flag(kTemp50, settings.TemperatureMode == TTemperatureMode::From50);
    text(kTemp, settings.Temp);
    number(kDeflection, settings.DeflectionIndex);
    flag(kLongTerm, settings.Loads == DeflectionLoads::LongTerm);
    flag(kShortTerm, settings.Loads == DeflectionLoads::ShortTerm);
    text(kLP, settings.LP);
    text(kMmax, settings.Mmax);
    text(kKf, settings.Kf);
    flag(kRast, settings.Rast);
    text(kRastCount, settings.RastCount);
}

} // namespace balka
