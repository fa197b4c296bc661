// SPDX-License-Identifier: MIT
#include "editor/menus/menu_working_copy.h"

#include <gtest/gtest.h>

#include <cstring>

#include "project/defaults.h"

namespace editor {
namespace {

TEST(MenuWorkingCopy, ItemCountCountsNamedSlotsIncludingThoseBeyondTheTenShown)
{
    project::MenuDef menu;
    project::resetMenu(menu);
    setItemName(menu, 1, "Receive");
    setItemName(menu, 3, "Ship");
    setItemName(menu, 15, "Hidden");
    setItemName(menu, 0, "outside");
    setItemName(menu, 16, "outside");
    EXPECT_EQ(itemCount(menu), 3);
}

TEST(MenuWorkingCopy, ResetClearsEveryByteOfTheMenu)
{
    project::MenuDef menu;
    std::memset(&menu, 0x5a, sizeof menu);
    resetShownMenu(menu);
    project::MenuDef zero;
    project::resetMenu(zero);
    EXPECT_EQ(std::memcmp(&menu, &zero, sizeof menu), 0);
}

TEST(MenuWorkingCopy, CommitFillsItemCountsAndCopiesAllTenMenus)
{
    project::Project project = project::zeroProject();
    MenuWorkingCopy copy = project.menus;
    setItemName(copy[0], 1, "A");
    setItemName(copy[0], 3, "C");
    copy[9].escTarget = 30;
    copy[9].itemCount = 7; // stale: recomputed from the names
    commitMenus(copy, project);
    EXPECT_EQ(project.menu(1).itemCount, 2);
    EXPECT_EQ(project.menu(1).itemName[2].str(), "C");
    EXPECT_EQ(project.menu(10).escTarget, 30);
    EXPECT_EQ(project.menu(10).itemCount, 0);
}

} // namespace
} // namespace editor
