// SPDX-License-Identifier: MIT
#include "editor/menus/menu_page.h"

#include <gtest/gtest.h>

#include "editor/dialog_bench.h"
#include "resources/menu_templates.h"

namespace editor::menus {
namespace {

using resources::itemNameEdit;
using resources::itemNextList;

using MenuPageTest = bench::BenchTest;

TEST_F(MenuPageTest, WorkingCopyKeepsEditsAcrossMenuSwitchesAndApplyCountsNamedItems)
{
    project->menu(3).itemName[13].assign("Beyond the page");
    bench::DialogHarness page = openPage<MenuPage>(resources::menuPageTemplate);
    page.type(itemNameEdit(1), "Receive");
    page.type(itemNameEdit(3), "Three");
    page.select(resources::MenuPageId::MenuList, 2);
    EXPECT_EQ(page.text(itemNameEdit(1)), "");
    page.type(itemNameEdit(1), "Ship");
    page.select(itemNextList(1), 21);
    page.select(resources::MenuPageId::MenuList, 0);
    EXPECT_EQ(page.text(itemNameEdit(1)), "Receive");
    EXPECT_EQ(page.selection(itemNextList(1)), 0);
    EXPECT_TRUE(project->menu(1).itemName[0].isEmpty()) << "edits stay in the working copy until OK";

    ASSERT_TRUE(page.apply());
    EXPECT_EQ(project->menu(1).itemName[0].str(), "Receive");
    EXPECT_EQ(project->menu(3).itemName[0].str(), "Ship");
    EXPECT_EQ(project->menu(3).itemNext[0], 21);
    EXPECT_EQ(project->menu(1).itemCount, 2) << "gaps are not counted";
    EXPECT_EQ(project->menu(3).itemCount, 2) << "items beyond the ten shown are counted";
    EXPECT_EQ(project->menu(2).itemCount, 0);
}

}  // namespace
}  // namespace editor::menus
