// The window models and the project state they share: the beam, the last design numbers, the
// reference data and every editor. The models reach each other through this object, as the
// user sees one window's change cascade into another. Its owner (Workspace) adds what joins the
// windows with the calculation: the recalculation itself and the report folder.
#pragma once

#include "editors/DesignDialog.h"
#include "editors/GeometryEditor.h"
#include "editors/HolesEditor.h"
#include "editors/LoadsEditor.h"
#include "editors/ReactionsDialog.h"
#include "editors/SnowDialog.h"
#include "editors/TemplateDialog.h"
#include "graphics/DrawingStyle.h"
#include "model/Beam.h"
#include "model/BeamCalc.h"
#include "model/MainView.h"
#include "model/MessageSink.h"
#include "refdata/CatalogueEditor.h"
#include "refdata/MaterialEditor.h"
#include "statics/Recalculate.h"

#include <filesystem>

namespace balka {

class WindowModels {
  public:
    // material.txt and sortament.txt lie in referenceFolder.
    WindowModels(MainView& view, MessageSink& messages, std::filesystem::path referenceFolder);
    WindowModels(const WindowModels&) = delete;
    WindowModels& operator=(const WindowModels&) = delete;

    MainView& View;
    MessageSink& Messages;
    std::filesystem::path ReferenceFolder;
    TBeam Beam;
    // The last design calculation or selection, with the report text.
    TBeamCalc BeamCalc;
    // Screen drawing settings; the report picture borrows them for one drawing.
    DrawingStyle Style;
    MaterialEditor Material{ReferenceFolder / "material.txt", Messages};
    CatalogueEditor Catalogue{ReferenceFolder / "sortament.txt", Messages};
    GeometryEditor Geometry{*this};
    LoadsEditor Loads{*this};
    HolesEditor Holes{*this};
    SnowDialog Snow{*this};
    TemplateDialog Template{*this};
    // The design dialog; its element count, width and height also give the mass.
    DesignDialog Design{*this};
    // How the last recalculation ended; until one finishes, the design refuses to run.
    RecalcOutcome LastRecalculation = RecalcOutcome::Finished;
    // The support reactions of the beam, brought up to date by every recalculation.
    ReactionsDialog Reactions;

    // Rebuilds the beam from the editors and brings the views up to date. A cell that does
    // not convert or holds a value out of range throws ConversionError for the application's
    // error handler; every stop collapses the design dialog as a finished run does.
    virtual RecalcOutcome Recalculate() = 0;
    // A window model changed the project without recalculating (the design settings): the
    // owner records the change and marks the caption.
    virtual void ProjectChanged() = 0;
    // Where the report, its picture and its exports are written; the folder is there.
    virtual std::filesystem::path ReportFolder() const = 0;

  protected:
    ~WindowModels() = default;
};

} // namespace balka
