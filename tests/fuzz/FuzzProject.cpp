// The project file from its bytes to everything a user can then ask for: opening it (the
// recalculation draws the scheme and the diagrams), the calculation of the file's section with
// its report text and report picture, and the selection over the catalogue with its chart.
// The reference files are the repository's own. A file that cannot be read and a cell that does
// not convert end the work as the program's error handler would; any other exception, a crash
// or undefined behaviour is a fault.
//
// Inputs far beyond a real beam are passed over, so that each input costs milliseconds: more
// than a dozen spans, more than a few dozen loads or holes, a span longer than 30 m or a slope
// steeper than 60 degrees. The program refuses such beams on opening, so no fault hides there.
#include "FuzzSupport.h"

#include "design/DesignRecords.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/DrawingStyle.h"
#include "graphics/ReportPicture.h"
#include "graphics/SchemeDrawing.h"
#include "graphics/SelectionChart.h"
#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/MessageSink.h"
#include "model/Numbers.h"
#include "model/Profile.h"
#include "model/SilentMainView.h"
#include "project/ProjectCommands.h"
#include "workspace/Workspace.h"

#include <cmath>
#include <optional>
#include <string>

namespace {

using namespace balka;

constexpr int32_t kMaxSpans = 12;
constexpr int32_t kMaxRows = 40;
constexpr float kMaxSpanLength = 30.0f;
constexpr float kMaxAngle = 60.0f;

// The main window's drawing with the workspace's style, on a picture of about its size.
class DrawingView : public SilentMainView {
  public:
    DrawingStyle* Style = nullptr;
    void DrawScheme(TBeam& beam) override { balka::DrawScheme(beam, *Style, picture_); }
    void DrawDiagrams(const TBeam& beam) override { balka::DrawDiagrams(beam, *Style, picture_); }

  private:
    fuzz::BlankCanvas picture_{900, 600};
};

class QuietMessages : public MessageSink {
  public:
    void ShowMessage(const std::string&) override {}
};

// A number the file gives that parses beyond `limit` in size (or is no finite number at all).
bool ParsesBeyond(const Profile& profile, const std::string& section, const char* key,
                  float limit) {
    const std::optional<std::string> text = profile.FindValue(section, key);
    if (!text) {
        return false;
    }
    const std::optional<float> value = TryTextToFloat(*text);
    return value && !(std::fabs(*value) <= limit);
}

bool WithinLimits(const Profile& profile) {
    const int32_t spans = profile.ReadInteger("Геометрия", "Количество пролетов", 0);
    const int32_t loads = profile.ReadInteger("Нагрузки", "Количество нагрузок", 0);
    const int32_t holes = profile.ReadInteger("Отверстия", "Количество отверстий", 0);
    if (spans > kMaxSpans || loads > kMaxRows || holes > kMaxRows) {
        return false;
    }
    if (ParsesBeyond(profile, "Геометрия", "Угол", kMaxAngle)) {
        return false;
    }
    for (int32_t span = 1; span <= spans; ++span) {
        if (ParsesBeyond(profile, "Пролет " + std::to_string(span), "Длина", kMaxSpanLength)) {
            return false;
        }
    }
    return true;
}

// The report picture as the calculation draws it: the report's own colours and scale.
void DrawReportPicture(TBeam& beam) {
    DrawingStyle style;
    SetReportColors(style);
    fuzz::BlankCanvas picture(ReportPictureWidth, ReportPictureHeight);
    if (DrawScheme(beam, style, picture) == SchemeResult::Continue) {
        DrawDiagrams(beam, style, picture);
    }
}

void DesignAndSelect(Workspace& workspace) {
    DesignDialog& dialog = workspace.Design;
    dialog.OnCalculate();
    if (workspace.Beam.Calculated) {
        DrawReportPicture(workspace.Beam);
    }
    dialog.OnSelect();
    if (dialog.ShownPanel == DesignDialog::ResultPanel::Selection) {
        fuzz::BlankCanvas chart(dialog.SelectionPanelWidth, 544);
        DrawSelectionChart(dialog.Chart, chart);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::Bytes(data, size);
    SetDecimalSeparator(',');
    if (!WithinLimits(Profile::FromFileBytes(bytes))) {
        return fuzz::kRejectInput;
    }
    const std::filesystem::path file = fuzz::TheInputFolder().Write("project.lvl", bytes);

    DrawingView view;
    QuietMessages messages;
    // The repository's reference files; anything written for a report stays in the input folder.
    ProgramFolders folders = BuildTreeFolders(BALKA_PROGRAM_FOLDER);
    folders.Reports = file.parent_path();
    Workspace workspace(view, messages, folders);
    view.Style = &workspace.Style;
    workspace.LoadReferenceData();
    workspace.Beam.FilePath = file.string();
    try {
        if (LoadProject(workspace) == RecalcOutcome::Finished) {
            DesignAndSelect(workspace);
        }
    } catch (const FileError&) {
    } catch (const ConversionError&) {
    }
    return fuzz::kKeepInput;
}
