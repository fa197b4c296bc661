// SPDX-License-Identifier: MIT
#include "texts/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace texts {
namespace {

using List = std::vector<std::string>;

Preferences withRecent(List files)
{
    Preferences prefs;
    prefs.recentFiles = std::move(files);
    return prefs;
}

TEST(RecentFiles, NewPathComesFirstAndBecomesTheLastFile)
{
    Preferences prefs = withRecent({"/a", "/b"});
    EXPECT_TRUE(rememberRecentFile(prefs, "/c"));
    EXPECT_EQ(prefs.recentFiles, (List{"/c", "/a", "/b"}));
    EXPECT_EQ(prefs.lastFile, "/c");
}

TEST(RecentFiles, PathAlreadyThirdMovesToFirstWithoutChangingTheCount)
{
    Preferences prefs = withRecent({"/a", "/b", "/c", "/d"});
    rememberRecentFile(prefs, "/c");
    EXPECT_EQ(prefs.recentFiles, (List{"/c", "/a", "/b", "/d"}));
}

TEST(RecentFiles, FifthDistinctPathDropsTheOldest)
{
    Preferences prefs = withRecent({"/a", "/b", "/c", "/d"});
    rememberRecentFile(prefs, "/e");
    EXPECT_EQ(prefs.recentFiles, (List{"/e", "/a", "/b", "/c"}));
}

TEST(RecentFiles, ComparisonIsCaseSensitive)
{
    Preferences prefs = withRecent({"/a.Q72"});
    rememberRecentFile(prefs, "/A.Q72");
    EXPECT_EQ(prefs.recentFiles, (List{"/A.Q72", "/a.Q72"}));
}

TEST(RecentFiles, UnstorablePathBecomesTheLastFileOnly)
{
    Preferences prefs = withRecent({"/a"});
    EXPECT_FALSE(rememberRecentFile(prefs, "/" + std::string(300, 'p')));
    EXPECT_FALSE(rememberRecentFile(prefs, "b"));
    EXPECT_EQ(prefs.recentFiles, List{"/a"});
    EXPECT_EQ(prefs.lastFile, "b");
}

TEST(RecentFiles, ShortPathIsShownWhole)
{
    EXPECT_EQ(recentFileMenuLabel(1, "C:\\Jobs\\stock.Q72"), "&1:  C:\\Jobs\\stock.Q72");
    const std::string forty(40, 'p');
    EXPECT_EQ(recentFileMenuLabel(4, forty), "&4:  " + forty);
}

TEST(RecentFiles, LongPathShowsFifteenDotsAndTwentyTwo)
{
    const std::string path = "/home/user/projects/warehouse/2024/inventory-count.Q72";
    ASSERT_GT(path.size(), 40u);
    EXPECT_EQ(recentFileMenuLabel(2, path),
              "&2:  " + path.substr(0, 15) + "..." + path.substr(path.size() - 22));
    EXPECT_EQ(recentFileMenuLabel(2, std::string(41, 'p')),
              "&2:  " + std::string(15, 'p') + "..." + std::string(22, 'p'));
}

TEST(RecentFiles, ShorteningKeepsMultiByteCharactersWhole)
{
    std::string path;
    for (int i = 0; i < 50; ++i) {
        path += "\xc3\xa9";  // e with acute accent, two bytes
    }
    std::string expected = "&1:  ";
    for (int i = 0; i < 15; ++i) {
        expected += "\xc3\xa9";
    }
    expected += "...";
    for (int i = 0; i < 22; ++i) {
        expected += "\xc3\xa9";
    }
    EXPECT_EQ(recentFileMenuLabel(1, path), expected);
}

TEST(RecentFiles, AmpersandInAPathIsDoubled)
{
    EXPECT_EQ(recentFileMenuLabel(3, "/R&D/a.Q72"), "&3:  /R&&D/a.Q72");
}

}  // namespace
}  // namespace texts
