// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <gtest/gtest.h>


#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/user_folders.h"

namespace app {
namespace {

namespace fs = std::filesystem;

TEST(DesignerCommandLine, TakesOneProjectFileHelpAndVersionAndRefusesTheRest)
{
    const std::string cwd = fs::current_path().string();
    struct Row
    {
        std::vector<std::string> arguments;
        DesignerAction action;
        std::optional<std::string> file;
    };
    const Row rows[] = {
        {{}, DesignerAction::Run, std::nullopt},
        {{"/home/ann/shop.Q72"}, DesignerAction::Run, "/home/ann/shop.Q72"},
        {{"shop.Q72"}, DesignerAction::Run, cwd + "/shop.Q72"},
        {{"--", "-odd name.Q72"}, DesignerAction::Run, cwd + "/-odd name.Q72"},
        {{"--help"}, DesignerAction::ShowHelp, std::nullopt},
        {{"shop.Q72", "-h"}, DesignerAction::ShowHelp, std::nullopt},
        {{"--bogus", "--version"}, DesignerAction::ShowVersion, std::nullopt},
        {{"--", "--help"}, DesignerAction::Run, cwd + "/--help"},
        {{"--bogus"}, DesignerAction::Refuse, std::nullopt},
        {{"-platform"}, DesignerAction::Refuse, std::nullopt},
        {{"a.Q72", "b.Q72"}, DesignerAction::Refuse, std::nullopt},
    };
    for (const Row& row : rows) {
        const DesignerArguments parsed = parseDesignerArguments(row.arguments);
        SCOPED_TRACE(row.arguments.empty() ? "(none)" : row.arguments.front() + " ...");
        EXPECT_EQ(parsed.action, row.action);
        EXPECT_EQ(parsed.file, row.file);
        EXPECT_EQ(parsed.error.empty(), row.action != DesignerAction::Refuse);
    }
}

TEST(DesignerCommandLine, InstalledDesignerFindsTheUserFoldersOfTheDesktop)
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string savedValue = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/formwright-config-home", 1);
    EXPECT_EQ(standardUserFolders().configuration, fs::path("/tmp/formwright-config-home"));
    EXPECT_FALSE(standardUserFolders().data.empty());
    if (saved) {
        ::setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace
}  // namespace app
