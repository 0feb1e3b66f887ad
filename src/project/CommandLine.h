// The program's arguments and the headless command line:
//   dravolit-balka [ФАЙЛ.lvl]                      the desktop program, opening the file
//   dravolit-balka --calc ФАЙЛ.lvl... [--json] [--report ПАПКА] [--pdf ОТЧЕТ.pdf]
//   dravolit-balka --calc ФАЙЛ.lvl... --select [--json] [--chart РИСУНОК.png]
//   dravolit-balka --help | --version
// --calc opens each project as the program does at start (no name check), after reading the
// reference data, recalculates it without any window and prints a short Russian summary or,
// with --json, the beam and its spans as one JSON document on one line. When the scheme is
// ready it also designs the section of the file's design settings, checked as the design
// dialog checks them, and prints the verdict lines; --select tries every catalogue size
// instead. --report writes report.html and picture.jpg into a folder, --pdf the same report as
// a PDF file laid out as the desktop program prints it, --chart draws the selection; each takes
// one project. Several projects are calculated one after another, each
// text under a "==> ФАЙЛ <==" line and each reason on stderr after the file's name.
// Exit status, the worst over the projects: 0 every check passed (for a selection: some size
// passes every check), 1 some check failed (no size passes), 2 nothing could be calculated,
// with the Russian reason on `err` (no such file or an unreadable one, a file that is no
// project, a cell that does not convert or a value out of its range, end supports that cannot
// carry load, a design setting refused, a file that cannot be written), or a wrong call, with
// the usage on `err`.
// Numbers are read with the program's decimal separator, which the caller sets first.
#pragma once

#include "graphics/Canvas.h"
#include "workspace/ProgramFolders.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace balka {

constexpr int kCommandLineSucceeded = 0;
constexpr int kCommandLineChecksFailed = 1;
constexpr int kCommandLineFailed = 2;

// Which part of the program serves a call.
enum class ProgramMode {
    // The windows: no arguments, or a project file and the toolkit's own options.
    Desktop,
    // The command line without any graphics: a calculation that draws nothing, the usage, the
    // version, a wrong call.
    CommandLine,
    // A calculation that draws a picture or lays out a PDF file, which needs the toolkit.
    DrawingCommandLine,
};

// `args` are the program's arguments after its own name.
ProgramMode ChooseProgramMode(const std::vector<std::string>& args);

// What the toolkit lends the command line for its pictures and its PDF file.
struct CommandLinePictures {
    // A blank raster picture of the given size in pixels; without it no picture is drawn.
    std::function<std::unique_ptr<Canvas>(int32_t width, int32_t height)> MakeCanvas;
    // The picture's pixels as the bytes of a PNG file; empty when it cannot be encoded.
    std::function<std::string(const Canvas& picture)> EncodePng;
    // Writes report.html (with picture.jpg beside it) as the PDF file `pdf`; throws FileError
    // when it cannot. Without it no PDF can be made.
    std::function<void(const std::filesystem::path& report, const std::filesystem::path& pdf)>
        WriteReportPdf;
};

struct CommandLineSetup {
    // ReferenceFiles holds material.txt and sortament.txt.
    ProgramFolders Folders;
    CommandLinePictures Pictures;
};

// `args` are the program's arguments after its own name, for any mode but the desktop.
// Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CommandLineSetup& setup = {});

} // namespace balka
