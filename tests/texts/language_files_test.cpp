// SPDX-License-Identifier: MIT
#include "texts/language_files.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include <filesystem>
#include <string>

#include "temp_directory.h"

namespace texts {
namespace {

using texts::testing::TempDirectory;
using Names = std::vector<std::string>;

TEST(LanguageFiles, CountIsMinusOneWithoutLanguageFilesAndZeroWithoutNames)
{
    const TempDirectory dir;
    dir.write("readme.txt", "Deutsch\r\n");
    const LanguageList list = enumerateLanguages(dir.path());
    EXPECT_EQ(list.count(), -1);
    EXPECT_TRUE(list.names().empty());
    EXPECT_EQ(enumerateLanguages(dir.path() / "nowhere").count(), -1);
    dir.write("a.lng", "\r\n3001=Datei\r\n");
    EXPECT_EQ(enumerateLanguages(dir.path()).count(), 0) << "a language file without a name";
}

TEST(LanguageFiles, ListsNamesFromTheFirstLineInFileNameOrder)
{
    const TempDirectory dir;
    dir.write("b.lng", "Deutsch\r\n3001=Datei\r\n");
    dir.write("a.lng", "Francais\n3001=Fichier\n");
    dir.write("c.LNG", "Italiano\r\n");
    dir.write("d.lng", "\r\n3001=Datei\r\n");  // an empty first line takes no entry
    dir.write("e.lng", "");
    dir.write("f.lng", "0\r\n3001=Datei\r\n");  // the reserved name of the built-in texts
#if !defined(_WIN32)  // Windows lets only administrators create symbolic links
    std::filesystem::create_symlink(dir.path() / "missing", dir.path() / "a0.lng");  // unreadable
#endif
    const LanguageList list = enumerateLanguages(dir.path());
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.names(), (Names{"Francais", "Deutsch", "Italiano"}));
    EXPECT_EQ(list.entries[1].path, dir.path() / "b.lng");
}

TEST(LanguageFiles, AtMostTwentyAreListed)
{
    const TempDirectory dir;
    for (int i = 0; i < 25; ++i) {
        dir.write("lang" + std::to_string(100 + i) + ".lng", "Name " + std::to_string(i) + "\r\n");
    }
    const LanguageList list = enumerateLanguages(dir.path());
    EXPECT_EQ(list.count(), 20);
    EXPECT_EQ(list.entries.back().name, "Name 19");
}

TEST(LanguageFiles, FileWithoutReadPermissionIsSkipped)
{
#if defined(_WIN32)
    GTEST_SKIP() << "Windows grants reading through access lists, not permission bits";
#else
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions don't stop the superuser";
    }
#endif
    const TempDirectory dir;
    std::filesystem::permissions(dir.write("a.lng", "Locked\r\n"), std::filesystem::perms::none);
    dir.write("b.lng", "Deutsch\r\n");
    EXPECT_EQ(enumerateLanguages(dir.path()).names(), Names{"Deutsch"});
}

TEST(LanguageFiles, LongNameIsCutToFortyBothInTheListAndForLoading)
{
    const TempDirectory dir;
    dir.write("a.lng", std::string(50, 'L') + "\r\n2601=Fehler\r\n");
    const LanguageList list = enumerateLanguages(dir.path());
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entries[0].name, std::string(40, 'L'));
    LanguageTable table;
    EXPECT_TRUE(loadLanguage(table, list, std::string(40, 'L')));
    EXPECT_EQ(table.text(sid(2601)), "Fehler");
}

TEST(LanguageFiles, LoadsTheFirstFileWithExactlyThatName)
{
    const TempDirectory dir;
    dir.write("a.lng", "Deutsch\r\n2601=Eins\r\n");
    dir.write("b.lng", "Deutsch\r\n2601=Zwei\r\n");
    LanguageTable table;
    EXPECT_FALSE(loadLanguage(table, dir.path(), "deutsch"));
    EXPECT_FALSE(table.isLoaded());
    EXPECT_FALSE(loadLanguage(table, dir.path(), BuiltinLanguageName));
    EXPECT_EQ(table.text(sid(2601)), "Error");
    EXPECT_TRUE(loadLanguage(table, dir.path(), "Deutsch"));
    EXPECT_TRUE(table.isLoaded());
    EXPECT_EQ(table.text(sid(2601)), "Eins");
}

TEST(LanguageFiles, SwitchingKeepsTextsTheSecondLacksAndAFailedLoadUnloads)
{
    const TempDirectory dir;
    dir.write("a.lng", "Deutsch\r\n3001=Datei\r\n2601=Fehler\r\n");
    dir.write("b.lng", "Francais\r\n3001=Fichier\r\n");
    const LanguageList list = enumerateLanguages(dir.path());
    LanguageTable table;
    ASSERT_TRUE(loadLanguage(table, list, "Deutsch"));
    ASSERT_TRUE(loadLanguage(table, list, "Francais"));
    EXPECT_EQ(table.text(sid(3001)), "Fichier");
    EXPECT_EQ(table.text(sid(2601)), "Fehler");
    EXPECT_FALSE(loadLanguage(table, list, "Klingonisch"));
    EXPECT_EQ(table.text(sid(2601)), "Error");
}

TEST(LanguageFiles, VanishedOrOversizedFileFallsThroughToTheNextMatch)
{
    const TempDirectory dir;
    dir.write("a.lng", "Deutsch\r\n2601=Eins\r\n");
    dir.write("b.lng", "Deutsch\r\n2601=Riesig\r\n" + std::string(5u * 1024u * 1024u, 'x'));
    dir.write("c.lng", "Deutsch\r\n2601=Fehler\r\n");
    const LanguageList list = enumerateLanguages(dir.path());
    std::filesystem::remove(dir.path() / "a.lng");
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
    const std::filesystem::path folders[] = {user.path(), user.path() / "missing", installed.path()};
    const LanguageList list = enumerateLanguages(folders);
    EXPECT_EQ(list.names(), (Names{"Francais", "Deutsch", "Nederlands"}));
    LanguageTable table;
    ASSERT_TRUE(loadLanguage(table, list, "Deutsch"));
    EXPECT_EQ(table.text(sid(2601)), "Eigen");
}

}  // namespace
}  // namespace texts
