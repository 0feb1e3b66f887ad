// Program start. The command line's calculations, the usage and the version run here without any
// graphics; the windows, and the calculations that draw pictures, run in the desktop part, which
// is loaded only for them (a check of a thousand projects pays no toolkit start).
#include "app/DesktopPart.h"
#include "model/Numbers.h"
#include "project/CommandLine.h"
#include "workspace/ProgramFolders.h"

#include <dlfcn.h>
#include <iostream>
#include <string>
#include <vector>

namespace {

int RunDesktopPart(const balka::ProgramFolders& folders, const char* entryName, int argc,
                   char* argv[]) {
    const std::string library = (folders.Libraries / balka::DesktopPartFileName).string();
    void* part = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = part == nullptr ? nullptr : ::dlsym(part, entryName);
    if (entry == nullptr) {
        const char* reason = ::dlerror();
        std::cerr << "Не удалось загрузить графическую часть программы \"" << library
                  << "\": " << (reason == nullptr ? "" : reason) << '\n';
        return balka::kCommandLineFailed;
    }
    // The part stays loaded until the process ends: its objects outlive this call.
    return reinterpret_cast<balka::DesktopPartEntry>(entry)(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace balka;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CommandLineSetup setup;
    setup.Folders =
        ChooseProgramFolders(RunningExecutable().parent_path(), ProcessUserEnvironment());
    switch (ChooseProgramMode(arguments)) {
    case ProgramMode::Desktop:
        return RunDesktopPart(setup.Folders, DesktopEntryName, argc, argv);
    case ProgramMode::DrawingCommandLine:
        return RunDesktopPart(setup.Folders, DrawingCommandLineEntryName, argc, argv);
    case ProgramMode::CommandLine:
        break;
    }
    SetDecimalSeparator(DetectDecimalSeparator());
    return RunCommandLine(arguments, std::cout, std::cerr, setup);
}
