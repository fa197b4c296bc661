// SPDX-License-Identifier: MIT
#include "app/property_sheet_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

#include "app/dialog_view.h"
#include "editor/shell/editor_session.h"
#include "resources/menu_templates.h"
#include "support/project_fixtures.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"

namespace app {
namespace {

constexpr int MenuTab = static_cast<int>(editor::SheetPage::Menu);

class PropertySheetDialogTest : public ::testing::Test
{
protected:
    PropertySheetDialogTest() { testing::qtTestApp(); }

    editor::shell::EditorSession session(std::string_view currentFile = "")
    {
        return {*m_project, m_isModified, m_texts, ui::LanguageState::BuiltinOnly, project::Model::Q720CE, m_host,
                currentFile};
    }

    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    testing_support::OverrideTextSource m_texts;
    ui::testing::ScriptedHost m_host;
    bool m_isModified = false;
};

TEST_F(PropertySheetDialogTest, ShowsFiveTitledTabsAndTheCaption)
{
    m_texts.set(1, "Formul\xE4r"); // language texts are in the code page, paths in the file system's encoding
    PropertySheetDialog sheet(session("/home/j\xC3\xBCrgen/a.Q72"));
    ASSERT_EQ(sheet.tabs().count(), 5);
    EXPECT_EQ(sheet.tabs().tabText(MenuTab), QStringLiteral("Menu"));
    EXPECT_EQ(sheet.windowTitle(), QString::fromUtf8("Q720CE Formul\u00e4r - [ /home/j\u00fcrgen/a.Q72 ]"));
    EXPECT_NE(sheet.pageView(0), nullptr);
    EXPECT_EQ(sheet.pageView(MenuTab), nullptr) << "pages are built when first shown";
}

TEST_F(PropertySheetDialogTest, TypedItemNameReachesTheProjectOnlyAfterOk)
{
    for (const bool isAccepted : {false, true}) {
        SCOPED_TRACE(isAccepted ? "OK" : "Cancel");
        PropertySheetDialog sheet(session());
        sheet.tabs().setCurrentIndex(MenuTab);
        auto* name = qobject_cast<QLineEdit*>(sheet.pageView(MenuTab)->widgetFor(resources::itemNameEdit(2)));
        ASSERT_NE(name, nullptr);
        testing::typeKeys(name, QStringLiteral("Receive"));
        EXPECT_TRUE(m_project->menu(1).itemName[1].isEmpty());
        if (isAccepted) {
            sheet.accept();
            EXPECT_EQ(sheet.result(), QDialog::Accepted);
        } else {
            sheet.reject();
        }
    }
    EXPECT_EQ(m_project->menu(1).itemName[1].str(), "Receive");
    EXPECT_EQ(m_project->menu(1).itemCount, 1);
}

} // namespace
} // namespace app
