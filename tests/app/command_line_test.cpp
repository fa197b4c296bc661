// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/user_folders.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "support/project_fixtures.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"

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

TEST(DesignerCommandLine, FileOpensOnceTheWindowIsUp)
{
    testing::qtTestApp();
    const fs::path directory = fs::temp_directory_path() / ("formwright-command-line-" + std::to_string(::getpid()));
    fs::remove_all(directory);
    fs::create_directories(directory);
    auto p = testing_support::startedProject();
    p->form(1).exportName.assign("GIVEN");
    const std::string file = (directory / "given.Q72").string();
    ASSERT_TRUE(project::writeFileAtomically(file, project::saveProject(*p, project::Model::Q720CE)).ok);
    int editorRuns = 0;
    {
        MainWindow window(
            [](const texts::TextSource&, QWidget*) { return std::make_unique<ui::testing::ScriptedHost>(); },
            directory);
        window.setSheetRunner([&](QWidget*, editor::EditorSession&) { ++editorRuns; });
        window.startUp(file);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(editorRuns, 0) << "the editor waits for the window";
        QCoreApplication::processEvents();
        EXPECT_EQ(editorRuns, 1);
        EXPECT_EQ(window.designer().currentFile(), file);
        EXPECT_EQ(window.designer().project().form(1).exportName.str(), "GIVEN");
    }
    fs::remove_all(directory);
}

}  // namespace
}  // namespace app
