#include "project/RecentProjects.h"

#include <gtest/gtest.h>

namespace balka {
namespace {

TEST(RecentProjectsTest, NewestFirstWithoutRepeatsAndAtMostFive) {
    std::vector<std::string> recent;
    for (const char* path : {"/a.lvl", "/b.lvl", "/c.lvl", "/d.lvl", "/e.lvl", "/f.lvl"}) {
        recent = AddRecentProject(recent, path);
    }
    EXPECT_EQ(recent, (std::vector<std::string>{"/f.lvl", "/e.lvl", "/d.lvl", "/c.lvl", "/b.lvl"}));
    recent = AddRecentProject(recent, "/c.lvl");
    EXPECT_EQ(recent, (std::vector<std::string>{"/c.lvl", "/f.lvl", "/e.lvl", "/d.lvl", "/b.lvl"}));
}

TEST(RecentProjectsTest, FolderIsWhatComesBeforeTheLastSlash) {
    EXPECT_EQ(FolderOfPath("/home/user/Балка.lvl"), "/home/user");
    EXPECT_EQ(FolderOfPath("/Балка.lvl"), "/");
    EXPECT_EQ(FolderOfPath("Балка.lvl"), "");
}

} // namespace
} // namespace balka
