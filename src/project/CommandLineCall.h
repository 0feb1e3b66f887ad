// The program's arguments read into what they ask for, and the texts that explain them: the
// usage shown for a wrong call and the help of --help. An option is given at most once; --help
// and --version win wherever they stand; --report and --pdf take one project of a calculation,
// --chart one project of a selection; any other word starting with "--" is a wrong call.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace balka {

enum class CallKind { Desktop, Help, Version, Calculation, Wrong };
enum class OutputForm { Summary, Json };
enum class DesignMode { Calculation, Selection };

struct CommandLineCall {
    CallKind Kind = CallKind::Wrong;
    // The projects of a calculation in the order given.
    std::vector<std::string> Paths;
    OutputForm Form = OutputForm::Summary;
    DesignMode Mode = DesignMode::Calculation;
    std::optional<std::filesystem::path> ReportFolder;
    std::optional<std::filesystem::path> ChartFile;
    std::optional<std::filesystem::path> PdfFile;

    // Whether the report is asked for, as files, as PDF or both.
    bool WantsReport() const { return ReportFolder.has_value() || PdfFile.has_value(); }
    // Whether the call draws a picture or lays out a PDF file.
    bool Draws() const { return WantsReport() || ChartFile.has_value(); }
};

// `args` are the program's arguments after its own name.
CommandLineCall ParseCommandLine(const std::vector<std::string>& args);

// The short usage printed on stderr after a wrong call, lines ended by '\n'.
std::string UsageText();
// The usage with every option and the exit statuses, printed by --help.
std::string HelpText();
// The program's name and version, printed by --version.
std::string VersionText();

} // namespace balka
