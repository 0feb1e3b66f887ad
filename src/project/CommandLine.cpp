// The command line drives the same Workspace as the desktop program, with a main view that draws
// nothing and a message sink that keeps the texts for the output. The design settings are
// checked by the design dialog's own model, so a setting the dialog refuses is refused here
// with the same words.
#include "project/CommandLine.h"

#include "design/DesignCalculation.h"
#include "editors/DesignDialog.h"
#include "graphics/DrawingStyle.h"
#include "graphics/ReportPicture.h"
#include "graphics/SelectionChart.h"
#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/SilentMainView.h"
#include "project/CalculationJson.h"
#include "project/CalculationSummary.h"
#include "project/CommandLineCall.h"
#include "project/DesignJson.h"
#include "project/DesignSummary.h"
#include "project/ProjectCommands.h"
#include "report/ComposeReport.h"
#include "report/ReportFile.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <optional>
#include <system_error>

namespace balka {

namespace {

constexpr const char* kCannotCarryLoad =
    "Расчет невозможен: при таких крайних опорах балка не может нести нагрузку.";
// The design dialog's own words for a beam without a scheme to design on.
constexpr const char* kNotReady = "Сформируйте расчетную схему с нагрузками.";
// As tall as the selection panel of the design dialog; its width is the dialog's as well.
constexpr int32_t kChartHeight = 544;

class CollectingMessageSink : public MessageSink {
  public:
    std::vector<std::string> Texts;
    void ShowMessage(const std::string& text) override { Texts.push_back(text); }
};

std::optional<std::string> JoinedMessages(const std::vector<std::string>& texts) {
    if (texts.empty()) {
        return std::nullopt;
    }
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : "\n") + text;
    }
    return joined;
}

enum class DesignVerdict { NotRun, Passed, Failed, CouldNotRun };

struct DesignRun {
    DesignVerdict Verdict = DesignVerdict::NotRun;
    nlohmann::ordered_json Design = nullptr;
    std::optional<nlohmann::ordered_json> Selection;
    std::string Text;
};

struct DesignContext {
    Workspace& Space;
    CollectingMessageSink& Messages;
    const CommandLineCall& Request;
    const CommandLinePictures& Pictures;
};

// The reason is a message of the run like the dialog's own refusals, so it is printed and the
// JSON's "message" holds it.
void Refuse(DesignRun& run, DesignContext& context, const std::string& reason) {
    context.Messages.ShowMessage(reason);
    run.Verdict = DesignVerdict::CouldNotRun;
}

// report.html and picture.jpg side by side in `folder`, made when missing.
std::filesystem::path WriteReportInto(DesignContext& context, const TDesignInput& input,
                                      const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    TBeam& beam = context.Space.Beam;
    const std::filesystem::path picture =
        std::filesystem::absolute(folder, ignored) / ReportPictureFileName;
    if (context.Pictures.MakeCanvas) {
        DrawingStyle style;
        const std::unique_ptr<Canvas> canvas =
            context.Pictures.MakeCanvas(ReportPictureWidth, ReportPictureHeight);
        WriteReportPicture(beam, style, *canvas, picture);
    }
    TBeamCalc& calc = context.Space.BeamCalc;
    calc.Report = ComposeReport(TReportInput{beam, calc, input, context.Space.Loads.Grid});
    return WriteReportFile(folder, calc.Report);
}

// A folder of its own under the system's temporary folder, removed with everything in it when
// the object goes: the report asked for only as PDF is composed there.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::error_code error;
        std::string name =
            (std::filesystem::temp_directory_path(error) / "dravolit-balka-XXXXXX").string();
        if (error || ::mkdtemp(name.data()) == nullptr) {
            throw FileError("Не удалось создать временную папку для отчета.");
        }
        path_ = name;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The report files asked for: report.html with its picture in the --report folder, the PDF file
// of --pdf made from them. Throws FileError when a file cannot be written.
void WriteRequestedReport(DesignRun& run, DesignContext& context, const TDesignInput& input) {
    const CommandLineCall& request = context.Request;
    std::optional<ScratchFolder> scratch;
    if (!request.ReportFolder) {
        scratch.emplace();
    }
    const std::filesystem::path report =
        WriteReportInto(context, input, scratch ? scratch->Path() : *request.ReportFolder);
    if (request.ReportFolder) {
        run.Text += "Отчет: " + report.string() + "\n";
    }
    if (request.PdfFile) {
        if (!context.Pictures.WriteReportPdf) {
            throw FileError("Не удалось записать файл \"" + request.PdfFile->string() + "\".");
        }
        context.Pictures.WriteReportPdf(report, *request.PdfFile);
        run.Text += "Отчет в PDF: " + request.PdfFile->string() + "\n";
    }
}

DesignRun CalculateSection(DesignContext& context) {
    DesignRun run;
    TBeam& beam = context.Space.Beam;
    if (!beam.SchemeReady) {
        // Without a report asked for, a beam without loads is only a statics question.
        if (context.Request.WantsReport()) {
            Refuse(run, context, kNotReady);
        }
        return run;
    }
    const std::optional<TDesignInput> input =
        context.Space.Design.ReadInput(DesignDialog::SizeFields::Read);
    if (!input) {
        run.Verdict = DesignVerdict::CouldNotRun;
        return run;
    }
    const TDesignOutcome outcome = RunDesignCalculation(beam, context.Space.BeamCalc, *input);
    if (outcome.Status == TDesignStatus::Refused) {
        Refuse(run, context, outcome.Message);
        return run;
    }
    run.Verdict =
        context.Space.BeamCalc.AllChecksPassed ? DesignVerdict::Passed : DesignVerdict::Failed;
    run.Design = DesignToJson(context.Space.BeamCalc, beam, outcome.Lines);
    run.Text = DesignSummary(outcome.Lines);
    if (context.Request.WantsReport()) {
        try {
            WriteRequestedReport(run, context, *input);
        } catch (const FileError& error) {
            Refuse(run, context, error.what());
        }
    }
    return run;
}

void WriteChart(DesignRun& run, DesignContext& context, const std::filesystem::path& file) {
    const std::string cannotWrite = "Не удалось записать файл \"" + file.string() + "\".";
    const CommandLinePictures& pictures = context.Pictures;
    if (!pictures.MakeCanvas || !pictures.EncodePng) {
        Refuse(run, context, cannotWrite);
        return;
    }
    const std::unique_ptr<Canvas> canvas =
        pictures.MakeCanvas(context.Space.Design.SelectionPanelWidth, kChartHeight);
    DrawSelectionChart(context.Space.Design.Chart, *canvas);
    const std::string png = pictures.EncodePng(*canvas);
    if (png.empty()) {
        Refuse(run, context, cannotWrite);
        return;
    }
    try {
        WriteFileReplacing(file, png);
    } catch (const FileError& error) {
        Refuse(run, context, error.what());
    }
}

// The dialog's own "Подбор": the same checks, the same chart and the same chart width.
DesignRun SelectSection(DesignContext& context) {
    DesignRun run;
    DesignDialog& dialog = context.Space.Design;
    dialog.OnSelect();
    if (dialog.ShownPanel != DesignDialog::ResultPanel::Selection) {
        run.Verdict = DesignVerdict::CouldNotRun;
        return run;
    }
    const SelectionChartData& chart = dialog.Chart;
    const bool somePasses =
        std::any_of(chart.Codes.begin(), chart.Codes.end(), [](const auto& row) {
            return std::find(row.begin(), row.end(), SelectionPasses) != row.end();
        });
    run.Verdict = somePasses ? DesignVerdict::Passed : DesignVerdict::Failed;
    run.Selection = SelectionToJson(chart);
    run.Text = SelectionSummary(chart);
    if (context.Request.ChartFile) {
        WriteChart(run, context, *context.Request.ChartFile);
    }
    return run;
}

// One project's output: its summary text or its JSON line, and the lines for stderr.
struct ProjectRun {
    int Status = kCommandLineSucceeded;
    std::string Out;
    std::vector<std::string> Errors;
};

void AddErrorLines(ProjectRun& run, const std::string& text) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        run.Errors.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// Each project in a workspace of its own, so nothing of one project reaches the next.
ProjectRun RunProject(const CommandLineCall& call, const std::string& path,
                      const CommandLineSetup& setup) {
    ProjectRun run;
    SilentMainView view;
    CollectingMessageSink messages;
    Workspace workspace(view, messages, setup.Folders);
    // As at the program's start: the lists first, so the project's design choices find them.
    workspace.LoadReferenceData();
    workspace.Beam.FilePath = path;
    RecalcOutcome outcome = RecalcOutcome::Finished;
    // What was said before the failure (a reference file, a file lacking part of a project)
    // comes first, as the desktop would show its message boxes.
    const auto fail = [&](const std::exception& error) {
        if (const auto said = JoinedMessages(messages.Texts)) {
            AddErrorLines(run, *said);
        }
        AddErrorLines(run, error.what());
        run.Status = kCommandLineFailed;
        return run;
    };
    try {
        outcome = LoadProject(workspace);
    } catch (const FileError& error) {
        return fail(error);
    } catch (const ConversionError& error) {
        return fail(error);
    }

    const bool stopped = outcome == RecalcOutcome::StoppedUnstable;
    const TSupportReactions reactions = workspace.Reactions.Result;
    const std::string imbalance = ReactionBalanceMessage(reactions);
    if (!imbalance.empty()) {
        messages.ShowMessage(imbalance);
    }
    // The design reruns the statics with the deflection loads on the beam; the output shows the
    // beam as the recalculation left it.
    const TBeam statics = workspace.Beam;
    DesignRun design;
    if (!stopped) {
        DesignContext context{workspace, messages, call, setup.Pictures};
        // A value beyond the dialog's checks that does not convert (a material table that could
        // not be read), or a file that cannot be written, ends the design as it would on screen.
        try {
            design = call.Mode == DesignMode::Selection ? SelectSection(context)
                                                        : CalculateSection(context);
        } catch (const std::exception& error) {
            design = DesignRun{};
            Refuse(design, context, error.what());
        }
    }
    std::optional<std::string> message = JoinedMessages(messages.Texts);
    if (stopped) {
        message = kCannotCarryLoad;
    }
    if (call.Form == OutputForm::Json) {
        run.Out = CalculationToJson(
                      {statics, outcome, message, design.Design, design.Selection, reactions, path})
                      .dump() +
                  "\n";
    } else if (!stopped) {
        run.Out = CalculationSummary(statics, reactions);
        if (!design.Text.empty()) {
            run.Out += "\n" + design.Text;
        }
    }
    // What the program said, as the desktop would show it in message boxes: a reference file
    // that could not be read, a refusal, a span whose deflection cannot be found.
    if (message) {
        AddErrorLines(run, *message);
    }
    if (stopped || design.Verdict == DesignVerdict::CouldNotRun) {
        run.Status = kCommandLineFailed;
    } else if (design.Verdict == DesignVerdict::Failed) {
        run.Status = kCommandLineChecksFailed;
    }
    return run;
}

// The projects one after another; with several, each text under its file's name and each
// reason after it, as the standard tools show several files.
int RunCalculation(const CommandLineCall& call, std::ostream& out, std::ostream& err,
                   CommandLineSetup setup) {
    ProvideReferenceFiles(setup.Folders);
    const bool several = call.Paths.size() > 1;
    int worst = kCommandLineSucceeded;
    for (size_t i = 0; i < call.Paths.size(); ++i) {
        const std::string& path = call.Paths[i];
        const ProjectRun run = RunProject(call, path, setup);
        if (several && call.Form == OutputForm::Summary) {
            out << (i == 0 ? "" : "\n") << "==> " << path << " <==\n";
        }
        out << run.Out;
        out.flush();
        for (const std::string& line : run.Errors) {
            err << (several ? path + ": " : "") << line << '\n';
        }
        worst = std::max(worst, run.Status);
    }
    return worst;
}

} // namespace

ProgramMode ChooseProgramMode(const std::vector<std::string>& args) {
    const CommandLineCall call = ParseCommandLine(args);
    switch (call.Kind) {
    case CallKind::Desktop:
        return ProgramMode::Desktop;
    case CallKind::Calculation:
        return call.Draws() ? ProgramMode::DrawingCommandLine : ProgramMode::CommandLine;
    case CallKind::Help:
    case CallKind::Version:
    case CallKind::Wrong:
        break;
    }
    return ProgramMode::CommandLine;
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CommandLineSetup& setup) {
    const CommandLineCall call = ParseCommandLine(args);
    switch (call.Kind) {
    case CallKind::Help:
        out << HelpText();
        return kCommandLineSucceeded;
    case CallKind::Version:
        out << VersionText();
        return kCommandLineSucceeded;
    case CallKind::Calculation:
        return RunCalculation(call, out, err, setup);
    case CallKind::Desktop:
    case CallKind::Wrong:
        break;
    }
    err << UsageText();
    return kCommandLineFailed;
}

} // namespace balka
