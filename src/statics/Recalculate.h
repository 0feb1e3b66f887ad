// The recalculation: editors' tables in, a fresh beam model with its statics out, and the
// caption and status bar brought up to date. The tables hold text; a cell that does not
// convert ends the recalculation with a ConversionError naming the table, row and column.
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
    // The end supports cannot carry load: the scheme is drawn, no statics, both flags cleared.
    StoppedUnstable,
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
