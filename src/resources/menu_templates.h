// SPDX-License-Identifier: MIT
// The Menu page of the property sheet (template MENUDLG).
#pragma once

#include "ui/control_id.h"
#include "ui/control_range.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

enum class MenuPageId {
    CaptionCheck = 101,
    SaveCaptionCheck = 102,
    SaveSelectedItemCheck = 103,
    IdLabel = 201,
    EscLabel = 202,
    DataGroup = 203,
    ItemsGroup = 204,
    NameHeader = 205,
    NextHeader = 206,
    FirstItemNextList = 301,  // 301 to 310: where items 1 to 10 lead
    MenuList = 391,
    EscList = 392,
    FirstItemNameEdit = 401,  // 401 to 410: names of items 1 to 10
    CaptionEdit = 421,
    ResetButton = 593,
    FirstItemNumberLabel = 601,  // 601 to 610: "1" to "10" in front of each item row
};

inline constexpr int MenuPageItems = 10;

// The columns of the item grid, one control per item; item n is index n - 1.
inline constexpr ui::ControlRange ItemNextLists{MenuPageId::FirstItemNextList, MenuPageItems};
inline constexpr ui::ControlRange ItemNameEdits{MenuPageId::FirstItemNameEdit, MenuPageItems};

// The controls of item row `item` (1 to 10).
[[nodiscard]] constexpr ui::ControlId itemNextList(int item) { return ItemNextLists.at(item - 1); }
[[nodiscard]] constexpr ui::ControlId itemNameEdit(int item) { return ItemNameEdits.at(item - 1); }

// 470 x 270 dialog units: menu chooser, Esc target and caption on top, the Data switches and
// Reset beside them, the ten items below as a grid of number, name and target.
[[nodiscard]] const ui::DialogTemplate& menuPageTemplate();

}  // namespace resources
