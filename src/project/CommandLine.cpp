// The command line drives the same Workspace as the desktop program, with a main view that draws
// nothing and a message sink that keeps the texts for the output.
#include "project/CommandLine.h"

#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "model/Workspace.h"
#include "project/CalculationJson.h"
#include "project/CalculationSummary.h"
#include "project/ProjectCommands.h"

#include <optional>

namespace balka {

namespace {

constexpr const char* kJsonOption = "--json";
constexpr const char* kUsage = "Использование: dravolit-balka --calc ФАЙЛ.lvl [--json]";
constexpr const char* kCannotCarryLoad =
    "Расчет невозможен: при таких крайних опорах балка не может нести нагрузку.";

class SilentMainView : public MainView {
  public:
    void SetCaption(const std::string&) override {}
    void SetStatusText(StatusPanel, const std::string&) override {}
    void ShowSchemeView() override {}
    void ClearDrawing() override {}
    void DrawScheme(TBeam&) override {}
    void DrawDiagrams(const TBeam&) override {}
};

class CollectingMessageSink : public MessageSink {
  public:
    std::vector<std::string> Texts;
    void ShowMessage(const std::string& text) override { Texts.push_back(text); }
};

enum class OutputForm { Summary, Json };

struct Call {
    std::string Path;
    OutputForm Form = OutputForm::Summary;
};

// --calc, then the file and optionally --json in either order; nothing else.
std::optional<Call> ParseCall(const std::vector<std::string>& args) {
    if (args.empty() || args.front() != kCalcOption) {
        return std::nullopt;
    }
    Call call;
    bool havePath = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == kJsonOption && call.Form == OutputForm::Summary) {
            call.Form = OutputForm::Json;
        } else if (!havePath && !args[i].empty()) {
            call.Path = args[i];
            havePath = true;
        } else {
            return std::nullopt;
        }
    }
    if (!havePath) {
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

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<Call> call = ParseCall(args);
    if (!call) {
        err << kUsage << '\n';
        return kCommandLineFailed;
    }

    SilentMainView view;
    CollectingMessageSink messages;
    Workspace workspace(view, messages);
    workspace.Beam.FilePath = call->Path;
    RecalcOutcome outcome = RecalcOutcome::Finished;
    try {
        outcome = LoadProject(workspace);
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return kCommandLineFailed;
    } catch (const ConversionError& error) {
        err << error.what() << '\n';
        return kCommandLineFailed;
    }

    const bool stopped = outcome == RecalcOutcome::StoppedUnstable;
    std::optional<std::string> message = JoinedMessages(messages.Texts);
    if (stopped) {
        message = kCannotCarryLoad;
    }
    if (call->Form == OutputForm::Json) {
        out << CalculationToJson({workspace.Beam, outcome, message}).dump(2) << '\n';
    } else if (!stopped) {
        out << CalculationSummary(workspace.Beam);
    }
    if (stopped) {
        err << kCannotCarryLoad << '\n';
        return kCommandLineFailed;
    }
    return kCommandLineSucceeded;
}

} // namespace balka
