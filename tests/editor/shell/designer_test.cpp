// SPDX-License-Identifier: MIT
// The designer's wiring: which command asks about unsaved changes, reads or writes which file,
// opens the editor, restarts the screen preview and writes the preferences. The rules of the
// file formats, the recent list and the preferences file are the core's tests.
#include "editor/shell/designer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "editor/shell/shell_view.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "project/text_tables.h"
#include "resources/shell_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"
#include "texts/preferences.h"
#include "texts/program_folders.h"

namespace editor {
namespace {

namespace fs = std::filesystem;
using ui::SaveChangesAnswer;
using ui::testing::DialogHarness;
using ui::testing::ScriptedHost;

class RecordingView final : public ShellView
{
public:
    int placements = 0;
    bool isOnTop = false;
    int repaints = 0;
    int menuRebuilds = 0;
    int closeRequests = 0;
    int editorRuns = 0;
    std::function<void(EditorSession&)> onEditorSheet;

    void placeWindow(bool isAlwaysOnTop) override
    {
        ++placements;
        isOnTop = isAlwaysOnTop;
    }
    void repaintPanel() override { ++repaints; }
    void rebuildPopupMenu() override { ++menuRebuilds; }
    void closeWindow() override { ++closeRequests; }
    void runEditorSheet(EditorSession& session) override
    {
        ++editorRuns;
        if (onEditorSheet) {
            onEditorSheet(session);
        }
    }
};

void writeBytes(const fs::path& path, std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool isFreshProject(const project::Project& p)
{
    const auto fresh = testing_support::startedProject();
    return std::memcmp(&p, fresh.get(), sizeof(project::Project)) == 0;
}

class DesignerTest : public ::testing::Test
{
protected:
    ~DesignerTest() override
    {
        std::error_code ignored;
        fs::remove_all(m_directory, ignored);
    }

    [[nodiscard]] std::string path(std::string_view name) const { return (m_directory / name).string(); }

    // A project file as this program writes it, with form 1 named `exportName`.
    std::string projectFile(std::string_view fileName, std::string_view exportName = "FIRST", int startFrom = 0)
    {
        auto p = testing_support::startedProject();
        p->form(1).exportName.assign(exportName);
        p->device.startFrom = static_cast<project::Byte>(startFrom);
        EXPECT_TRUE(project::writeFileAtomically(path(fileName), project::saveProject(*p, project::Model::Q720CE)).ok);
        return path(fileName);
    }
    void writePreferencesFile(std::string_view lines) { writeBytes(m_directory / "FWQ720.ini", lines); }
    [[nodiscard]] texts::Preferences preferencesOnDisk() const
    {
        return texts::readPreferences(m_directory / "FWQ720.ini");
    }
    std::string form1() const { return designer.project().form(1).exportName.str(); }
    void editForm1(std::string_view exportName)
    {
        designer.project().form(1).exportName.assign(exportName);
        designer.setModified(true);
    }
    // Runs the Preferences dialog with `choose` playing the user, who then presses OK.
    void runPreferences(const std::function<void(DialogHarness&)>& choose)
    {
        host.onDialog("PreferencesDlg", [choose](DialogHarness& dialog) {
            choose(dialog);
            return dialog.ok() ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
        });
        designer.run(commandValue(Command::Preferences));
    }
    std::string startWithOpenFile(std::string_view exportName = "FIRST")
    {
        designer.startUp();
        host.filesToOpen.push_back(projectFile("a.Q72", exportName));
        EXPECT_TRUE(designer.open());
        return path("a.Q72");
    }
    [[nodiscard]] bool isPreviewAt(PreviewScreenKind kind, int number) const
    {
        return designer.preview().kind() == kind && designer.preview().number() == number;
    }
    // Leaves the start screen (form 1): its ESC leads to menu 2.
    void walkAway()
    {
        designer.project().form(1).escTarget = 22;
        designer.pressPreviewKey(PreviewKey::Escape);
        ASSERT_TRUE(isPreviewAt(PreviewScreenKind::Menu, 2));
    }

    static fs::path freshDirectory()
    {
        static std::atomic<int> counter{0};
        static const unsigned run = std::random_device{}();  // apart from other runs at once
        fs::path directory = fs::temp_directory_path() /
                             ("formwright_designer_" + std::to_string(run) + "_" + std::to_string(counter++));
        fs::create_directories(directory);
        return directory;
    }

    fs::path m_directory = freshDirectory();
    ScriptedHost host;
    RecordingView view;
    Designer designer{host, view, m_directory};
};

TEST_F(DesignerTest, StartUpReopensTheLastFileOnlyWhenAutoPreloadIsOnAndTheFileIsSound)
{
    writeBytes(path("bad.Q72"), std::string(70000, 'x'));
    struct Row
    {
        const char* name;
        std::string preferences;  // none: no file
        std::string opened;
        bool isOnTop;
        bool isWarned;
    };
    const std::string last = projectFile("last.Q72");
    const Row rows[] = {
        {"no preferences", "", "", false, false},
        {"auto-preload on", last + "\r1\r1\r0\r" + last + "\r0\r", last, true, false},
        {"auto-preload off", last + "\r0\r0\r0\r" + last + "\r0\r", "", false, false},
        {"last file gone", path("gone.Q72") + "\r1\r0\r0\r0\r", "", false, false},
        {"last file \"Unknow\"", "Unknow\r1\r0\r0\r0\r", "", false, false},
        {"last file rejected", path("bad.Q72") + "\r1\r0\r0\r0\r", "", false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(m_directory / "FWQ720.ini");
        if (!row.preferences.empty()) {
            writePreferencesFile(row.preferences);
        }
        host.warnings.clear();
        host.saveRequests.clear();
        view.placements = 0;
        Designer fresh{host, view, m_directory};
        fresh.startUp();
        EXPECT_EQ(fresh.currentFile(), row.opened);
        EXPECT_EQ(isFreshProject(fresh.project()), row.opened.empty());
        EXPECT_FALSE(fresh.isModified());
        EXPECT_EQ(view.placements, 1);
        EXPECT_EQ(view.isOnTop, row.isOnTop);
        EXPECT_EQ(host.hasWarned(2601, 2801), row.isWarned);
        if (row.opened.empty()) {
            // Save must ask for a name rather than write the new project over the last file.
            EXPECT_FALSE(fresh.save());
            EXPECT_EQ(host.saveRequests.size(), 1U);
        }
    }
    EXPECT_FALSE(fs::exists(path("gone.Q72")));
    EXPECT_EQ(fs::file_size(path("bad.Q72")), 70000U);
}

// Every command that replaces the project asks first; Cancel, and Yes whose save fails, stop it
// with the edits, the path and the flag as they were; No goes on.
TEST_F(DesignerTest, EveryCommandThatReplacesTheProjectSettlesUnsavedChangesFirst)
{
    const std::string file = startWithOpenFile();
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

TEST_F(DesignerTest, YesSavesToTheCurrentFileThenClosesAndAnUnmodifiedProjectClosesWithoutAsking)
{
    const std::string file = startWithOpenFile();
    EXPECT_TRUE(designer.mayClose());
    EXPECT_EQ(host.saveChangesQuestions, 0);
    editForm1("SAVED");
    host.saveChangesAnswers.push_back(SaveChangesAnswer::Yes);
    EXPECT_TRUE(designer.mayClose());
    EXPECT_FALSE(designer.isModified());
    auto reread = testing_support::startedProject();
    const auto bytes = project::readFilePrefix(file, project::CurrentFileBytes);
    ASSERT_TRUE(project::loadProject(bytes.bytes, *reread, {texts::BuiltinTextSource{}}).ok);
    EXPECT_EQ(reread->form(1).exportName.str(), "SAVED");
    designer.run(commandValue(Command::Exit));
    EXPECT_EQ(view.closeRequests, 1);
}

TEST_F(DesignerTest, OpenOffersProjectFilesReadsTheFileAndOpensTheEditor)
{
    const std::string file = startWithOpenFile();
    EXPECT_EQ(form1(), "FIRST");
    EXPECT_FALSE(designer.isModified());
    EXPECT_EQ(view.editorRuns, 1);
    EXPECT_EQ(preferencesOnDisk().lastFile, file);
    EXPECT_GT(view.menuRebuilds, 0);
    // The chooser offers project files first, and the current file the next time.
    host.filesToOpen.push_back(std::nullopt);
    EXPECT_FALSE(designer.open());
    EXPECT_EQ(designer.currentFile(), file);
    ASSERT_EQ(host.openRequests.size(), 2U);
    const ui::FileChooserRequest& first = host.openRequests[0];
    ASSERT_EQ(first.filters.size(), 2U);
    EXPECT_EQ(first.filters[0].description, "Formwright Files for Q720 (*.Q72)");
    EXPECT_EQ(first.filters[0].patterns + first.filters[1].patterns + first.defaultExtension, "*.Q72*.*Q72");
    EXPECT_TRUE(first.initialFile.empty());
    EXPECT_EQ(host.openRequests[1].initialFile, file);
    EXPECT_EQ(host.openRequests[1].initialDirectory, m_directory.string());
}

TEST_F(DesignerTest, RejectedOrMissingFileShowsFormatMismatchAndChangesNothing)
{
    designer.startUp();
    writeBytes(path("bad.Q72"), "Q720-9.99" + std::string(67205, '\0'));
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
    EXPECT_EQ(preferencesOnDisk().model, project::Model::Q720PPC);
}

TEST_F(DesignerTest, FileFromTheDesktopIsOpenedInsteadOfTheLastFile)
{
    const std::string last = projectFile("last.Q72", "LAST");
    writePreferencesFile(last + "\r1\r0\r0\r" + last + "\r0\r");
    designer.startUp(Designer::LastFile::Skip);
    EXPECT_TRUE(isFreshProject(designer.project()));
    EXPECT_TRUE(designer.openFile(projectFile("given.Q72", "GIVEN")));
    EXPECT_EQ(form1(), "GIVEN");
    EXPECT_EQ(view.editorRuns, 1);
}

TEST_F(DesignerTest, SaveWithoutPathRunsSaveAsWhichAddsTheExtensionAndKeepsThePathWhenItFails)
{
    designer.startUp();
    designer.setModified(true);
    host.filesToSave.push_back(path("new"));
    EXPECT_TRUE(designer.save());
    EXPECT_EQ(designer.currentFile(), path("new.Q72"));
    EXPECT_FALSE(designer.isModified());
    EXPECT_EQ(fs::file_size(path("new.Q72")), project::CurrentFileBytes);
    ASSERT_EQ(host.saveRequests.size(), 1U);
    EXPECT_EQ(host.saveRequests[0].filters.size(), 1U);
    EXPECT_EQ(host.saveRequests[0].defaultExtension, "Q72");
    designer.setModified(true);
    EXPECT_FALSE(designer.saveAs());  // cancelled: no file chosen
    EXPECT_TRUE(host.warnings.empty());
    host.filesToSave.push_back(path("missing_dir/b.Q72"));
    EXPECT_FALSE(designer.saveAs());
    EXPECT_TRUE(host.hasWarned(2601, 2803));
    EXPECT_TRUE(designer.isModified());
    EXPECT_EQ(designer.currentFile(), path("new.Q72"));
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

TEST_F(DesignerTest, PreferencesOkPlacesTheWindowWritesTheFileAndKeepsTheProject)
{
    const std::string file = projectFile("a.Q72");
    writePreferencesFile(file + "\r1\r0\r0\r" + file + "\r0\r");
    designer.startUp();
    ASSERT_TRUE(designer.newProject());
    auto slot = designer.project().texts.slot(7, 0);
    slot[0] = 'Z';
    runPreferences([](DialogHarness& dialog) {
        EXPECT_TRUE(dialog.isChecked(resources::PreferencesId::AutoPreloadCheck));
        dialog.click(resources::PreferencesId::AlwaysOnTopCheck);
    });
    EXPECT_EQ(designer.project().texts.slot(7, 0)[0], 'Z');
    EXPECT_TRUE(preferencesOnDisk().isAlwaysOnTop);
    EXPECT_TRUE(view.isOnTop);
    EXPECT_GT(view.repaints, 0);
    EXPECT_FALSE(designer.isModified());
    EXPECT_TRUE(designer.currentFile().empty());  // a new project is not given the last file

    host.onDialog("PreferencesDlg", [](DialogHarness& dialog) {
        dialog.click(resources::PreferencesId::AutoPreloadCheck);
        dialog.cancel();
        return ui::DialogResult::Cancel;
    });
    designer.showPreferences();
    EXPECT_TRUE(designer.preferences().isAutoPreloadOn);
}

TEST_F(DesignerTest, LanguageChoiceRefillsTheTextsRelabelsTheMenuAndRestartsThePreview)
{
    const int firstId = project::textTable(7).firstId;
    writeBytes(m_directory / "deutsch.lng",
               "Deutsch\r\n" + std::to_string(firstId) + "=Hallo\r\n31=&Neu\r\n1302=Formular \r\n");
    designer.startUp();
    walkAway();
    runPreferences([](DialogHarness& dialog) {
        EXPECT_EQ(dialog.controls().items(resources::PreferencesId::LanguageList),
                  (std::vector<std::string>{"Default <English>", "Deutsch"}));
        dialog.select(resources::PreferencesId::LanguageList, 1);
    });
    EXPECT_EQ(designer.preferences().language, "Deutsch");
    EXPECT_EQ(designer.languageState(), ui::LanguageState::Loaded);
    EXPECT_EQ(testing_support::slotText(designer.project(), 7, 0).substr(0, 5), "Hallo");
    EXPECT_EQ(designer.popupMenu()[0].label, "&Neu");
    EXPECT_EQ(designer.popupMenu()[1].label, "&Open...\tCtrl+O");
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Form, 1));
    EXPECT_EQ(designer.previewScreen().name, "Formular 1");
}

// The editor sheet gets the project and the flag; OK on it restarts the preview at the start
// screen, Cancel keeps its place. New and Open restart it too.
TEST_F(DesignerTest, EditHandsTheProjectToTheSheetAndRestartsThePreviewOnlyWhenApplied)
{
    designer.startUp();
    designer.run(commandValue(Command::About));
    EXPECT_EQ(host.dialogsRun, std::vector<std::string>{"AboutBox"});
    const int repaints = view.repaints;
    walkAway();
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
}  // namespace editor
