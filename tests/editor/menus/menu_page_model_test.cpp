// SPDX-License-Identifier: MIT
#include "editor/menus/menu_page_model.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/menu_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor {
namespace {

using resources::itemNameEdit;
using resources::itemNextList;
using resources::MenuId;
using ui::testing::DialogHarness;

class MenuPageModelTest : public ::testing::Test
{
protected:
    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    texts::BuiltinTextSource m_texts;

    DialogHarness openPage(ui::LanguageState language = ui::LanguageState::BuiltinOnly)
    {
        return DialogHarness(resources::menuPageTemplate(), MenuPageModel(*m_project, m_texts, language));
    }
};

TEST_F(MenuPageModelTest, ShowsTheStoredMenu)
{
    project::MenuDef& menu = m_project->menu(1);
    menu.captionOn = 1;
    menu.caption.assign("Main menu");
    menu.itemName[1].assign("Count");
    menu.itemNext[1] = 22;
    menu.escTarget = 5;
    menu.saveSelectedItem = 1;
    DialogHarness page = openPage();
    EXPECT_TRUE(page.isChecked(MenuId::CaptionCheck));
    EXPECT_TRUE(page.isEnabled(MenuId::CaptionEdit));
    EXPECT_EQ(page.text(MenuId::CaptionEdit), "Main menu");
    EXPECT_EQ(page.text(itemNameEdit(2)), "Count");
    EXPECT_EQ(page.selection(itemNextList(2)), 22);
    EXPECT_EQ(page.selection(itemNextList(3)), 0);
    EXPECT_EQ(page.selection(MenuId::EscList), 5);
    EXPECT_FALSE(page.isChecked(MenuId::SaveCaptionCheck));
    EXPECT_TRUE(page.isChecked(MenuId::SaveSelectedItemCheck));
}

TEST_F(MenuPageModelTest, WorkingCopyKeepsEditsAcrossMenuSwitchesAndApplyCountsNamedItems)
{
    m_project->menu(3).itemName[13].assign("Beyond the page");
    DialogHarness page = openPage();
    page.type(itemNameEdit(1), "Receive");
    page.type(itemNameEdit(3), "Three");
    page.select(MenuId::MenuList, 2);
    EXPECT_EQ(page.text(itemNameEdit(1)), "");
    page.type(itemNameEdit(1), "Ship");
    page.select(itemNextList(1), 21);
    page.select(MenuId::MenuList, 0);
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

TEST_F(MenuPageModelTest, ResetClearsOnlyTheShownMenu)
{
    m_project->menu(1).itemName[0].assign("Keep");
    m_project->menu(2).itemName[12].assign("Hidden item");
    m_project->menu(2).unused517[0] = 9;
    DialogHarness page = openPage();
    page.select(MenuId::MenuList, 1);
    page.type(itemNameEdit(4), "Gone");
    page.click(MenuId::CaptionCheck);
    page.click(MenuId::ResetButton);
    EXPECT_EQ(page.text(itemNameEdit(4)), "");
    EXPECT_FALSE(page.isChecked(MenuId::CaptionCheck));
    EXPECT_FALSE(page.isEnabled(MenuId::CaptionEdit));

    ASSERT_TRUE(page.apply());
    EXPECT_TRUE(m_project->menu(2).itemName[12].isEmpty()) << "all 15 items are cleared";
    EXPECT_EQ(m_project->menu(2).unused517[0], 0);
    EXPECT_EQ(m_project->menu(2).captionOn, 0);
    EXPECT_EQ(m_project->menu(1).itemName[0].str(), "Keep");
}

TEST_F(MenuPageModelTest, CheckBoxesAndEscTargetReachTheRecordAndCaptionTextOutlivesItsSwitch)
{
    DialogHarness page = openPage();
    page.click(MenuId::CaptionCheck);
    EXPECT_TRUE(page.isEnabled(MenuId::CaptionEdit));
    page.type(MenuId::CaptionEdit, "Stock");
    page.click(MenuId::CaptionCheck);
    EXPECT_FALSE(page.isChecked(MenuId::CaptionCheck));
    EXPECT_FALSE(page.isEnabled(MenuId::CaptionEdit));
    EXPECT_EQ(page.text(MenuId::CaptionEdit), "Stock");
    page.click(MenuId::SaveCaptionCheck);
    page.click(MenuId::SaveSelectedItemCheck);
    page.click(MenuId::SaveSelectedItemCheck);
    page.select(MenuId::EscList, 30);
    ASSERT_TRUE(page.apply());
    EXPECT_EQ(m_project->menu(1).captionOn, 0);
    EXPECT_EQ(m_project->menu(1).caption.str(), "Stock");
    EXPECT_EQ(m_project->menu(1).saveCaption, 1);
    EXPECT_EQ(m_project->menu(1).saveSelectedItem, 0);
    EXPECT_EQ(m_project->menu(1).escTarget, 30);
}

} // namespace
} // namespace editor
