// Feeds every file of the folders named on the command line, in name order, to the fuzz entry
// point compiled without libFuzzer. A fault ends the program (an exception escapes, a check
// aborts); otherwise it prints how many files it read and returns 0. A missing folder is an
// error, so a renamed corpus cannot pass unnoticed.
#include "FuzzSupport.h"

#include "model/FileAccess.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

int main(int argc, char** argv) {
    size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path folder = argv[i];
        if (!std::filesystem::is_directory(folder)) {
            std::cerr << "no folder " << folder << '\n';
            return 1;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_regular_file() && entry.path().filename() != ".gitkeep") {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
        for (const std::filesystem::path& file : files) {
            const std::optional<std::string> bytes = balka::ReadWholeFile(file);
            if (!bytes) {
                std::cerr << "cannot read " << file << '\n';
                return 1;
            }
            std::cout << file.filename().string() << '\n';
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size());
            ++count;
        }
    }
    std::cout << count << " inputs replayed\n";
    return 0;
}
