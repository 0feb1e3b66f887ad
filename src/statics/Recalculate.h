// The recalculation: editors' tables in, a fresh beam model with its statics out, and the
// caption and status bar brought up to date. The tables hold text; a cell that does not
// convert, or holds a value outside its range or its span, ends the recalculation with a
// ConversionError naming the table, row and column. However it ends, no earlier result stands:
// the report view goes, and SchemeReady is set again only by a run that finishes.
#pragma once

#include "model/Beam.h"
#include "model/MainView.h"
#include "model/TextTable.h"

#include <string>

namespace balka {

// The design dialog's section texts, read for the mass.
struct SectionTexts {
    std::string ElementCount;
    std::string Width;
    std::string Height;
};

// Everything the recalculation reads of the windows: the three editor tables, the geometry
// editor's slope text and support choices (index 0..2, -1 when none is chosen), and the design
// dialog's element count, width and height texts for the mass.
struct RecalcInputs {
    const TextTable& Spans;
    const TextTable& Loads;
    const TextTable& Holes;
    std::string SlopeText;
    int LeftSupportIndex = 0;
    int RightSupportIndex = 0;
    SectionTexts Section;
};

enum class RecalcOutcome {
    Finished,
    // The end supports cannot carry load: the scheme is drawn with a note why no diagrams
    // follow, no statics, both flags cleared, and the status bar says why.
    StoppedUnstable,
    // A value did not convert or lies out of range: Recalculate throws ConversionError after
    // clearing both flags, the spans and the picture, the status bar saying so; the workspace
    // keeps this outcome for the commands that refuse until a recalculation has finished.
    StoppedOnInput,
};

RecalcOutcome Recalculate(TBeam& beam, const RecalcInputs& inputs, MainView& view);

void ReadSpans(TBeam& beam, const RecalcInputs& inputs);
void ReadLoads(TBeam& beam, const TextTable& loads);
void ReadHoles(TBeam& beam, const TextTable& holes);

void ShowAngleAndLength(const TBeam& beam, MainView& view);
void ShowMass(const TBeam& beam, const SectionTexts& section, MainView& view);
void ShowStatus(const TBeam& beam, MainView& view);

// The window caption for the project's file and modified state.
std::string ProgramCaption(const TBeam& beam, bool modified);

} // namespace balka
