// The design dialog's fields as the project file keeps them: the texts of its boxes, the item
// indexes of its lists (counted from 0) and the states of its choices, without any checking;
// the dialog validates them only when a calculation starts. A new record holds the dialog's
// own defaults. The record is read from and written to the project file's "Расчет" section,
// every key in the file's order.
#pragma once

#include "design/DesignRecords.h"
#include "model/Profile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace balka {

// Which loads the deflections are computed from (the radio pair of the dialog).
enum class DeflectionLoads {
    LongTerm, // "учитывать постоянные и длительные" (rbDlitelnie)
    ShortTerm, // "учитывать постоянные и кратковременные" (rbKratkovremennie)
};

struct DesignSettings {
    int32_t TypeIndex = 0;        // cbType: the material type, a row of the material table
    std::string WidthCount = "1"; // edWidthCount: elements side by side
    std::string Width;            // cbWidth, mm; the dialog puts the first catalogue width here
    std::string Height;           // cbHeight, mm; likewise the first catalogue height
    int32_t ClassRespIndex = 1;   // cbClassResp: items "1", "2", "3"
    int32_t ClassExpIndex = 0;    // cbClassExp: items "1", "2", "3"
    bool Antipiren = false;       // cbAntipiren: deep fire-retardant impregnation
    TTemperatureMode TemperatureMode = TTemperatureMode::UpTo35; // rbTemp35, rbTemp35_50, rbTemp50
    std::string Temp = "40";                                     // edTemp, degrees C
    int32_t DeflectionIndex = 2; // cbDeflection: "L/120", "L/150", "L/200", ... "L/600"
    DeflectionLoads Loads = DeflectionLoads::ShortTerm;
    std::string LP;        // edLP, m; empty when not given
    std::string Mmax;      // edMmax, kg*m; empty when not given
    std::string Kf;        // edKf; empty when not given
    bool Rast = false;     // cbRast: the tension edge is braced
    std::string RastCount; // edRastCount: braced points of the tension edge

    bool operator==(const DesignSettings&) const = default;
};

// The "Расчет" section. A missing key reads as the file's default for it, which differs from
// the dialog's own default for the class of responsibility (index 0), the deflection limit
// (index 0), the width ("10") and the height ("100"). The radio choices are read in the file's
// order as the dialog sets them, so the last one that reads true wins; when none does, the
// dialog's default choice is kept.
DesignSettings ReadDesignSettings(const Profile& profile);
void WriteDesignSettings(Profile& profile, const DesignSettings& settings);

// What a complete "Расчет" section has and this profile lacks, each read as its default: the
// whole section ("раздел [Расчет]"), a key ("[Расчет] Ширина сечения"), or a value that names
// no item of its list or is no whole number ("[Расчет] Допустимый прогиб = 12").
std::vector<std::string> DesignSettingsGaps(const Profile& profile);

} // namespace balka
