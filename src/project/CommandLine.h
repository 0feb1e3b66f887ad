// The headless command line: dravolit-balka --calc FILE.lvl [--json]. It opens the project as the
// program does at start (no name check), recalculates it without any window, and prints a short
// Russian summary or, with --json, the beam and its spans as JSON. Every failure (no such file
// or an unreadable one, a cell that does not convert, end supports that cannot carry load, a
// wrong call) prints its Russian reason on `err` and gives exit status 2; success gives 0.
// Numbers are read with the program's decimal separator, which the caller sets first.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace balka {

constexpr int kCommandLineSucceeded = 0;
constexpr int kCommandLineFailed = 2;

// The first argument that selects the command line instead of the desktop program.
constexpr const char* kCalcOption = "--calc";

// `args` are the program's arguments after its own name, the first being kCalcOption.
// Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace balka
