// SPDX-License-Identifier: MIT
#include "editor/menus/menu_working_copy.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "project/defaults.h"

namespace editor {
namespace {

project::MenuDef emptyMenu()
{
    project::MenuDef menu;
    project::resetMenu(menu);
    return menu;
}

TEST(MenuWorkingCopy, ItemCountSkipsEmptyNamesInBetween)
{
    project::MenuDef menu = emptyMenu();
    setItemName(menu, 1, "Receive");
    setItemName(menu, 3, "Ship");
    EXPECT_EQ(itemCount(menu), 2);
}

TEST(MenuWorkingCopy, ItemCountIncludesItemsBeyondTheTenShown)
{
    project::MenuDef menu = emptyMenu();
    setItemName(menu, 15, "Hidden");
    EXPECT_EQ(itemCount(menu), 1);
}

TEST(MenuWorkingCopy, ItemNameKeepsFirstThirtyCharacters)
{
    project::MenuDef menu = emptyMenu();
    setItemName(menu, 2, std::string(35, 'x'));
    EXPECT_EQ(menu.itemName[1].str(), std::string(30, 'x'));
    EXPECT_EQ(menu.itemName[1].bytes[30], 0);
}

TEST(MenuWorkingCopy, ItemNameOutsideTheSlotsIsIgnored)
{
    project::MenuDef menu = emptyMenu();
    setItemName(menu, 0, "a");
    setItemName(menu, 16, "b");
    EXPECT_EQ(itemCount(menu), 0);
}

TEST(MenuWorkingCopy, ResetClearsEveryByteOfTheMenu)
{
    project::MenuDef menu;
    std::memset(&menu, 0x5a, sizeof menu);
    resetShownMenu(menu);
    const project::MenuDef zero = emptyMenu();
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
