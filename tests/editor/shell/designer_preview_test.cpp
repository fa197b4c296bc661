// SPDX-License-Identifier: MIT
// When the designer sends the screen preview back to the start screen.
#include "editor/shell/designer.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "editor/shell/shell_view.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "resources/shell_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor {
namespace {

namespace fs = std::filesystem;
using ui::testing::DialogHarness;
using ui::testing::ScriptedHost;

class SheetView final : public ShellView
{
public:
    int repaints = 0;
    std::function<void(EditorSession&)> onEditorSheet;

    void placeWindow(bool) override {}
    void repaintPanel() override { ++repaints; }
    void rebuildPopupMenu() override {}
    void closeWindow() override {}
    void runEditorSheet(EditorSession& session) override
    {
        if (onEditorSheet) {
            onEditorSheet(session);
        }
    }
};

class DesignerPreviewTest : public ::testing::Test
{
protected:
    DesignerPreviewTest()
    {
        fs::create_directories(m_directory);
        designer.startUp();
    }
    ~DesignerPreviewTest() override
    {
        std::error_code ignored;
        fs::remove_all(m_directory, ignored);
    }

    // Leaves the start screen (form 1): its ESC leads to menu 2.
    void walkAway()
    {
        designer.project().form(1).escTarget = 22;
        designer.pressPreviewKey(PreviewKey::Escape);
        ASSERT_EQ(designer.preview().kind(), PreviewScreenKind::Menu);
    }

    [[nodiscard]] bool isAtStart() const
    {
        return designer.preview().kind() == PreviewScreenKind::Form && designer.preview().number() == 1;
    }

    fs::path m_directory = fs::temp_directory_path() / ("formwright_designer_preview_" + std::to_string(::getpid()));
    ScriptedHost host;
    SheetView view;
    Designer designer{host, view, m_directory};
};

TEST_F(DesignerPreviewTest, KeysRepaintThePanelAndTheScreenShowsTheProject)
{
    const int before = view.repaints;
    designer.pressPreviewKey(PreviewKey::Down);
    EXPECT_EQ(view.repaints, before + 1);
    EXPECT_EQ(designer.previewScreen().title, "Form  01");
}

TEST_F(DesignerPreviewTest, SheetOkRestartsAtTheStartScreenAndCancelKeepsThePlace)
{
    walkAway();
    view.onEditorSheet = [](EditorSession& session) { session.isApplied = false; };
    designer.edit();
    EXPECT_FALSE(isAtStart());

    view.onEditorSheet = [](EditorSession& session) {
        session.project.device.startFrom = 1;
        session.isApplied = true;
    };
    designer.edit();
    EXPECT_EQ(designer.preview().kind(), PreviewScreenKind::Menu);
    EXPECT_EQ(designer.preview().number(), 1);
}

TEST_F(DesignerPreviewTest, NewAndOpenRestartAtTheStartScreen)
{
    walkAway();
    designer.newProject();
    EXPECT_TRUE(isAtStart());

    auto p = testing_support::startedProject();
    p->device.startFrom = 1;
    const std::string file = (m_directory / "menu.Q72").string();
    ASSERT_TRUE(project::writeFileAtomically(file, project::saveProject(*p, project::Model::Q720CE)).ok);
    host.filesToOpen.push_back(file);
    ASSERT_TRUE(designer.open());
    EXPECT_EQ(designer.preview().kind(), PreviewScreenKind::Menu);
}

TEST_F(DesignerPreviewTest, LanguageChangeRestartsAndTheScreenSpeaksIt)
{
    std::ofstream(m_directory / "deutsch.lng", std::ios::binary) << "Deutsch\r\n1302=Formular \r\n";
    walkAway();
    host.onDialog("PreferencesDlg", [](DialogHarness& dialog) {
        dialog.select(resources::PreferencesId::LanguageList, 1);
        return dialog.ok() ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
    });
    designer.run(commandValue(Command::Preferences));
    EXPECT_TRUE(isAtStart());
    EXPECT_EQ(designer.previewScreen().name, "Formular 1");
}

}  // namespace
}  // namespace editor
