// The program's desktop part: the windows, and the command line's pictures, which need the
// graphics toolkit. It is a library of its own, loaded by main only when a call needs it, so a
// calculation that draws nothing never pays the toolkit's start. Both entries take the program's
// own arguments and return its exit status.
#pragma once

namespace balka {

// Beside the executable in the build tree, in lib/dravolit-balka of an installation.
inline constexpr char DesktopPartFileName[] = "dravolit-balka-desktop.so";

using DesktopPartEntry = int (*)(int argc, char* argv[]);
inline constexpr char DesktopEntryName[] = "BalkaRunDesktop";
inline constexpr char DrawingCommandLineEntryName[] = "BalkaRunDrawingCommandLine";

} // namespace balka

// The desktop program with its windows.
extern "C" int BalkaRunDesktop(int argc, char* argv[]);
// The command line of a calculation that draws a picture, with an off-screen raster.
extern "C" int BalkaRunDrawingCommandLine(int argc, char* argv[]);
