// SPDX-License-Identifier: MIT
#include "editor/menus/menu_working_copy.h"

#include <algorithm>

#include "project/defaults.h"

namespace editor::menus {

int itemCount(const project::MenuDef& menu)
{
    return static_cast<int>(
        std::count_if(menu.itemName.begin(), menu.itemName.end(), [](const auto& name) { return !name.isEmpty(); }));
}

void resetShownMenu(project::MenuDef& menu)
{
    project::resetMenu(menu);
}

void setItemName(project::MenuDef& menu, int item, std::string_view text)
{
    if (item < 1 || item > project::MenuItemSlots) {
        return;
    }
    menu.itemName[static_cast<std::size_t>(item - 1)].assign(text);
}

void commitMenus(MenuWorkingCopy& workingCopy, project::Project& project)
{
    for (project::MenuDef& menu : workingCopy) {
        menu.itemCount = static_cast<project::Byte>(itemCount(menu));
    }
    project.menus = workingCopy;
}

}  // namespace editor::menus
