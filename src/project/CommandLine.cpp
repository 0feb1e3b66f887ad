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

constexpr const char* kJsonOption = "--json";
constexpr const char* kSelectOption = "--select";
constexpr const char* kReportOption = "--report";
constexpr const char* kChartOption = "--chart";
constexpr const char* kPdfOption = "--pdf";
constexpr const char* kUsage =
    "Использование: dravolit-balka --calc ФАЙЛ.lvl [--json] [--report ПАПКА] [--pdf ОТЧЕТ.pdf]\n"
    "               dravolit-balka --calc ФАЙЛ.lvl --select [--json] [--chart РИСУНОК.png]";
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

enum class OutputForm { Summary, Json };
enum class DesignMode { Calculation, Selection };

struct Call {
    std::string Path;
    OutputForm Form = OutputForm::Summary;
    DesignMode Mode = DesignMode::Calculation;
    std::optional<std::filesystem::path> ReportFolder;
    std::optional<std::filesystem::path> ChartFile;
    std::optional<std::filesystem::path> PdfFile;

    bool WantsReport() const { return ReportFolder || PdfFile; }
};

// --calc, then the file and the options in any order, each at most once; --report and --pdf
// only for a calculation, --chart only for a selection.
std::optional<Call> ParseCall(const std::vector<std::string>& args) {
    if (args.empty() || args.front() != kCalcOption) {
        return std::nullopt;
    }
    Call call;
    bool havePath = false;
    bool haveJson = false;
    bool haveSelect = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool valueFollows = i + 1 < args.size() && !args[i + 1].empty();
        if (arg == kJsonOption && !haveJson) {
            haveJson = true;
            call.Form = OutputForm::Json;
        } else if (arg == kSelectOption && !haveSelect) {
            haveSelect = true;
            call.Mode = DesignMode::Selection;
        } else if (arg == kReportOption && !call.ReportFolder && valueFollows) {
            call.ReportFolder = args[++i];
        } else if (arg == kChartOption && !call.ChartFile && valueFollows) {
            call.ChartFile = args[++i];
        } else if (arg == kPdfOption && !call.PdfFile && valueFollows) {
            call.PdfFile = args[++i];
        } else if (!havePath && !arg.empty() && arg.rfind("--", 0) != 0) {
            call.Path = arg;
            havePath = true;
        } else {
            return std::nullopt;
        }
    }
    if (!havePath || (call.WantsReport() && call.Mode == DesignMode::Selection) ||
        (call.ChartFile && call.Mode == DesignMode::Calculation)) {
        return std::nullopt;
    }
    return call;
}

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
    const Call& Request;
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
    const Call& request = context.Request;
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

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CommandLineSetup& setup) {
    const std::optional<Call> call = ParseCall(args);
    if (!call) {
        err << kUsage << '\n';
        return kCommandLineFailed;
    }

    SilentMainView view;
    CollectingMessageSink messages;
    Workspace workspace(view, messages, setup.ProgramFolder);
    // As at the program's start: the lists first, so the project's design choices find them.
    workspace.LoadReferenceData();
    workspace.Beam.FilePath = call->Path;
    RecalcOutcome outcome = RecalcOutcome::Finished;
    // What was said before the failure (a reference file, a file lacking part of a project)
    // comes first, as the desktop would show its message boxes.
    const auto fail = [&](const std::exception& error) {
        if (const auto said = JoinedMessages(messages.Texts)) {
            err << *said << '\n';
        }
        err << error.what() << '\n';
        return kCommandLineFailed;
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
        DesignContext context{workspace, messages, *call, setup.Pictures};
        // A value beyond the dialog's checks that does not convert (a material table that could
        // not be read), or a file that cannot be written, ends the design as it would on screen.
        try {
            design = call->Mode == DesignMode::Selection ? SelectSection(context)
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
    if (call->Form == OutputForm::Json) {
        out << CalculationToJson(
                   {statics, outcome, message, design.Design, design.Selection, reactions})
                   .dump(2)
            << '\n';
    } else if (!stopped) {
        out << CalculationSummary(statics, reactions);
        if (!design.Text.empty()) {
            out << '\n' << design.Text;
        }
    }
    if (stopped) {
        err << kCannotCarryLoad << '\n';
        return kCommandLineFailed;
    }
    // What the program said, as the desktop would show it in message boxes: a reference file
    // that could not be read, a refusal, a span whose deflection cannot be found.
    if (message) {
        err << *message << '\n';
    }
    switch (design.Verdict) {
    case DesignVerdict::CouldNotRun:
        return kCommandLineFailed;
    case DesignVerdict::Failed:
        return kCommandLineChecksFailed;
    case DesignVerdict::NotRun:
    case DesignVerdict::Passed:
        break;
    }
    return kCommandLineSucceeded;
}

} // namespace balka
