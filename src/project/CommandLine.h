// The headless command line:
//   dravolit-balka --calc FILE.lvl [--json] [--report DIR] [--pdf OUT.pdf]
//   dravolit-balka --calc FILE.lvl --select [--json] [--chart OUT.png]
// It opens the project as the program does at start (no name check), after reading the
// reference data from the program folder's "resource", recalculates it without any window and
// prints a short Russian summary or, with --json, the beam and its spans as JSON. When the
// scheme is ready it also designs the section of the file's design settings, checked as the
// design dialog checks them, and prints the verdict lines; --select tries every catalogue size
// instead. --report writes report.html and picture.jpg into DIR; --pdf writes the same report
// as a PDF file laid out as the desktop program prints it; --chart draws the selection.
// Exit status: 0 every check passed (for a selection: some size passes every check), 1 some
// check failed (no size passes), 2 nothing could be calculated, with the Russian reason on
// `err` (no such file or an unreadable one, a file that is no project, a cell that does not
// convert or a value out of its range, end supports that cannot carry load, a design setting
// refused, a file that cannot be written, a wrong call).
// Numbers are read with the program's decimal separator, which the caller sets first.
#pragma once

#include "graphics/Canvas.h"

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

// The first argument that selects the command line instead of the desktop program.
constexpr const char* kCalcOption = "--calc";

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
    // The folder whose "resource" holds material.txt and sortament.txt.
    std::filesystem::path ProgramFolder;
    CommandLinePictures Pictures;
};

// `args` are the program's arguments after its own name, the first being kCalcOption.
// Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CommandLineSetup& setup = {});

} // namespace balka
