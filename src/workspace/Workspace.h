// The one owner of the project state for the whole run: the beam model, the window models and
// the recalculation that joins them. Created by main or by a test and passed by reference; the
// window models reach each other through it.
#pragma once

#include "design/DesignDialog.h"
#include "design/DesignRecords.h"
#include "editors/GeometryEditor.h"
#include "editors/HolesEditor.h"
#include "editors/LoadsEditor.h"
#include "editors/SnowDialog.h"
#include "editors/TemplateDialog.h"
#include "graphics/DrawingStyle.h"
#include "model/Beam.h"
#include "model/MainView.h"
#include "model/MessageSink.h"
#include "model/Recalculate.h"
#include "refdata/CatalogueEditor.h"
#include "refdata/MaterialEditor.h"

#include <filesystem>

namespace balka {

class Workspace {
  public:
    // The reference files lie in "resource" and the report in "temp" under programFolder.
    Workspace(MainView& view, MessageSink& messages, std::filesystem::path programFolder = {});
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    MainView& View;
    MessageSink& Messages;
    std::filesystem::path ProgramFolder;
    TBeam Beam;
    // The last design calculation or selection, with the report text.
    TBeamCalc BeamCalc;
    // Screen drawing settings; the report picture borrows them for one drawing.
    DrawingStyle Style;
    MaterialEditor Material{ProgramFolder / "resource" / "material.txt", Messages};
    CatalogueEditor Catalogue{ProgramFolder / "resource" / "sortament.txt", Messages};
    GeometryEditor Geometry{*this};
    LoadsEditor Loads{*this};
    HolesEditor Holes{*this};
    SnowDialog Snow{*this};
    TemplateDialog Template{*this};
    // The design dialog; its element count, width and height also give the mass.
    DesignDialog Design{*this};

    // At start-up: reads material.txt and sortament.txt and fills the design dialog's lists.
    void LoadReferenceData();
    // Rebuilds the beam from the editors and brings the views up to date. A cell that does
    // not convert throws ConversionError for the application's error handler.
    RecalcOutcome Recalculate();
    RecalcInputs CollectInputs() const;
    // Where the report and its picture are written: "temp" beside the program.
    std::filesystem::path ReportFolder() const;
    // "Новый проект": no file, empty tables; the angle, supports and design settings stay.
    RecalcOutcome NewProject();
};

} // namespace balka
