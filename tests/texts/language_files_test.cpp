// SPDX-License-Identifier: MIT
#include "texts/language_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "project/disk_file.h"
#include "support/temp_folder.h"
#include "texts/program_folders.h"

namespace texts {
namespace {

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

TEST(ProgramFolders, OnlyAFolderThatTakesANewFileIsWritable)
{
    const TempDirectory dir;
    EXPECT_TRUE(project::canCreateFilesIn(dir.path()));
    EXPECT_TRUE(fs::is_empty(dir.path())) << "the probe file stays behind";
    EXPECT_FALSE(project::canCreateFilesIn(dir.path() / "missing"));
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool isWritable = project::canCreateFilesIn(dir.path());
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (isWritable) {
        GTEST_SKIP() << "permissions don't stop the superuser";
    }
}

}  // namespace
}  // namespace texts
