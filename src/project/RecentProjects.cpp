#include "project/RecentProjects.h"

#include <algorithm>

namespace balka {

std::vector<std::string> AddRecentProject(std::vector<std::string> recent,
                                          const std::string& path) {
    recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentProjectCount) {
        recent.resize(kRecentProjectCount);
    }
    return recent;
}

std::string FolderOfPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace balka
