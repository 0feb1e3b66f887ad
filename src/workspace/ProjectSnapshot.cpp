#include "workspace/ProjectSnapshot.h"

#include "model/Numbers.h"

namespace balka {

namespace {

// Rows 1..count of `from` into the freshly cleared `to`, cell by cell, as the editor's own
// rows are added; column 0 is left to the editor's renumbering.
void FillRows(const TextTable& from, int32_t count, TextTable& to) {
    for (int row = 1; row <= count; ++row) {
        if (row >= to.RowCount()) {
            to.AppendRow();
        }
        for (int column = 1; column < to.ColumnCount(); ++column) {
            to.SetCell(column, row, from.Cell(column, row));
        }
    }
}

} // namespace

ProjectData CollectProject(const WindowModels& models) {
    const TBeam& beam = models.Beam;
    ProjectData data;
    data.Spans = models.Geometry.Grid;
    data.SpanCount = beam.SpanCount;
    data.Angle = FormatCompact(beam.SlopeAngle);
    data.LeftSupportIndex = beam.LeftSupport - 1;
    data.RightSupportIndex = beam.RightSupport - 1;
    data.Loads = models.Loads.Grid;
    data.LoadCount = beam.LoadCount;
    data.Holes = models.Holes.Grid;
    data.HoleCount = beam.HoleCount;
    data.Design = models.Design.Settings;
    return data;
}

void ApplyProject(WindowModels& models, const ProjectData& data) {
    TBeam& beam = models.Beam;
    models.Geometry.ClearSpans();
    models.Loads.ClearLoads();
    models.Holes.ClearHoles();

    beam.SpanCount = data.SpanCount;
    models.Geometry.AngleText = data.Angle;
    models.Geometry.LeftSupportIndex = data.LeftSupportIndex;
    models.Geometry.RightSupportIndex = data.RightSupportIndex;
    FillRows(data.Spans, data.SpanCount, models.Geometry.Grid);
    models.Geometry.RenumberSpans();
    models.Loads.RefreshSpanList();

    beam.LoadCount = data.LoadCount;
    FillRows(data.Loads, data.LoadCount, models.Loads.Grid);
    models.Loads.RenumberLoads();
    models.Holes.RefreshSpanList();

    beam.HoleCount = data.HoleCount;
    FillRows(data.Holes, data.HoleCount, models.Holes.Grid);
    models.Holes.RenumberHoles();

    models.Design.SetSettings(data.Design);
}

} // namespace balka
