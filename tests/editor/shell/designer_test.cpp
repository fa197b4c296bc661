// SPDX-License-Identifier: MIT
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
#include "texts/recent_files.h"

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

void writeBytes(const fs::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
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

    // A project file as this program writes it, for the given model, with form 1 named `name`.
    std::string projectFile(std::string_view fileName, project::Model model = project::Model::Q720CE,
                            std::string_view exportName = "FIRST")
    {
        auto p = testing_support::startedProject(model);
        p->form(1).exportName.assign(exportName);
        const auto image = project::saveProject(*p, model);
        const std::string target = path(fileName);
        EXPECT_TRUE(project::writeFileAtomically(target, image).ok);
        return target;
    }

    void writePreferencesFile(std::string_view lines) { writeBytes(m_directory / "FWQ720.ini", lines); }

    [[nodiscard]] texts::Preferences preferencesOnDisk() const
    {
        return texts::readPreferences(m_directory / "FWQ720.ini");
    }

    // Makes the open project differ from any file, as an edit would.
    void edit() { designer.setModified(true); }
    void editForm1(std::string_view exportName)
    {
        designer.project().form(1).exportName.assign(exportName);
        edit();
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

    // Starts up and opens a project file whose form 1 is named `exportName`.
    std::string startWithOpenFile(std::string_view exportName = "FIRST")
    {
        designer.startUp();
        const std::string file = projectFile("a.Q72", project::Model::Q720CE, exportName);
        host.filesToOpen.push_back(file);
        EXPECT_TRUE(designer.open());
        return file;
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

std::string exportNameOfForm1(const Designer& designer) { return designer.project().form(1).exportName.str(); }

bool isFreshProject(const project::Project& p)
{
    const auto fresh = testing_support::startedProject();
    return std::memcmp(&p, fresh.get(), sizeof(project::Project)) == 0;
}

TEST_F(DesignerTest, StartUpWithoutPreferencesGivesANewProjectPlacedNormally)
{
    designer.startUp();
    EXPECT_TRUE(designer.currentFile().empty());
    EXPECT_FALSE(designer.isModified());
    EXPECT_EQ(view.placements, 1);
    EXPECT_FALSE(view.isOnTop);
    EXPECT_EQ(designer.languageState(), ui::LanguageState::BuiltinOnly);
    EXPECT_TRUE(isFreshProject(designer.project()));
}

TEST_F(DesignerTest, StartUpReopensTheLastFileWhenAutoPreloadIsOn)
{
    const std::string file = projectFile("last.Q72");
    writePreferencesFile(file + "\r1\r1\r0\r" + file + "\r0\r");
    designer.startUp();
    EXPECT_EQ(designer.currentFile(), file);
    EXPECT_EQ(exportNameOfForm1(designer), "FIRST");
    EXPECT_FALSE(designer.isModified());
    EXPECT_TRUE(view.isOnTop);
    EXPECT_TRUE(host.warnings.empty());
}

TEST_F(DesignerTest, StartUpWithAMissingOrUnknowLastFileKeepsANewProjectWithoutPath)
{
    for (const std::string& lastFile : {path("gone.Q72"), std::string("Unknow")}) {
        SCOPED_TRACE(lastFile);
        writePreferencesFile(lastFile + "\r1\r0\r0\r0\r");
        host.saveRequests.clear();
        Designer fresh{host, view, m_directory};
        fresh.startUp();
        EXPECT_TRUE(fresh.currentFile().empty());
        EXPECT_TRUE(host.warnings.empty());
        // Save must ask for a name rather than write the empty project over the vanished file.
        EXPECT_FALSE(fresh.save());
        EXPECT_EQ(host.saveRequests.size(), 1U);
    }
    EXPECT_FALSE(fs::exists(path("gone.Q72")));
}

TEST_F(DesignerTest, StartUpWithARejectedLastFileWarnsAndKeepsNoPath)
{
    const std::string bad = path("bad.Q72");
    writeBytes(bad, std::string(70000, 'x'));
    writePreferencesFile(bad + "\r1\r0\r0\r0\r");
    designer.startUp();
    EXPECT_TRUE(designer.currentFile().empty());
    EXPECT_TRUE(host.hasWarned(2601, 2801));
    EXPECT_TRUE(isFreshProject(designer.project()));
}

TEST_F(DesignerTest, CancelAtTheSavePromptStopsNewOpenAndRecentFile)
{
    const std::string file = startWithOpenFile();
    projectFile("other.Q72");
    const std::vector<std::pair<const char*, std::function<bool()>>> commands = {
        {"new", [this] { return designer.newProject(); }},
        {"open", [this] { return designer.open(); }},
        {"recent file", [this] { return designer.openRecent(0); }},
        {"file from the desktop", [this] { return designer.openFile(path("other.Q72")); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        editForm1("EDITED");
        host.saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
        EXPECT_FALSE(command());
        EXPECT_EQ(designer.currentFile(), file);
        EXPECT_TRUE(designer.isModified());
        EXPECT_EQ(exportNameOfForm1(designer), "EDITED");
    }
    EXPECT_EQ(host.openRequests.size(), 1U);
    EXPECT_EQ(view.editorRuns, 1);
}

TEST_F(DesignerTest, NewAfterNoDiscardsClearsThePathAndOpensTheEditor)
{
    startWithOpenFile();
    edit();
    host.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    EXPECT_TRUE(designer.newProject());
    EXPECT_TRUE(designer.currentFile().empty());
    EXPECT_FALSE(designer.isModified());
    EXPECT_TRUE(isFreshProject(designer.project()));
    EXPECT_EQ(view.editorRuns, 2);
}

TEST_F(DesignerTest, YesWithoutASuccessfulSaveStopsNewOpenAndCloseSoNothingIsLost)
{
    designer.startUp();
    editForm1("EDITED");
    host.saveChangesAnswers.push_back(SaveChangesAnswer::Yes);
    host.filesToSave.push_back(std::nullopt);
    EXPECT_FALSE(designer.newProject());
    EXPECT_EQ(exportNameOfForm1(designer), "EDITED");
    EXPECT_TRUE(designer.isModified());
    EXPECT_EQ(view.editorRuns, 0);

    host.saveChangesAnswers = {SaveChangesAnswer::Yes, SaveChangesAnswer::Yes};
    host.filesToSave = {path("missing_dir/x.Q72"), path("missing_dir/x.Q72")};
    EXPECT_FALSE(designer.open());
    EXPECT_TRUE(host.openRequests.empty());
    EXPECT_FALSE(designer.mayClose());
    EXPECT_TRUE(designer.isModified());
    EXPECT_TRUE(host.hasWarned(2601, 2803));
}

TEST_F(DesignerTest, YesSavesToTheCurrentFileThenCloses)
{
    const std::string file = startWithOpenFile();
    editForm1("SAVED");
    host.saveChangesAnswers.push_back(SaveChangesAnswer::Yes);
    EXPECT_TRUE(designer.mayClose());
    EXPECT_FALSE(designer.isModified());
    const auto bytes = project::readFilePrefix(file, project::CurrentFileBytes);
    auto reread = testing_support::startedProject();
    ASSERT_TRUE(project::loadProject(bytes.bytes, *reread, {texts::BuiltinTextSource{}}).ok);
    EXPECT_EQ(reread->form(1).exportName.str(), "SAVED");
}

TEST_F(DesignerTest, UnmodifiedProjectClosesWithoutAsking)
{
    designer.startUp();
    EXPECT_TRUE(designer.mayClose());
    EXPECT_EQ(host.saveChangesQuestions, 0);
    designer.run(commandValue(Command::Exit));
    EXPECT_EQ(view.closeRequests, 1);
}

TEST_F(DesignerTest, CancelledOpenLeavesProjectPathAndFlag)
{
    const std::string file = startWithOpenFile();
    editForm1("EDITED");
    host.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    host.filesToOpen.push_back(std::nullopt);
    EXPECT_FALSE(designer.open());
    EXPECT_EQ(designer.currentFile(), file);
    EXPECT_TRUE(designer.isModified());
    EXPECT_EQ(exportNameOfForm1(designer), "EDITED");
}

TEST_F(DesignerTest, RejectedOpenShowsFormatMismatchAndChangesNothing)
{
    designer.startUp();
    const std::string bad = path("bad.Q72");
    writeBytes(bad, "Q720-9.99" + std::string(67205, '\0'));
    editForm1("EDITED");
    host.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    host.filesToOpen.push_back(bad);
    EXPECT_FALSE(designer.open());
    EXPECT_EQ(host.warnings, (std::vector<ui::testing::RecordedWarning>{{texts::sid(2601), texts::sid(2801)}}));
    EXPECT_TRUE(designer.currentFile().empty());
    EXPECT_TRUE(designer.isModified());
    EXPECT_EQ(exportNameOfForm1(designer), "EDITED");
    EXPECT_TRUE(designer.preferences().recentFiles.empty());
    EXPECT_EQ(view.editorRuns, 0);
}

TEST_F(DesignerTest, OpenOffersProjectFilesReadsTheFileRemembersItAndOpensTheEditor)
{
    const std::string file = startWithOpenFile();
    EXPECT_EQ(designer.currentFile(), file);
    EXPECT_FALSE(designer.isModified());
    EXPECT_EQ(exportNameOfForm1(designer), "FIRST");
    EXPECT_EQ(view.editorRuns, 1);
    EXPECT_EQ(preferencesOnDisk().recentFiles, std::vector<std::string>{file});
    EXPECT_EQ(preferencesOnDisk().lastFile, file);
    EXPECT_GT(view.menuRebuilds, 0);

    // The chooser offers project files first, and the current file the next time.
    host.filesToOpen.push_back(std::nullopt);
    EXPECT_FALSE(designer.open());
    ASSERT_EQ(host.openRequests.size(), 2U);
    const ui::FileChooserRequest& first = host.openRequests[0];
    ASSERT_EQ(first.filters.size(), 2U);
    EXPECT_EQ(first.filters[0].description, "Formwright Files for Q720 (*.Q72)");
    EXPECT_EQ(first.filters[0].patterns, "*.Q72");
    EXPECT_EQ(first.filters[1].patterns, "*.*");
    EXPECT_EQ(first.defaultExtension, "Q72");
    EXPECT_TRUE(first.initialFile.empty());
    EXPECT_EQ(host.openRequests[1].initialFile, file);
    EXPECT_EQ(host.openRequests[1].initialDirectory, m_directory.string());
}

TEST_F(DesignerTest, SaveWithoutPathRunsSaveAsAndAddsTheExtension)
{
    designer.startUp();
    edit();
    host.filesToSave.push_back(path("new"));
    EXPECT_TRUE(designer.save());
    EXPECT_EQ(designer.currentFile(), path("new.Q72"));
    EXPECT_FALSE(designer.isModified());
    EXPECT_EQ(fs::file_size(path("new.Q72")), project::CurrentFileBytes);
    ASSERT_EQ(host.saveRequests.size(), 1U);
    EXPECT_EQ(host.saveRequests[0].filters.size(), 1U);
    EXPECT_EQ(host.saveRequests[0].defaultExtension, "Q72");
}

TEST_F(DesignerTest, CancelledOrFailedSaveAsKeepsTheFlagAndThePath)
{
    designer.startUp();
    host.filesToSave.push_back(path("a"));
    ASSERT_TRUE(designer.saveAs());
    edit();
    EXPECT_FALSE(designer.saveAs());  // cancelled: no file chosen
    EXPECT_TRUE(host.warnings.empty());
    host.filesToSave.push_back(path("missing_dir/b.Q72"));
    EXPECT_FALSE(designer.saveAs());
    EXPECT_TRUE(host.hasWarned(2601, 2803));
    EXPECT_TRUE(designer.isModified());
    EXPECT_EQ(designer.currentFile(), path("a.Q72"));
}

TEST_F(DesignerTest, RecentFileCommandAfterNoOpensTheFileAndTheEditor)
{
    const std::string file = startWithOpenFile("RECENT");
    ASSERT_TRUE(designer.newProject());
    editForm1("EDITED");
    host.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    designer.run(commandValue(recentFileCommand(0)));
    EXPECT_EQ(exportNameOfForm1(designer), "RECENT");
    EXPECT_EQ(designer.currentFile(), file);
    EXPECT_FALSE(designer.isModified());
    EXPECT_EQ(view.editorRuns, 3);
}

TEST_F(DesignerTest, FailedRecentFileLeavesEverythingAndSkipsTheEditor)
{
    const std::string file = startWithOpenFile();
    ASSERT_TRUE(designer.newProject());
    editForm1("EDITED");
    fs::remove(file);
    host.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    EXPECT_FALSE(designer.openRecent(0));
    EXPECT_TRUE(designer.currentFile().empty());
    EXPECT_TRUE(designer.isModified());
    EXPECT_EQ(exportNameOfForm1(designer), "EDITED");
    EXPECT_EQ(view.editorRuns, 2);
    EXPECT_FALSE(designer.openRecent(7));
}

TEST_F(DesignerTest, FileFromTheDesktopReplacesTheLastFileAndOpensAsARecentFileDoes)
{
    const std::string last = projectFile("last.Q72", project::Model::Q720CE, "LAST");
    writePreferencesFile(last + "\r1\r0\r0\r" + last + "\r0\r");
    const std::string bad = path("bad.Q72");
    writeBytes(bad, "Q999-1.14");
    struct Row
    {
        std::string file;
        bool isOpened;
        bool isWarned;
    };
    const Row rows[] = {
        {path("missing.Q72"), false, false},
        {bad, false, true},
        {projectFile("given.Q72", project::Model::Q720CE, "GIVEN"), true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        host.warnings.clear();
        view.editorRuns = 0;
        Designer fresh{host, view, m_directory};
        fresh.startUp(Designer::LastFile::Skip);
        EXPECT_TRUE(isFreshProject(fresh.project())) << "the last file is not reopened";
        EXPECT_EQ(fresh.openFile(row.file), row.isOpened);
        EXPECT_EQ(view.editorRuns, row.isOpened ? 1 : 0);
        EXPECT_EQ(fresh.currentFile(), row.isOpened ? row.file : "");
        if (row.isOpened) {
            EXPECT_EQ(exportNameOfForm1(fresh), "GIVEN");
        } else {
            EXPECT_TRUE(isFreshProject(fresh.project())) << "a new project stays";
        }
        EXPECT_EQ(fresh.preferences().recentFiles.front(), row.isOpened ? row.file : last);
        EXPECT_EQ(host.hasWarned(2601, 2801), row.isWarned);
    }
}

TEST_F(DesignerTest, PreferencesOkWithoutLanguageChangeKeepsTheProjectTexts)
{
    designer.startUp();
    auto slot = designer.project().texts.slot(7, 0);
    slot[0] = 'Z';
    runPreferences([](DialogHarness& dialog) { dialog.click(resources::PreferencesId::AlwaysOnTopCheck); });
    EXPECT_EQ(designer.project().texts.slot(7, 0)[0], 'Z');
    EXPECT_TRUE(designer.preferences().isAlwaysOnTop);
    EXPECT_TRUE(preferencesOnDisk().isAlwaysOnTop);
    EXPECT_TRUE(view.isOnTop);
    EXPECT_GT(view.repaints, 0);
    EXPECT_FALSE(designer.isModified());
}

TEST_F(DesignerTest, PreferencesDoNotGiveANewProjectTheLastFile)
{
    const std::string file = projectFile("a.Q72");
    writePreferencesFile(file + "\r1\r0\r0\r" + file + "\r0\r");
    designer.startUp();
    ASSERT_EQ(designer.currentFile(), file);
    ASSERT_TRUE(designer.newProject());
    runPreferences(
        [](DialogHarness& dialog) { EXPECT_TRUE(dialog.isChecked(resources::PreferencesId::AutoPreloadCheck)); });
    EXPECT_TRUE(designer.currentFile().empty());
}

TEST_F(DesignerTest, LanguageChoiceRefillsTheTerminalTextsAndRelabelsTheMenu)
{
    const int firstId = project::textTable(7).firstId;
    writeBytes(m_directory / "deutsch.lng", "Deutsch\r\n" + std::to_string(firstId) + "=Hallo\r\n31=&Neu\r\n");
    designer.startUp();
    runPreferences([](DialogHarness& dialog) {
        EXPECT_EQ(dialog.controls().items(resources::PreferencesId::LanguageList),
                  (std::vector<std::string>{"Default <English>", "Deutsch"}));
        EXPECT_EQ(dialog.selection(resources::PreferencesId::LanguageList), 0);
        dialog.select(resources::PreferencesId::LanguageList, 1);
    });
    EXPECT_EQ(designer.preferences().language, "Deutsch");
    EXPECT_EQ(designer.languageState(), ui::LanguageState::Loaded);
    EXPECT_EQ(testing_support::slotText(designer.project(), 7, 0).substr(0, 5), "Hallo");
    EXPECT_EQ(designer.popupMenu()[0].label, "&Neu");
    EXPECT_EQ(designer.popupMenu()[1].label, "&Open...\tCtrl+O");
}

TEST_F(DesignerTest, LanguageListIsDisabledOnlyWhenNoLanguageFileIsUsable)
{
    designer.startUp();
    const auto expectListEnabled = [this](bool isEnabled) {
        runPreferences([isEnabled](DialogHarness& dialog) {
            EXPECT_EQ(dialog.isEnabled(resources::PreferencesId::LanguageList), isEnabled);
            EXPECT_EQ(dialog.isEnabled(resources::PreferencesId::LanguageLabel), isEnabled);
        });
    };
    expectListEnabled(true);                            // no file at all: count -1
    writeBytes(m_directory / "nameless.lng", "\r\n31=&Neu\r\n"); // a file, but no usable entry: count 0
    expectListEnabled(false);
}

TEST_F(DesignerTest, LanguageWhoseFileIsGoneIsKeptUnlessAnotherIsChosen)
{
    writePreferencesFile("Unknow\r0\r0\rKlingon\r0\r");
    designer.startUp();
    runPreferences(
        [](DialogHarness& dialog) { EXPECT_EQ(dialog.selection(resources::PreferencesId::LanguageList), 0); });
    EXPECT_EQ(preferencesOnDisk().language, "Klingon");

    runPreferences([](DialogHarness& dialog) { dialog.select(resources::PreferencesId::LanguageList, 0); });
    EXPECT_EQ(preferencesOnDisk().language, "0");
}

TEST_F(DesignerTest, CancelledPreferencesWriteNothing)
{
    designer.startUp();
    host.onDialog("PreferencesDlg", [](DialogHarness& dialog) {
        dialog.click(resources::PreferencesId::AutoPreloadCheck);
        dialog.cancel();
        return ui::DialogResult::Cancel;
    });
    designer.showPreferences();
    EXPECT_FALSE(designer.preferences().isAutoPreloadOn);
    EXPECT_FALSE(fs::exists(m_directory / "FWQ720.ini"));
}

TEST_F(DesignerTest, ReadOnlyProgramFolderKeepsPreferencesAndLanguagesInTheUserFolders)
{
    const fs::path program = m_directory / "bin";
    const texts::UserFolders user{m_directory / "config", m_directory / "data"};
    fs::create_directories(program);
    fs::create_directories(user.data / "formwright" / "languages");
    writeBytes(user.data / "formwright" / "languages" / "de.lng", "Deutsch\r\n31=&Neu\r\n");
    const texts::ProgramFolders folders = texts::programFolders(program, user, [](const fs::path&) { return false; });
    {
        Designer first{host, view, folders};
        first.startUp();
        host.onDialog("PreferencesDlg", [](DialogHarness& dialog) {
            dialog.click(resources::PreferencesId::AlwaysOnTopCheck);
            dialog.select(resources::PreferencesId::LanguageList, 1);
            return dialog.ok() ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
        });
        first.showPreferences();
    }
    EXPECT_TRUE(fs::exists(user.configuration / "formwright" / "FWQ720.ini"));
    EXPECT_TRUE(fs::is_empty(program));

    view.isOnTop = false;
    Designer next{host, view, folders};
    next.startUp();
    EXPECT_TRUE(view.isOnTop);
    EXPECT_EQ(next.preferences().language, "Deutsch");
    EXPECT_EQ(next.popupMenu()[0].label, "&Neu");
}

TEST_F(DesignerTest, AboutRunsItsBoxAndEditHandsTheProjectAndFlagToTheEditor)
{
    view.onEditorSheet = [](EditorSession& session) {
        session.project.form(2).exportName.assign("SHEET");
        session.isModified = true;
    };
    designer.startUp();
    designer.run(commandValue(Command::About));
    EXPECT_EQ(host.dialogsRun, std::vector<std::string>{"AboutBox"});
    designer.run(commandValue(Command::Edit));
    EXPECT_EQ(designer.project().form(2).exportName.str(), "SHEET");
    EXPECT_TRUE(designer.isModified());
}

TEST(SaveAsExtension, AppendsQ72UnlessTheExtensionStartsWithIt)
{
    EXPECT_EQ(withProjectExtension("/p/name"), "/p/name.Q72");
    EXPECT_EQ(withProjectExtension("/p/name.txt"), "/p/name.txt.Q72");
    EXPECT_EQ(withProjectExtension("/p/name.q72"), "/p/name.q72");
    EXPECT_EQ(withProjectExtension("/p/name.Q72x"), "/p/name.Q72x");
    EXPECT_EQ(withProjectExtension("/p/name."), "/p/name..Q72");
    EXPECT_EQ(withProjectExtension("/p.q72/name"), "/p.q72/name.Q72");
}

}  // namespace
}  // namespace editor
