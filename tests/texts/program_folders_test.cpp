// SPDX-License-Identifier: MIT
#include "texts/program_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "project/disk_file.h"
#include "support/temp_folder.h"

namespace texts {
namespace {

namespace fs = std::filesystem;
using TempDirectory = testing_support::TempFolder;

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
