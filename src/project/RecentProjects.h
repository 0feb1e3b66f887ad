// The list of the last projects opened or saved, newest first, as "Файл" → "Последние проекты"
// shows it; the view keeps it between runs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace balka {

constexpr std::size_t kRecentProjectCount = 5;

// `path` moves to the front (or enters it); the list keeps at most kRecentProjectCount paths.
std::vector<std::string> AddRecentProject(std::vector<std::string> recent, const std::string& path);

// The folder of `path` (everything before its last '/'), for the next file dialog to start in.
std::string FolderOfPath(const std::string& path);

} // namespace balka
