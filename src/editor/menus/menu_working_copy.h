// SPDX-License-Identifier: MIT
// The Menu page's working copy of block 1 and the rules it follows, as plain functions so the
// page model stays a thin layer of control events over them.
#pragma once

#include <array>
#include <string_view>

#include "project/project.h"

namespace editor::menus {

using MenuWorkingCopy = std::array<project::MenuDef, project::MaxMenus>;

// Number of items 1 to 15 whose name is not empty; empty names in between count as absent.
[[nodiscard]] int itemCount(const project::MenuDef& menu);

// Every byte of the menu back to its reset value, all 15 items and the unused tail included.
void resetShownMenu(project::MenuDef& menu);

// Stores the first 30 characters of `text` as the name of item `item` (1 to 15).
void setItemName(project::MenuDef& menu, int item, std::string_view text);

// Apply: fills every menu's item count, then copies all ten records into block 1.
void commitMenus(MenuWorkingCopy& workingCopy, project::Project& project);

}  // namespace editor::menus
