// SPDX-License-Identifier: MIT
#include "texts/preferences.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "temp_directory.h"

namespace texts {
namespace {

using project::Model;
using texts::testing::readAll;
using texts::testing::TempDirectory;

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::string textOf(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// Pretends that exactly the given paths exist.
FileProbe existing(std::set<std::string> paths)
{
    return [paths = std::move(paths)](const std::string& path) { return paths.contains(path); };
}

Preferences parse(std::string_view text, std::set<std::string> files = {})
{
    return parsePreferences(bytesOf(text), existing(std::move(files)));
}

TEST(Preferences, DefaultsWhenTheFileIsEmpty)
{
    const Preferences prefs = parse("");
    EXPECT_EQ(prefs.lastFile, "Unknow");
    EXPECT_FALSE(prefs.isAutoPreloadOn);
    EXPECT_FALSE(prefs.isAlwaysOnTop);
    EXPECT_EQ(prefs.language, "0");
    EXPECT_TRUE(prefs.recentFiles.empty());
    EXPECT_EQ(prefs.model, Model::Q720CE);
}

TEST(Preferences, SixLineFileGivesOneRecentFileAndTheSecondModel)
{
    const std::string project = "C:\\Jobs\\stock.Q72";
    const Preferences prefs = parse(project + "\r1\r0\r0\r" + project + "\r1\r", {project});
    EXPECT_EQ(prefs.lastFile, project);
    EXPECT_TRUE(prefs.isAutoPreloadOn);
    EXPECT_FALSE(prefs.isAlwaysOnTop);
    EXPECT_EQ(prefs.language, "0");
    EXPECT_EQ(prefs.recentFiles, std::vector<std::string>{project});
    EXPECT_EQ(prefs.model, Model::Q720PPC);
}

TEST(Preferences, AbsoluteUnixPathIsAFileNotTheModel)
{
    const Preferences prefs = parse("/srv/a.Q72\r0\r0\rDeutsch\r/srv/a.Q72\r/srv/b.Q72\r1\r",
                                    {"/srv/a.Q72", "/srv/b.Q72"});
    EXPECT_EQ(prefs.recentFiles, (std::vector<std::string>{"/srv/a.Q72", "/srv/b.Q72"}));
    EXPECT_EQ(prefs.model, Model::Q720PPC);
}

TEST(Preferences, MissingRecentFileIsDroppedButCountsTowardFour)
{
    const Preferences prefs =
        parse("Unknow\r0\r0\r0\r/a.Q72\r/gone.Q72\r/c.Q72\r/d.Q72\r/e.Q72\r",
              {"/a.Q72", "/c.Q72", "/d.Q72", "/e.Q72"});
    EXPECT_EQ(prefs.recentFiles, (std::vector<std::string>{"/a.Q72", "/c.Q72", "/d.Q72"}));
    EXPECT_EQ(prefs.model, Model::Q720CE);
}

TEST(Preferences, ModelFollowsFourRecentFiles)
{
    const Preferences prefs = parse("Unknow\r0\r0\r0\r/a\r/b\r/c\r/d\r1\r", {"/a", "/b", "/c", "/d"});
    EXPECT_EQ(prefs.recentFiles.size(), 4u);
    EXPECT_EQ(prefs.model, Model::Q720PPC);
}

TEST(Preferences, ModelOtherThanZeroOrOneReadsAsZero)
{
    EXPECT_EQ(parse("Unknow\r0\r0\r0\r7\r").model, Model::Q720CE);
    EXPECT_EQ(parse("Unknow\r0\r0\r0\r\xff\r").model, Model::Q720CE);
    EXPECT_EQ(parse("Unknow\r0\r0\r0\r1\r").model, Model::Q720PPC);
}

TEST(Preferences, FlagIsOnUnlessItStartsWithZero)
{
    const Preferences prefs = parse("Unknow\r2\r01\r0\r0\r");
    EXPECT_TRUE(prefs.isAutoPreloadOn);
    EXPECT_FALSE(prefs.isAlwaysOnTop);
}

TEST(Preferences, EmptyLinesVanish)
{
    const Preferences prefs = parse("\r\r/p.Q72\r\r1\r\r1\rDeutsch\r\r1\r");
    EXPECT_EQ(prefs.lastFile, "/p.Q72");
    EXPECT_TRUE(prefs.isAutoPreloadOn);
    EXPECT_TRUE(prefs.isAlwaysOnTop);
    EXPECT_EQ(prefs.language, "Deutsch");
    EXPECT_EQ(prefs.model, Model::Q720PPC);
}

TEST(Preferences, LineFeedsEndLinesToo)
{
    const Preferences prefs = parse("/p.Q72\r\n1\n0\r\nDeutsch\n/p.Q72\n1\n", {"/p.Q72"});
    EXPECT_EQ(prefs.lastFile, "/p.Q72");
    EXPECT_EQ(prefs.language, "Deutsch");
    EXPECT_EQ(prefs.recentFiles, std::vector<std::string>{"/p.Q72"});
    EXPECT_EQ(prefs.model, Model::Q720PPC);
}

TEST(Preferences, LanguageNameIsCutToFortyCharacters)
{
    const std::string name(45, 'x');
    EXPECT_EQ(parse("Unknow\r0\r0\r" + name + "\r").language, std::string(40, 'x'));
}

TEST(Preferences, OverLongLastFileIsSkipped)
{
    const std::string path = "/" + std::string(260, 'p');
    const Preferences prefs = parse(path + "\r1\r0\r0\r");
    EXPECT_EQ(prefs.lastFile, "Unknow");
    EXPECT_TRUE(prefs.isAutoPreloadOn);
}

TEST(Preferences, OverLongRecentFileIsDroppedButCounts)
{
    const std::string path = "/" + std::string(260, 'p');
    const Preferences prefs =
        parse("Unknow\r0\r0\r0\r" + path + "\r/b\r/c\r/d\r/e\r", {path, "/b", "/c", "/d", "/e"});
    EXPECT_EQ(prefs.recentFiles, (std::vector<std::string>{"/b", "/c", "/d"}));
}

TEST(Preferences, PathOfExactly260CharactersIsKept)
{
    const std::string path = "/" + std::string(259, 'p');
    EXPECT_EQ(parse(path + "\r").lastFile, path);
}

TEST(Preferences, HugeFileIsReadOnlyAsFarAsItsRecordReaches)
{
    std::string text = "/p.Q72\r1\r1\rDeutsch\r1\r";
    text += std::string(200000, 'z');
    const Preferences prefs = parse(text);
    EXPECT_EQ(prefs.language, "Deutsch");
    EXPECT_EQ(prefs.model, Model::Q720PPC);
}

TEST(Preferences, WritesEveryLineWithACarriageReturn)
{
    Preferences prefs;
    prefs.lastFile = "/p.Q72";
    prefs.isAutoPreloadOn = true;
    prefs.language = "Deutsch";
    prefs.recentFiles = {"/p.Q72", "/q.Q72"};
    prefs.model = Model::Q720PPC;
    EXPECT_EQ(textOf(serialisePreferences(prefs)), "/p.Q72\r1\r0\rDeutsch\r/p.Q72\r/q.Q72\r1\r");
}

TEST(Preferences, DefaultsAreWrittenAsFiveLines)
{
    EXPECT_EQ(textOf(serialisePreferences(Preferences{})), "Unknow\r0\r0\r0\r0\r");
}

TEST(Preferences, NeverWritesAnEmptyLine)
{
    Preferences prefs;
    prefs.lastFile = "";
    prefs.language = "";
    prefs.recentFiles = {"", "/q.Q72"};
    prefs.model = Model::Q720PPC;
    const std::string text = textOf(serialisePreferences(prefs));
    EXPECT_EQ(text, "Unknow\r0\r0\r0\r/q.Q72\r1\r");
    const Preferences back = parse(text, {"/q.Q72"});
    EXPECT_EQ(back.recentFiles, std::vector<std::string>{"/q.Q72"});
    EXPECT_EQ(back.model, Model::Q720PPC);
}

TEST(Preferences, LeavesOutRecentFilesThatWouldNotReadBack)
{
    Preferences prefs;
    prefs.recentFiles = {"a", "/x\ry", std::string(261, 'p'), "/ok"};
    EXPECT_EQ(textOf(serialisePreferences(prefs)), "Unknow\r0\r0\r0\r/ok\r0\r");
}

TEST(Preferences, WritesAtMostFourRecentFiles)
{
    Preferences prefs;
    prefs.recentFiles = {"/a", "/b", "/c", "/d", "/e"};
    EXPECT_EQ(textOf(serialisePreferences(prefs)), "Unknow\r0\r0\r0\r/a\r/b\r/c\r/d\r0\r");
}

TEST(Preferences, RoundTripsThroughTheFile)
{
    const TempDirectory dir;
    const std::string recent = (dir.path() / "stock.Q72").string();
    dir.write("stock.Q72", "x");
    Preferences prefs;
    prefs.lastFile = recent;
    prefs.isAlwaysOnTop = true;
    prefs.language = std::string(40, 'L');
    prefs.recentFiles = {recent};
    prefs.model = Model::Q720PPC;
    const auto file = preferencesFilePath(dir.path());
    ASSERT_TRUE(writePreferences(file, prefs));
    EXPECT_EQ(file.filename(), "FWQ720.ini");
    EXPECT_EQ(readPreferences(file), prefs);
}

TEST(Preferences, RecentFileThatNoLongerExistsDisappearsAtTheNextWrite)
{
    const TempDirectory dir;
    const std::string kept = dir.write("kept.Q72", "x").string();
    const std::string gone = dir.write("gone.Q72", "x").string();
    Preferences prefs;
    prefs.recentFiles = {gone, kept};
    const auto file = preferencesFilePath(dir.path());
    ASSERT_TRUE(writePreferences(file, prefs));
    std::filesystem::remove(gone);
    const Preferences back = readPreferences(file);
    EXPECT_EQ(back.recentFiles, std::vector<std::string>{kept});
    ASSERT_TRUE(writePreferences(file, back));
    EXPECT_EQ(readAll(file).find(gone), std::string::npos);
}

TEST(Preferences, MissingFileGivesTheDefaults)
{
    const TempDirectory dir;
    EXPECT_EQ(readPreferences(dir.path() / "FWQ720.ini"), Preferences{});
}

TEST(Preferences, WriteIntoAMissingFolderFailsQuietly)
{
    const TempDirectory dir;
    EXPECT_FALSE(writePreferences(dir.path() / "nowhere" / "FWQ720.ini", Preferences{}));
}

TEST(Preferences, DirectoryIsNotARecentFile)
{
    const TempDirectory dir;
    EXPECT_FALSE(canOpenForReading(dir.path().string()));
    EXPECT_TRUE(canOpenForReading(dir.write("a.Q72", "x").string()));
    EXPECT_FALSE(canOpenForReading((dir.path() / "b.Q72").string()));
}

TEST(Preferences, PreloadsTheLastFileOnlyWhenOnAndKnown)
{
    Preferences prefs;
    prefs.lastFile = "/p.Q72";
    EXPECT_FALSE(fileToPreload(prefs));
    prefs.isAutoPreloadOn = true;
    EXPECT_EQ(fileToPreload(prefs), "/p.Q72");
    prefs.lastFile = "Unknow";
    EXPECT_FALSE(fileToPreload(prefs));
}

}  // namespace
}  // namespace texts
