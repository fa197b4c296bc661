// SPDX-License-Identifier: MIT
#include "resources/lookup_templates.h"

#include <array>
#include <string_view>

#include "ui/dialog_template.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlStyle;
using ui::ControlTemplate;

constexpr std::array<std::string_view, LookupPageFields> fieldNumbers = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
};

// Drop-down heights include the opened list.
constexpr int ListHeight = 150;
constexpr int HeaderY = 30;
constexpr int FirstRowY = 42;
constexpr int RowPitch = 16;
constexpr int BottomRowY = 248;

// Grid columns: x and width of each.
constexpr int NumberX = 7, NumberWidth = 12;
constexpr int TypeX = 22, TypeWidth = 58;
constexpr int NameX = 83, NameWidth = 108;
constexpr int LengthX = 194, LengthWidth = 22;
constexpr int KeyX = 244, KeyWidth = 10;

// The file's settings beside the grid.
constexpr int SideX = 280, SideWidth = 183, SideIndent = 292;

constexpr std::array fixedControls = {
    ControlTemplate{ControlKind::Label, LookupPageId::IdLabel, "ID :", {7, 10, 18, 8}},
    ControlTemplate{ControlKind::DropDownList, LookupPageId::LookupList, "", {26, 8, 74, ListHeight}},
    ControlTemplate{ControlKind::Label, LookupPageId::FieldCountLabel, "Number of fields :", {110, 10, 70, 8}},
    ControlTemplate{ControlKind::DropDownList, LookupPageId::FieldCountList, "", {182, 8, 34, ListHeight}},
    ControlTemplate{ControlKind::PushButton, LookupPageId::ResetButton, "Reset", {413, 7, 50, 14}},

    ControlTemplate{ControlKind::Label, LookupPageId::TypeHeader, "Data type", {TypeX, HeaderY, TypeWidth, 8}},
    ControlTemplate{ControlKind::Label, LookupPageId::NameHeader, "Field name", {NameX, HeaderY, NameWidth, 8}},
    ControlTemplate{ControlKind::Label, LookupPageId::LengthHeader, "Length", {LengthX - 2, HeaderY, 42, 8}},
    ControlTemplate{ControlKind::Label, LookupPageId::KeyHeader, "Key field", {KeyX - 10, HeaderY, 40, 8}},

    ControlTemplate{ControlKind::RadioButton, LookupPageId::FixedLengthRadio, "Fixed length ", {SideX, 34, 90, 10}},
    ControlTemplate{ControlKind::RadioButton, LookupPageId::DelimiterRadio, "Delimiter ", {SideX, 50, 52, 10}},
    ControlTemplate{ControlKind::Edit, LookupPageId::DelimiterEdit, "", {334, 49, 20, 12}},
    ControlTemplate{ControlKind::Label, LookupPageId::AsciiLabel, "(ASCII)", {358, 51, 40, 8}},
    ControlTemplate{ControlKind::CheckBox, LookupPageId::ExportNameCheck, "Change export name", {SideX, 76, 120, 10}},
    ControlTemplate{ControlKind::Edit, LookupPageId::ExportNameEdit, "", {SideIndent, 90, 120, 12}},
    ControlTemplate{ControlKind::Label, LookupPageId::TxtLabel, ".TXT", {415, 92, 30, 8}},
    ControlTemplate{ControlKind::Label,
                    LookupPageId::BadFormatLabel,
                    "Action when the format of record is wrong :",
                    {SideX, 118, SideWidth, 8}},
    ControlTemplate{ControlKind::DropDownList,
                    LookupPageId::BadFormatList,
                    "",
                    {SideIndent, 129, SideX + SideWidth - SideIndent, ListHeight}},
    ControlTemplate{ControlKind::Label,
                    LookupPageId::NoMatchLabel,
                    "Action when the input data has no match :",
                    {SideX, 154, SideWidth, 8}},
    ControlTemplate{ControlKind::DropDownList,
                    LookupPageId::NoMatchList,
                    "",
                    {SideIndent, 165, SideX + SideWidth - SideIndent, ListHeight}},

    ControlTemplate{ControlKind::CheckBox,
                    LookupPageId::AutoExportCheck,
                    "Auto export lookup table when close application",
                    {7, BottomRowY, 240, 10}},
    ControlTemplate{ControlKind::Label, LookupPageId::SaveModeLabel, "Save Mode :", {SideX, BottomRowY + 1, 46, 8}},
    ControlTemplate{ControlKind::RadioButton, LookupPageId::OverwriteRadio, "Overwrite", {328, BottomRowY, 60, 10}},
    ControlTemplate{ControlKind::RadioButton, LookupPageId::AppendRadio, "Append", {392, BottomRowY, 60, 10}},
};

constexpr int ControlsPerField = 5;
constexpr std::size_t ControlCount = fixedControls.size() + ControlsPerField * LookupPageFields;

constexpr std::array<ControlTemplate, ControlCount> allControls = [] {
    std::array<ControlTemplate, ControlCount> controls{};
    std::size_t n = 0;
    for (const ControlTemplate& control : fixedControls) {
        controls[n++] = control;
    }
    for (int index = 0; index < LookupPageFields; ++index) {
        const int y = FirstRowY + index * RowPitch;
        controls[n++] = {ControlKind::Label,
                         FieldNumberLabels.at(index),
                         fieldNumbers[static_cast<std::size_t>(index)],
                         {NumberX, y + 2, NumberWidth, 8},
                         ControlStyle::RightAligned};
        controls[n++] = {ControlKind::DropDownList, FieldTypeLists.at(index), "", {TypeX, y, TypeWidth, ListHeight}};
        controls[n++] = {ControlKind::Edit, FieldNameEdits.at(index), "", {NameX, y, NameWidth, 12}};
        controls[n++] = {ControlKind::Edit, FieldLengthEdits.at(index), "", {LengthX, y, LengthWidth, 12}};
        controls[n++] = {ControlKind::RadioButton, KeyFieldRadios.at(index), "", {KeyX, y + 1, KeyWidth, 10}};
    }
    return controls;
}();

}  // namespace

constexpr ui::DialogTemplate lookupPageDialog{"LOOKUPDLG", "Lookup", {470, 270}, allControls};

const ui::DialogTemplate& lookupPageTemplate() { return lookupPageDialog; }

}  // namespace resources
