// The one owner of the project state for the whole run: the beam model, the window models and
// the recalculation that joins them. Created by main or by a test and passed by reference; the
// window models reach each other through it.
#pragma once

#include "editors/GeometryEditor.h"
#include "editors/HolesEditor.h"
#include "editors/LoadsEditor.h"
#include "model/Beam.h"
#include "model/MainView.h"
#include "model/MessageSink.h"
#include "model/Recalculate.h"
#include "project/DesignSettings.h"

namespace balka {

class Workspace {
public:
    Workspace(MainView& view, MessageSink& messages);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    MainView& View;
    MessageSink& Messages;
    TBeam Beam;
    GeometryEditor Geometry{*this};
    LoadsEditor Loads{*this};
    HolesEditor Holes{*this};
    // The design dialog's fields; its element count, width and height also give the mass.
    DesignSettings Design;

    // Rebuilds the beam from the editors and brings the views up to date. A cell that does
    // not convert throws ConversionError for the application's error handler.
    RecalcOutcome Recalculate();
    RecalcInputs CollectInputs() const;
};

} // namespace balka
