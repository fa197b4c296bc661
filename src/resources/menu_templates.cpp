// SPDX-License-Identifier: MIT
#include "resources/menu_templates.h"

#include <array>
#include <string_view>

#include "ui/dialog_template.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

constexpr std::array<std::string_view, MenuPageItems> itemNumbers = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
};

// Drop-down heights include the opened list.
constexpr int ListHeight = 150;
constexpr int RowPitch = 16;
constexpr int FirstRowY = 94;

constexpr std::array fixedControls = {
    ControlTemplate{ControlKind::Label, MenuPageId::IdLabel, "ID :", {10, 12, 40, 8}},
    ControlTemplate{ControlKind::DropDownList, MenuPageId::MenuList, "", {54, 10, 80, ListHeight}},
    ControlTemplate{ControlKind::Label, MenuPageId::EscLabel, "Esc :", {10, 30, 40, 8}},
    ControlTemplate{ControlKind::DropDownList, MenuPageId::EscList, "", {54, 28, 80, ListHeight}},
    ControlTemplate{ControlKind::CheckBox, MenuPageId::CaptionCheck, "Menu caption :", {10, 48, 70, 10}},
    ControlTemplate{ControlKind::Edit, MenuPageId::CaptionEdit, "", {84, 46, 190, 12}},
    ControlTemplate{ControlKind::GroupBox, MenuPageId::DataGroup, "Data", {290, 6, 110, 52}},
    ControlTemplate{ControlKind::CheckBox, MenuPageId::SaveCaptionCheck, "Save caption", {300, 20, 94, 10}},
    ControlTemplate{ControlKind::CheckBox, MenuPageId::SaveSelectedItemCheck, "Save selected item", {300, 38, 94, 10}},
    ControlTemplate{ControlKind::PushButton, MenuPageId::ResetButton, "Reset", {410, 10, 50, 14}},
    ControlTemplate{ControlKind::GroupBox, MenuPageId::ItemsGroup, "Items", {10, 66, 450, 196}},
    ControlTemplate{ControlKind::Label, MenuPageId::NameHeader, "Name", {40, 82, 120, 8}},
    ControlTemplate{ControlKind::Label, MenuPageId::NextHeader, "Next :", {300, 82, 100, 8}},
};

constexpr std::size_t ControlCount = fixedControls.size() + 3 * MenuPageItems;

constexpr std::array<ControlTemplate, ControlCount> allControls = [] {
    std::array<ControlTemplate, ControlCount> controls{};
    std::size_t n = 0;
    for (const ControlTemplate& control : fixedControls) {
        controls[n++] = control;
    }
    for (int item = 1; item <= MenuPageItems; ++item) {
        const int y = FirstRowY + (item - 1) * RowPitch;
        controls[n++] = {ControlKind::Label,
                         itemNumberLabel(item),
                         itemNumbers[static_cast<std::size_t>(item - 1)],
                         {20, y + 2, 14, 8},
                         ui::ControlStyle::RightAligned};
        controls[n++] = {ControlKind::Edit, itemNameEdit(item), "", {40, y, 250, 12}};
        controls[n++] = {ControlKind::DropDownList, itemNextList(item), "", {300, y, 150, ListHeight}};
    }
    return controls;
}();

} // namespace

constexpr ui::DialogTemplate menuPageDialog{"MENUDLG", "Menu", {470, 270}, allControls};

const ui::DialogTemplate& menuPageTemplate() { return menuPageDialog; }

} // namespace resources
