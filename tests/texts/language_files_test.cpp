// SPDX-License-Identifier: MIT
// Language files read and checked, the folder listing them, and the preferences.
#include "texts/language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/temp_folder.h"
#include "texts/builtin_strings.h"
#include "texts/language_check.h"
#include "texts/language_files.h"
#include "texts/preferences.h"
#include "texts/program_folders.h"
#include "texts/recent_files.h"
#include "texts/text_source.h"

namespace texts {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

LanguageFile parse(std::string_view text) { return parseLanguageFile(bytesOf(text)); }

LanguageTable loaded(std::string_view text)
{
    LanguageTable table;
    table.apply(parse(text));
    return table;
}

// The name is the first line cut to forty characters; an entry is the whole text after the
// first equals sign.
TEST(LanguageFile, NameIsTheFirstLineAndAnEntryTheWholeTextAfterTheFirstEquals)
{
    struct Case
    {
        const char* name;
        std::string file;
        int id;
        std::string entry;
    };
    const Case cases[] = {
        {"five letters ended by CR LF", "Test\r\n3001=Datei\r\n", 3001, "Datei"},
        {"line feeds only", "Test\n3001=Datei\n3002=Extras\n", 3001, "Datei"},
        {"line feeds only, last line", "Test\n3001=Datei\n3002=Extras\n", 3002, "Extras"},
        {"last line without line end", "Test\r\n3001=Datei\r\n3002=Extras", 3002, "Extras"},
        {"equals signs and blanks", "Test\r\n3102= a = b \r\n", 3102, " a = b "},
        {"line without equals", "Test\r\n3001\r\n3002=Extras\r\n", 3001, ""},
        {"after a line without equals", "Test\r\n3001\r\n3002=Extras\r\n", 3002, "Extras"},
        {"cut to 160", "Test\r\n2651=" + std::string(300, 'x') + "\r\n", 2651, std::string(160, 'x')},
        {"NUL ends the text", std::string("Test\r\n2651=ab\0cd\r\n", 18), 2651, "ab"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(loaded(c.file).entry(sid(c.id)), c.entry) << c.name;
        EXPECT_EQ(parse(c.file).name, "Test") << c.name;
    }
    EXPECT_EQ(parse("Deutsch").name, "Deutsch");
    EXPECT_EQ(parse(std::string(55, 'n') + "\r\n").name, std::string(40, 'n'));
    EXPECT_TRUE(parse("").name.empty());
    EXPECT_TRUE(parse("").lines.empty());
}

TEST(LanguageFile, LinesWithoutAnIdInTheTableAreIgnored)
{
    const LanguageFile file = parse("Test\r\n4000=x\r\n-1=y\r\n65537=z\r\n3999=last\r\n=no id\r\nabc=x\r\n12ab=y\r\n"
                                    "just text\r\n\r\n 3001 =Datei\r\n0=first\r\n");
    ASSERT_EQ(file.lines.size(), 3u);
    EXPECT_EQ(value(file.lines[0].id), 3999);
    EXPECT_EQ(value(file.lines[1].id), 3001);
    EXPECT_EQ(file.lines[1].text, "Datei");
    EXPECT_EQ(value(file.lines[2].id), 0);
}

TEST(LanguageTable, NonEmptyEntryComesFirstElseTheBuiltInTextIdById)
{
    EXPECT_FALSE(LanguageTable{}.isLoaded());
    EXPECT_EQ(LanguageTable{}.text(sid(2651)), "Save current program ?");
    EXPECT_EQ(LanguageTable{}.text(sid(3004)), "");

    const LanguageTable table =
        loaded("Test\r\n2651=Programm speichern ?\r\n2602=\r\n3002=Extras\r\n3004=Nirgends\r\n");
    EXPECT_TRUE(table.isLoaded());
    EXPECT_EQ(table.text(sid(2651)), "Programm speichern ?");
    EXPECT_EQ(table.text(sid(2602)), "Warning");
    EXPECT_EQ(table.text(sid(2601)), "Error");
    EXPECT_EQ(table.text(sid(3002)), "Extras");
    EXPECT_EQ(table.text(sid(3004)), "Nirgends") << "an ID without a built-in text";
    EXPECT_EQ(table.text(sid(3001)), builtinString(sid(3001)));
    EXPECT_EQ(table.text(sid(3001)).size(), 30u) << "a runtime text falls back padded";
}

// A second language overwrites only the IDs it has; unloading returns to the built-in texts but
// keeps the entries.
TEST(LanguageTable, SecondLanguageOverwritesOnlyTheIdsItHasAndUnloadKeepsEntries)
{
    LanguageTable table;
    table.apply(parse("Eins\r\n3001=Datei\r\n3002=Extras\r\n2601=Fehler\r\n2602=Achtung\r\n"));
    table.apply(parse("Zwei\r\n3001=Fichier\r\n2601=\r\n"));
    EXPECT_EQ(table.text(sid(3001)), "Fichier");
    EXPECT_EQ(table.text(sid(3002)), "Extras");
    EXPECT_EQ(table.entry(sid(2601)), "") << "an empty text clears an earlier entry";
    EXPECT_EQ(table.text(sid(2601)), "Error");
    table.unload();
    EXPECT_EQ(table.text(sid(2602)), "Warning");
    EXPECT_EQ(table.entry(sid(2602)), "Achtung");
}

// A lookup copies at most 159 characters of a built-in program text.
TEST(BuiltinStrings, EveryIdHasOneTextInTheTableRangeAndProgramTextsFitTheLookupBuffer)
{
    std::set<int> seen;
    for (const auto table : {runtimeTableStrings(), programStrings()}) {
        for (const StringEntry& e : table) {
            EXPECT_TRUE(seen.insert(e.id).second) << "ID " << e.id << " has two texts";
            EXPECT_GE(e.id, 0);
            EXPECT_LE(e.id, MaxStringId) << "ID " << e.id;
        }
    }
    for (const StringEntry& e : programStrings()) {
        EXPECT_LT(e.text.size(), 160u) << "ID " << e.id;
    }
}

using Kind = LanguageFindingKind;

std::vector<std::pair<int, Kind>> findingsOf(std::string_view file)
{
    std::vector<std::pair<int, Kind>> result;
    for (const LanguageFinding& f : checkLanguageFile(bytesOf(file))) {
        result.emplace_back(f.line, f.kind);
    }
    return result;
}

TEST(LanguageCheck, FindsEveryKindOfFaultOnItsLine)
{
    struct Line
    {
        std::string text;
        std::vector<Kind> findings;
        const char* ending = "\r\n";
    };
    const Line lines[] = {
        {"Deutsch", {}},
        {"2601=Fehler", {}},
        {"2601=Fehler!", {Kind::RepeatedId}},
        {"3999=Niemand", {Kind::UnknownId}},
        {"Fehler ohne ID", {Kind::NotAnEntry}},
        {"abc=Text", {Kind::NotAnEntry}},
        {"4000=Zu gross", {Kind::NotAnEntry}},
        {"", {}},
        {"3001=" + std::string(31, 'M'), {Kind::TextCut}},  // its terminal slot holds 30
        {"3001=Ok", {Kind::RepeatedId}, "\n"},              // LF alone is fine
        {"2602=" + std::string(161, 'x'), {Kind::TextCut}},
        {"2651=" + std::string(160, 'y'), {}},
        {"3721=" + std::string(20, 'z'), {}},  // fills its 20-character slot
        {std::string("2651=Mit\0NUL", 12), {Kind::RepeatedId, Kind::TextCut}},
        {"3101=Spalte", {}, ""},
    };
    std::string file;
    std::vector<std::pair<int, Kind>> expected;
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        file += lines[i].text + lines[i].ending;
        for (const Kind kind : lines[i].findings) {
            expected.emplace_back(static_cast<int>(i) + 1, kind);
        }
    }
    EXPECT_EQ(findingsOf(file), expected);
}

TEST(LanguageCheck, ReportsAMissingReservedOrOverlongName)
{
    const std::pair<std::string_view, std::vector<std::pair<int, Kind>>> rows[] = {
        {"", {{1, Kind::MissingName}}},
        {"\r\n2601=Fehler\r\n", {{1, Kind::MissingName}}},
        {"0\r\n2601=Fehler\r\n", {{1, Kind::MissingName}}},
        {"\n", {{1, Kind::MissingName}}},
        {"Deutsch", {}},
        {"Nederlands\n2601=Fout\n", {}},
        {"A name of forty-one characters, one more!\r\n", {{1, Kind::NameCut}}},
    };
    for (const auto& [file, expected] : rows) {
        SCOPED_TRACE(std::string(file));
        EXPECT_EQ(findingsOf(file), expected);
    }
}

namespace fs = std::filesystem;
using TempDirectory = testing_support::TempFolder;
using Names = std::vector<std::string>;

// Names come from the first line, in file-name order; the count is -1 without language files,
// 0 without names, and at most twenty are listed.
TEST(LanguageFiles, ListsNamesFromTheFirstLineInFileNameOrder)
{
    const TempDirectory dir;
    dir.write("b.lng", "Deutsch\r\n3001=Datei\r\n");
    dir.write("a.lng", "Francais\n3001=Fichier\n");
    dir.write("c.LNG", "Italiano\r\n");
    dir.write("d.lng", "\r\n3001=Datei\r\n");  // an empty first line takes no entry
    dir.write("e.lng", "");
    dir.write("f.lng", "0\r\n3001=Datei\r\n");  // the reserved name of the built-in texts
#if !defined(_WIN32)                            // Windows lets only administrators create symbolic links
    fs::create_symlink(dir.path() / "missing", dir.path() / "a0.lng");  // unreadable
#endif
    const LanguageList list = enumerateLanguages(dir.path());
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.names(), (Names{"Francais", "Deutsch", "Italiano"}));
    EXPECT_EQ(list.entries[1].path, dir.path() / "b.lng");

    const TempDirectory many;
    many.write("readme.txt", "Deutsch\r\n");
    EXPECT_EQ(enumerateLanguages(many.path()).count(), -1) << "no language file";
    EXPECT_EQ(enumerateLanguages(many.path() / "nowhere").count(), -1);
    many.write("a.lng", "\r\n3001=Datei\r\n");
    EXPECT_EQ(enumerateLanguages(many.path()).count(), 0) << "a language file without a name";
    for (int i = 0; i < 25; ++i) {
        many.write("lang" + std::to_string(100 + i) + ".lng", "Name " + std::to_string(i) + "\r\n");
    }
    const LanguageList twenty = enumerateLanguages(many.path());
    EXPECT_EQ(twenty.count(), 20);
    EXPECT_EQ(twenty.entries.back().name, "Name 19");
}

// The first file with exactly the name is loaded (a long name cut to forty both in the list and
// for loading); switching keeps the texts the second lacks, and a failed load unloads.
TEST(LanguageFiles, LoadsTheFirstFileWithExactlyThatNameAndAFailedLoadUnloads)
{
    const TempDirectory dir;
    dir.write("a.lng", "Deutsch\r\n2601=Fehler\r\n3001=Datei\r\n");
    dir.write("b.lng", "Deutsch\r\n2601=Zwei\r\n");
    dir.write("c.lng", std::string(50, 'L') + "\r\n3001=Fichier\r\n");
    const LanguageList list = enumerateLanguages(dir.path());
    EXPECT_EQ(list.names(), (Names{"Deutsch", "Deutsch", std::string(40, 'L')}));
    LanguageTable table;
    EXPECT_FALSE(loadLanguage(table, list, "deutsch"));
    EXPECT_FALSE(table.isLoaded());
    EXPECT_FALSE(loadLanguage(table, list, BuiltinLanguageName));
    ASSERT_TRUE(loadLanguage(table, dir.path(), "Deutsch"));
    EXPECT_TRUE(table.isLoaded());
    ASSERT_TRUE(loadLanguage(table, list, std::string(40, 'L')));
    EXPECT_EQ(table.text(sid(3001)), "Fichier");
    EXPECT_EQ(table.text(sid(2601)), "Fehler");
    EXPECT_FALSE(loadLanguage(table, list, "Klingonisch"));
    EXPECT_FALSE(table.isLoaded());
    EXPECT_EQ(table.text(sid(2601)), "Error");
}

TEST(LanguageFiles, VanishedOrOversizedFileFallsThroughToTheNextMatch)
{
    const TempDirectory dir;
    dir.write("a.lng", "Deutsch\r\n2601=Eins\r\n");
    dir.write("b.lng", "Deutsch\r\n2601=Riesig\r\n" + std::string(5u * 1024u * 1024u, 'x'));
    dir.write("c.lng", "Deutsch\r\n2601=Fehler\r\n");
    const LanguageList list = enumerateLanguages(dir.path());
    fs::remove(dir.path() / "a.lng");
    LanguageTable table;
    ASSERT_TRUE(loadLanguage(table, list, "Deutsch"));
    EXPECT_EQ(table.text(sid(2601)), "Fehler");
    ASSERT_TRUE(loadLanguage(table, dir.path(), "Deutsch"));
    EXPECT_EQ(table.text(sid(2601)), "Fehler");
}

TEST(LanguageFiles, UserFolderComesFirstAndReplacesAnInstalledLanguageOfTheSameName)
{
    const TempDirectory user;
    const TempDirectory installed;
    installed.write("de.lng", "Deutsch\r\n2601=Installiert\r\n");
    installed.write("nl.lng", "Nederlands\r\n2601=Fout\r\n");
    user.write("mine.lng", "Deutsch\r\n2601=Eigen\r\n");
    user.write("fr.lng", "Francais\r\n2601=Erreur\r\n");
    const fs::path folders[] = {user.path(), user.path() / "missing", installed.path()};
    const LanguageList list = enumerateLanguages(folders);
    EXPECT_EQ(list.names(), (Names{"Francais", "Deutsch", "Nederlands"}));
    LanguageTable table;
    ASSERT_TRUE(loadLanguage(table, list, "Deutsch"));
    EXPECT_EQ(table.text(sid(2601)), "Eigen");
}

TEST(ProgramFolders, PortableCopyKeepsEverythingBesideTheProgramElseTheUserFolders)
{
    const TempDirectory dir;
    const fs::path portable = dir.path() / "unpacked";
    const fs::path installedBin = dir.path() / "usr" / "bin";
    fs::create_directories(portable);
    fs::create_directories(installedBin);
    fs::create_directories(dir.path() / "usr" / "share" / "formwright");
    const UserFolders user{"/home/ann/.config", "/home/ann/.local/share"};
    const ProgramFolders installed{
        "/home/ann/.config/formwright/FWQ720.ini",
        {"/home/ann/.local/share/formwright/languages", dir.path() / "usr" / "share" / "formwright" / "languages"},
        true};

    struct Row
    {
        const char* name;
        fs::path program;
        bool isWritable;
        UserFolders user;
        std::optional<ProgramFolders> expected;  // none: the portable folders
    };
    const Row rows[] = {
        {"writable copy of its own", portable, true, user, std::nullopt},
        {"read-only folder", installedBin, false, user, installed},
        {"writable, but an installation (root, ~/.local)", installedBin, true, user, installed},
        {"read-only without a home folder", installedBin, false, UserFolders{}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ProgramFolders folders =
            programFolders(row.program, row.user, [&](const fs::path&) { return row.isWritable; });
        EXPECT_EQ(folders, row.expected.value_or(portableFolders(row.program)));
    }
    EXPECT_EQ(portableFolders(portable), (ProgramFolders{portable / "FWQ720.ini", {portable}, false}));
}

TEST(ProgramFolders, UserFoldersComeFromXdgVariablesOrTheHomeFolder)
{
#if defined(_WIN32)
    GTEST_SKIP() << "XDG variables and HOME are how Linux names the user's folders";
#else
    struct Row
    {
        const char* configHome;
        const char* dataHome;
        UserFolders expected;
    };
    const Row rows[] = {
        {"/xdg/config", "/xdg/data", {"/xdg/config", "/xdg/data"}},
        {nullptr, nullptr, {"/home/ann/.config", "/home/ann/.local/share"}},
        {"relative/config", "", {"/home/ann/.config", "/home/ann/.local/share"}},
    };
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const auto set = [](const char* name, const char* value) { value ? ::setenv(name, value, 1) : ::unsetenv(name); };
    set("HOME", "/home/ann");
    for (const Row& row : rows) {
        set("XDG_CONFIG_HOME", row.configHome);
        set("XDG_DATA_HOME", row.dataHome);
        SCOPED_TRACE(row.configHome ? row.configHome : "unset");
        EXPECT_EQ(userFoldersFromEnvironment().configuration, row.expected.configuration);
        EXPECT_EQ(userFoldersFromEnvironment().data, row.expected.data);
    }
    set("XDG_CONFIG_HOME", nullptr);
    set("XDG_DATA_HOME", nullptr);
    set("HOME", savedHome.c_str());
#endif
}

using testing_support::readText;

constexpr bool On = true;
constexpr bool Off = false;

Preferences prefs(std::string lastFile, bool preload, bool onTop, std::string language, Names recent, Model model)
{
    return {std::move(lastFile), preload, onTop, std::move(language), std::move(recent), model};
}

// Reads the text as if every path but those naming a "gone" file existed.
Preferences parsePrefs(std::string_view text)
{
    return parsePreferences(bytesOf(text),
                            [](const std::string& path) { return path.find("gone") == std::string::npos; });
}

// Rows whose name, flags and language are the defaults.
Preferences plain(Names recent, Model model = Model::Q720CE) { return prefs("Unknow", Off, Off, "0", recent, model); }

TEST(Preferences, ReadsTheValuesLineByLine)
{
    const std::string win = "C:\\Jobs\\stock.Q72";
    const std::string tooLong = "/" + std::string(260, 'p');
    const std::string longest = "/" + std::string(259, 'p');
    const std::pair<std::string, Preferences> cases[] = {
        {win + "\r1\r0\r0\r" + win + "\r1\r", prefs(win, On, Off, "0", {win}, Model::Q720PPC)},
        // an absolute path is a file, not the model
        {"/srv/a.Q72\r0\r0\rDeutsch\r/srv/a.Q72\r/srv/b.Q72\r1\r",
         prefs("/srv/a.Q72", Off, Off, "Deutsch", {"/srv/a.Q72", "/srv/b.Q72"}, Model::Q720PPC)},
        // a missing or over-long recent file is dropped but counts toward four
        {"Unknow\r0\r0\r0\r/a.Q72\r/gone.Q72\r/c.Q72\r/d.Q72\r/e.Q72\r", plain({"/a.Q72", "/c.Q72", "/d.Q72"})},
        {"Unknow\r0\r0\r0\r" + tooLong + "\r/b\r/c\r/d\r/e\r", plain({"/b", "/c", "/d"})},
        {"Unknow\r0\r0\r0\r/a\r/b\r/c\r/d\r1\r", plain({"/a", "/b", "/c", "/d"}, Model::Q720PPC)},
        {"Unknow\r0\r0\r0\r7\r", Preferences{}},                                      // model 7 reads as zero
        {"Unknow\r2\r01\r0\r0\r", prefs("Unknow", On, Off, "0", {}, Model::Q720CE)},  // on unless it starts with 0
        {"\r\r/p.Q72\r\r1\r\r1\rDeutsch\r\r1\r", prefs("/p.Q72", On, On, "Deutsch", {}, Model::Q720PPC)},
        {"/p.Q72\r\n1\n0\r\nDeutsch\n/p.Q72\n1\n", prefs("/p.Q72", On, Off, "Deutsch", {"/p.Q72"}, Model::Q720PPC)},
        {"Unknow\r0\r0\r" + std::string(45, 'x') + "\r",
         prefs("Unknow", Off, Off, std::string(40, 'x'), {}, Model::Q720CE)},
        {tooLong + "\r1\r0\r0\r", prefs("Unknow", On, Off, "0", {}, Model::Q720CE)},  // an over-long last file
        {longest + "\r", prefs(longest, Off, Off, "0", {}, Model::Q720CE)},           // exactly 260 characters
        // a huge file is read only as far as its record reaches
        {"/p.Q72\r1\r1\rDeutsch\r1\r" + std::string(200000, 'z'),
         prefs("/p.Q72", On, On, "Deutsch", {}, Model::Q720PPC)},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parsePrefs(text), expected) << text.substr(0, 40);
    }
}

TEST(Preferences, WritesEveryLineWithACarriageReturnAndNeverAnEmptyOne)
{
    const struct
    {
        Preferences prefs;
        std::string text;
    } cases[] = {
        {Preferences{}, "Unknow\r0\r0\r0\r0\r"},
        {prefs("/p.Q72", On, Off, "Deutsch", {"/p.Q72", "/q.Q72"}, Model::Q720PPC),
         "/p.Q72\r1\r0\rDeutsch\r/p.Q72\r/q.Q72\r1\r"},
        {prefs("", Off, Off, "", {"", "/q.Q72"}, Model::Q720PPC), "Unknow\r0\r0\r0\r/q.Q72\r1\r"},
        // Recent files that would not read back are left out.
        {plain({"a", "/x\ry", std::string(261, 'p'), "/ok"}), "Unknow\r0\r0\r0\r/ok\r0\r"},
        {plain({"/a", "/b", "/c", "/d", "/e"}), "Unknow\r0\r0\r0\r/a\r/b\r/c\r/d\r0\r"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(serialisePreferences(c.prefs), bytesOf(c.text)) << c.text;
    }
    EXPECT_EQ(parsePrefs(cases[2].text), plain({"/q.Q72"}, Model::Q720PPC));
}

// Through the file: a round trip; a recent file that no longer exists is gone at the next
// write; a missing file gives the defaults, a missing folder fails quietly; a folder is no
// recent file.
TEST(Preferences, RoundTripsThroughTheFileAndItsFaultsFailQuietly)
{
    const TempDirectory dir;
    const std::string kept = dir.write("kept.Q72", "x").string();
    const std::string gone = dir.write("gone.Q72", "x").string();
    const auto file = preferencesFilePath(dir.path());
    EXPECT_EQ(file.filename(), "FWQ720.ini");
    EXPECT_EQ(readPreferences(file), Preferences{});
    const Preferences original = prefs(kept, Off, On, std::string(40, 'L'), {gone, kept}, Model::Q720PPC);
    ASSERT_TRUE(writePreferences(file, original));
    EXPECT_EQ(readPreferences(file), original);
    std::filesystem::remove(gone);
    const Preferences back = readPreferences(file);
    EXPECT_EQ(back.recentFiles, Names{kept});
    ASSERT_TRUE(writePreferences(file, back));
    EXPECT_EQ(readText(file).find(gone), std::string::npos);
    EXPECT_FALSE(writePreferences(dir.path() / "nowhere" / "FWQ720.ini", Preferences{}));
    EXPECT_FALSE(canOpenForReading(dir.path().string()));
    EXPECT_TRUE(canOpenForReading(kept));
    EXPECT_FALSE(canOpenForReading(gone));
}

TEST(Preferences, PreloadsTheLastFileOnlyWhenOnAndKnown)
{
    Preferences p;
    p.lastFile = "/p.Q72";
    EXPECT_FALSE(fileToPreload(p));
    p.isAutoPreloadOn = true;
    EXPECT_EQ(fileToPreload(p), "/p.Q72");
    p.lastFile = "Unknow";
    EXPECT_FALSE(fileToPreload(p));
}

TEST(RecentFiles, RememberedPathComesFirstOnceTheListKeepsFourAndUnstorablePathsStayOut)
{
    const struct
    {
        const char* name;
        Names before;
        std::string path;
        Names after;
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
