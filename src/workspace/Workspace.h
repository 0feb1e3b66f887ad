// The one owner of the project state for the whole run: the window models with the beam they
// share, and the recalculation that joins them. Created by main or by a test and passed by
// reference.
#pragma once

#include "editors/WindowModels.h"
#include "statics/Recalculate.h"

#include <filesystem>

namespace balka {

class Workspace final : public WindowModels {
  public:
    // The reference files lie in "resource" and the report in "temp" under programFolder.
    Workspace(MainView& view, MessageSink& messages, std::filesystem::path programFolder = {});

    // At start-up: reads material.txt and sortament.txt and fills the design dialog's lists.
    void LoadReferenceData();
    RecalcOutcome Recalculate() override;
    RecalcInputs CollectInputs() const;
    // "temp" beside the program.
    std::filesystem::path ReportFolder() const override;
    // "Новый проект": no file, empty tables; the angle, supports and design settings stay.
    RecalcOutcome NewProject();
};

} // namespace balka
