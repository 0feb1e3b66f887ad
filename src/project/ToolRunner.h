// Runs the desktop's helper programs (cache rebuilders and the like) whose absence or failure
// changes nothing for the user: their result is not looked at.
#pragma once

#include <string>
#include <vector>

namespace balka {

class ToolRunner {
  public:
    virtual ~ToolRunner() = default;
    // `command` is the program name, looked up in PATH, then its arguments.
    virtual void Run(const std::vector<std::string>& command) = 0;
};

// Starts the program with its output discarded and waits for it to end; a program that is not
// installed is skipped.
class SpawnedToolRunner : public ToolRunner {
  public:
    void Run(const std::vector<std::string>& command) override;
};

} // namespace balka
