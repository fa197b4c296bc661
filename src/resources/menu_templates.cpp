// SPDX-License-Identifier: MIT
#include "resources/menu_templates.h"

#include <array>

#include "resources/dialog_layout.h"

namespace resources {
namespace {

using namespace dialog;

// The columns of the item grid, left to right; "1" to "10" stand in front of the rows.
constexpr GridColumn gridColumns[] = {
    numberColumn({MenuPageId::FirstItemNumberLabel, MenuPageItems}, 20, 14),
    editColumn(ItemNameEdits, 40, 250),
    listColumn(ItemNextLists, 300, 150),
};

constexpr LabelledListColumns topLists{10, 40, 54, 80, PageListHeight};
constexpr auto fixedControls =
    concat(labelledList(MenuPageId::IdLabel, "ID :", MenuPageId::MenuList, 10, topLists),
           labelledList(MenuPageId::EscLabel, "Esc :", MenuPageId::EscList, 28, topLists),
           ControlTemplate{ControlKind::CheckBox, MenuPageId::CaptionCheck, "Menu caption :", {10, 48, 70, 10}},
           ControlTemplate{ControlKind::Edit, MenuPageId::CaptionEdit, "", {84, 46, 190, 12}},
           ControlTemplate{ControlKind::GroupBox, MenuPageId::DataGroup, "Data", {290, 6, 110, 52}},
           checkStack({{MenuPageId::SaveCaptionCheck, "Save caption"},
                       {MenuPageId::SaveSelectedItemCheck, "Save selected item"}},
                      {300, 20, 94, 10}, 18),
           ControlTemplate{ControlKind::PushButton, MenuPageId::ResetButton, "Reset", {410, 10, 50, 14}},
           ControlTemplate{ControlKind::GroupBox, MenuPageId::ItemsGroup, "Items", {10, 66, 450, 196}},
           ControlTemplate{ControlKind::Label, MenuPageId::NameHeader, "Name", {40, 82, 120, 8}},
           ControlTemplate{ControlKind::Label, MenuPageId::NextHeader, "Next :", {300, 82, 100, 8}});

constexpr auto menuPageControls = withGrid<MenuPageItems>(fixedControls, gridColumns, {94, 16});
constexpr ui::DialogTemplate menuPageDialog{"MENUDLG", "Menu", {470, 270}, menuPageControls};

}  // namespace

const ui::DialogTemplate& menuPageTemplate() { return menuPageDialog; }

}  // namespace resources
