// SPDX-License-Identifier: MIT
#include "texts/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace texts {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, RememberedPathComesFirstOnceTheListKeepsFourAndUnstorablePathsStayOut)
{
    const struct
    {
        const char* name;
        List before;
        std::string path;
        List after;
    } cases[] = {
        {"new path", {"/a", "/b"}, "/c", {"/c", "/a", "/b"}},
        {"path already third", {"/a", "/b", "/c", "/d"}, "/c", {"/c", "/a", "/b", "/d"}},
        {"fifth distinct path drops the oldest", {"/a", "/b", "/c", "/d"}, "/e", {"/e", "/a", "/b", "/c"}},
        {"comparison is case-sensitive", {"/a.Q72"}, "/A.Q72", {"/A.Q72", "/a.Q72"}},
        {"over-long path: the last file only", {"/a"}, "/" + std::string(300, 'p'), {"/a"}},
        {"model-like path: the last file only", {"/a"}, "b", {"/a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Preferences prefs;
        prefs.recentFiles = c.before;
        EXPECT_EQ(rememberRecentFile(prefs, c.path), c.after != c.before);
        EXPECT_EQ(prefs.recentFiles, c.after);
        EXPECT_EQ(prefs.lastFile, c.path);
    }
}

TEST(RecentFiles, MenuLabelShortensPathsOverFortyCharactersToFifteenDotsAndTwentyTwo)
{
    const std::string path = "/home/user/projects/warehouse/2024/inventory-count.Q72";
    std::string accented;  // e with acute accent, two bytes: shortening keeps characters whole
    for (int i = 0; i < 50; ++i) {
        accented += "\xc3\xa9";
    }
    const struct
    {
        int number;
        std::string path, label;
    } cases[] = {
        {1, "C:\\Jobs\\stock.Q72", "&1:  C:\\Jobs\\stock.Q72"},
        {4, std::string(40, 'p'), "&4:  " + std::string(40, 'p')},
        {2, path, "&2:  " + path.substr(0, 15) + "..." + path.substr(path.size() - 22)},
        {2, std::string(41, 'p'), "&2:  " + std::string(15, 'p') + "..." + std::string(22, 'p')},
        {1, accented, "&1:  " + accented.substr(0, 30) + "..." + accented.substr(100 - 44)},
        {3, "/R&D/a.Q72", "&3:  /R&&D/a.Q72"},  // an ampersand is doubled
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recentFileMenuLabel(c.number, c.path), c.label) << c.path;
    }
}

}  // namespace
}  // namespace texts
