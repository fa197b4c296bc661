// SPDX-License-Identifier: MIT
#include "editor/menus/menu_page.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/menu_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::menus {
namespace {

using resources::itemNameEdit;
using resources::itemNextList;
using resources::MenuPageId;
using ui::testing::DialogHarness;

class MenuPageTest : public ::testing::Test
{
protected:
    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    texts::BuiltinTextSource m_texts;

    DialogHarness openPage(ui::LanguageState language = ui::LanguageState::BuiltinOnly)
    {
        return DialogHarness(resources::menuPageTemplate, MenuPage(*m_project, m_texts, language));
    }
};

TEST_F(MenuPageTest, WorkingCopyKeepsEditsAcrossMenuSwitchesAndApplyCountsNamedItems)
{
    m_project->menu(3).itemName[13].assign("Beyond the page");
    DialogHarness page = openPage();
    page.type(itemNameEdit(1), "Receive");
    page.type(itemNameEdit(3), "Three");
    page.select(MenuPageId::MenuList, 2);
    EXPECT_EQ(page.text(itemNameEdit(1)), "");
    page.type(itemNameEdit(1), "Ship");
    page.select(itemNextList(1), 21);
    page.select(MenuPageId::MenuList, 0);
    EXPECT_EQ(page.text(itemNameEdit(1)), "Receive");
    EXPECT_EQ(page.selection(itemNextList(1)), 0);
    EXPECT_TRUE(m_project->menu(1).itemName[0].isEmpty()) << "edits stay in the working copy until OK";

    ASSERT_TRUE(page.apply());
    EXPECT_EQ(m_project->menu(1).itemName[0].str(), "Receive");
    EXPECT_EQ(m_project->menu(3).itemName[0].str(), "Ship");
    EXPECT_EQ(m_project->menu(3).itemNext[0], 21);
    EXPECT_EQ(m_project->menu(1).itemCount, 2) << "gaps are not counted";
    EXPECT_EQ(m_project->menu(3).itemCount, 2) << "items beyond the ten shown are counted";
    EXPECT_EQ(m_project->menu(2).itemCount, 0);
}

} // namespace
}  // namespace editor::menus
