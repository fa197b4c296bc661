// SPDX-License-Identifier: MIT
// The designer's wiring: which command asks about unsaved changes, reads or writes which file,
// opens the editor, restarts the screen preview and writes the preferences. The rules of the
// file formats, the recent list and the preferences file are the core's tests.
#include "editor/shell/designer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "editor/shell/shell_view.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "support/project_fixtures.h"
#include "support/temp_folder.h"
#include "support/ui_harness.h"
#include "texts/preferences.h"

namespace editor::shell {
namespace {

namespace fs = std::filesystem;
using ui::SaveChangesAnswer;
using ui::testing::DialogHarness;
using ui::testing::ScriptedHost;

class RecordingView final : public ShellView
{
public:
    int repaints = 0;
    int editorRuns = 0;
    std::function<void(EditorSession&)> onEditorSheet;

    void placeWindow(bool) override {}
    void repaintPanel() override { ++repaints; }
    void rebuildPopupMenu() override {}
    void closeWindow() override {}
    void runEditorSheet(EditorSession& session) override
    {
        ++editorRuns;
        if (onEditorSheet) {
            onEditorSheet(session);
        }
    }
};

class DesignerTest : public ::testing::Test
{
protected:
    [[nodiscard]] std::string path(const std::string& name) const { return m_folder.file(name).string(); }

    // A project file as this program writes it, with form 1 named `exportName`.
    std::string projectFile(const std::string& fileName, std::string_view exportName = "FIRST", int startFrom = 0)
    {
        auto p = testing_support::startedProject();
        p->form(1).exportName.assign(exportName);
        p->device.startFrom = static_cast<project::Byte>(startFrom);
        EXPECT_TRUE(project::writeFileAtomically(path(fileName), project::saveProject(*p, project::Model::Q720CE)).ok);
        return path(fileName);
    }
    std::string form1() const { return designer.project().form(1).exportName.str(); }
    void editForm1(std::string_view exportName)
    {
        designer.project().form(1).exportName.assign(exportName);
        designer.setModified(true);
    }
    [[nodiscard]] bool isPreviewAt(PreviewScreenKind kind, int number) const
    {
        return designer.preview().kind() == kind && designer.preview().number() == number;
    }

    testing_support::TempFolder m_folder;
    ScriptedHost host;
    RecordingView view;
    Designer designer{host, view, m_folder.path()};
};

// Every command that replaces the project asks first; Cancel, and Yes whose save fails, stop it
// with the edits, the path and the flag as they were; No goes on.
TEST_F(DesignerTest, EveryCommandThatReplacesTheProjectSettlesUnsavedChangesFirst)
{
    designer.startUp();
    const std::string file = projectFile("a.Q72");
    const std::string other = projectFile("other.Q72", "OTHER");
    struct Command
    {
        const char* name;
        std::function<bool()> run;
        std::string opened;  // after No
    };
    const Command commands[] = {
        {"new", [this] { return designer.newProject(); }, ""},
        {"open", [&] { host.filesToOpen = {other}; return designer.open(); }, other},
        {"recent file", [this] { return designer.openRecent(0); }, file},
        {"file from the desktop", [&] { return designer.openFile(other); }, other},
        {"close", [this] { return designer.mayClose(); }, file},
    };
    for (const Command& command : commands) {
        for (const SaveChangesAnswer answer : {SaveChangesAnswer::Cancel, SaveChangesAnswer::Yes, SaveChangesAnswer::No}) {
            SCOPED_TRACE(std::string(command.name) + " answer " + std::to_string(static_cast<int>(answer)));
            designer.setModified(false);
            ASSERT_TRUE(designer.openFile(file));
            editForm1("EDITED");
            host.saveChangesAnswers = {answer};
            if (answer == SaveChangesAnswer::Yes) {  // Yes saves to the current file: make that fail
                fs::remove(file);
                fs::create_directory(file);
            }
            const int editorRuns = view.editorRuns;
            const int questions = host.saveChangesQuestions;
            const bool isGoingOn = answer == SaveChangesAnswer::No;
            EXPECT_EQ(command.run(), isGoingOn);
            EXPECT_EQ(host.saveChangesQuestions, questions + 1);
            if (answer == SaveChangesAnswer::Yes) {
                fs::remove(file);
                projectFile("a.Q72");
                EXPECT_TRUE(host.hasWarned(2601, 2803));
            }
            if (!isGoingOn) {
                EXPECT_EQ(form1(), "EDITED");
                EXPECT_EQ(designer.currentFile(), file);
                EXPECT_TRUE(designer.isModified());
                EXPECT_EQ(view.editorRuns, editorRuns);
            } else if (command.name != std::string("close")) {
                EXPECT_EQ(designer.currentFile(), command.opened);
                EXPECT_FALSE(designer.isModified());
                EXPECT_EQ(view.editorRuns, editorRuns + 1);
            }
        }
    }
}

TEST_F(DesignerTest, RejectedOrMissingFileShowsFormatMismatchAndChangesNothing)
{
    designer.startUp();
    m_folder.write("bad.Q72", "Q720-9.99" + std::string(67205, '\0'));
    editForm1("EDITED");
    host.saveChangesAnswers = {SaveChangesAnswer::No, SaveChangesAnswer::No};
    host.filesToOpen.push_back(path("bad.Q72"));
    EXPECT_FALSE(designer.open());
    EXPECT_EQ(host.warnings, (std::vector<ui::testing::RecordedWarning>{{texts::sid(2601), texts::sid(2801)}}));
    EXPECT_FALSE(designer.openFile(path("missing.Q72")));
    EXPECT_EQ(host.warnings.size(), 1U);
    EXPECT_TRUE(designer.currentFile().empty());
    EXPECT_TRUE(designer.isModified());
    EXPECT_EQ(form1(), "EDITED");
    EXPECT_EQ(view.editorRuns, 0);
    EXPECT_FALSE(designer.openRecent(7));
}

// A file stamped with the other model is read as that model, which the preferences then keep.
TEST_F(DesignerTest, FileOfTheOtherModelSwitchesThePreferencesToIt)
{
    designer.startUp();
    const auto p = testing_support::startedProject(project::Model::Q720PPC);
    ASSERT_TRUE(project::writeFileAtomically(path("ppc.Q72"), project::saveProject(*p, project::Model::Q720PPC)).ok);
    ASSERT_TRUE(designer.openFile(path("ppc.Q72")));
    EXPECT_EQ(designer.preferences().model, project::Model::Q720PPC);
    EXPECT_EQ(texts::readPreferences(m_folder.file("FWQ720.ini")).model, project::Model::Q720PPC);
}

TEST(SaveAsExtension, AppendsQ72UnlessTheExtensionStartsWithIt)
{
    const std::pair<const char*, const char*> rows[] = {
        {"/p/name", "/p/name.Q72"},    {"/p/name.txt", "/p/name.txt.Q72"}, {"/p/name.q72", "/p/name.q72"},
        {"/p/name.Q72x", "/p/name.Q72x"}, {"/p/name.", "/p/name..Q72"},    {"/p.q72/name", "/p.q72/name.Q72"},
    };
    for (const auto& [given, saved] : rows) {
        EXPECT_EQ(withProjectExtension(given), saved);
    }
}

// The editor sheet gets the project and the flag; OK on it restarts the preview at the start
// screen, Cancel keeps its place. New and Open restart it too.
TEST_F(DesignerTest, EditHandsTheProjectToTheSheetAndRestartsThePreviewOnlyWhenApplied)
{
    designer.startUp();
    designer.run(commandValue(Command::About));
    EXPECT_EQ(host.dialogsRun, std::vector<std::string>{"AboutBox"});
    const int repaints = view.repaints;
    designer.project().form(1).escTarget = 22;  // leaves the start screen for menu 2
    designer.pressPreviewKey(PreviewKey::Escape);
    EXPECT_EQ(view.repaints, repaints + 1);
    view.onEditorSheet = [](EditorSession& session) { session.isApplied = false; };
    designer.run(commandValue(Command::Edit));
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Menu, 2));
    view.onEditorSheet = [](EditorSession& session) {
        session.project.form(2).exportName.assign("SHEET");
        session.project.device.startFrom = 1;
        session.isModified = true;
        session.isApplied = true;
    };
    designer.run(commandValue(Command::Edit));
    EXPECT_EQ(designer.project().form(2).exportName.str(), "SHEET");
    EXPECT_TRUE(designer.isModified());
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Menu, 1));

    view.onEditorSheet = nullptr;
    host.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    ASSERT_TRUE(designer.newProject());
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Form, 1));
    host.filesToOpen.push_back(projectFile("menu.Q72", "MENU", 1));
    ASSERT_TRUE(designer.open());
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Menu, 1));
}

}  // namespace
}  // namespace editor::shell
