// SPDX-License-Identifier: MIT
#include "resources/lookup_templates.h"

#include <array>
#include <string_view>

#include "resources/dialog_layout.h"

namespace resources {
namespace {

using namespace dialog;

constexpr int HeaderY = 30;
constexpr int BottomRowY = 248;

// The columns of the field grid, left to right; "1" to "12" stand in front of the rows.
constexpr GridColumn gridColumns[] = {
    numberColumn({LookupPageId::FirstFieldLabel, LookupPageFields}, 7, 12),
    listColumn(FieldTypeLists, 22, 58),
    editColumn(FieldNameEdits, 83, 108),
    editColumn(FieldLengthEdits, 194, 22),
    {ControlKind::RadioButton, KeyFieldRadios, {244, 1, 10, 10}},
};
constexpr int TypeColumn = 1, NameColumn = 2, LengthColumn = 3, KeyColumn = 4;

// A header over grid column `column`, `dx` units left of it and `width` wide where the text is wider.
constexpr ControlTemplate header(ui::ControlId id, std::string_view text, int column, int dx = 0, int width = 0)
{
    const ui::DialogRect& top = gridColumns[column].cell;
    return {ControlKind::Label, id, text, {top.x - dx, HeaderY, width == 0 ? top.width : width, 8}};
}

// The file's settings beside the grid; an action is a caption over its list.
constexpr int SideX = 280, SideWidth = 183, SideIndent = 292;
constexpr std::array<ControlTemplate, 2> action(ui::ControlId labelId, std::string_view text, ui::ControlId listId,
                                                int y)
{
    return {ControlTemplate{ControlKind::Label, labelId, text, {SideX, y, SideWidth, 8}},
            ControlTemplate{ControlKind::DropDownList,
                            listId,
                            "",
                            {SideIndent, y + 11, SideX + SideWidth - SideIndent, PageListHeight}}};
}

constexpr auto fixedControls = concat(
    labelledList(LookupPageId::IdLabel, "ID :", LookupPageId::LookupList, 8, {7, 18, 26, 74, PageListHeight}),
    labelledList(LookupPageId::FieldCountLabel, "Number of fields :", LookupPageId::FieldCountList, 8,
                 {110, 70, 182, 34, PageListHeight}),
    ControlTemplate{ControlKind::PushButton, LookupPageId::ResetButton, "Reset", {413, 7, 50, 14}},

    header(LookupPageId::TypeHeader, "Data type", TypeColumn),
    header(LookupPageId::NameHeader, "Field name", NameColumn),
    header(LookupPageId::LengthHeader, "Length", LengthColumn, 2, 42),
    header(LookupPageId::KeyHeader, "Key field", KeyColumn, 10, 40),

    ControlTemplate{ControlKind::RadioButton, LookupPageId::FixedLengthRadio, "Fixed length ", {SideX, 34, 90, 10}},
    ControlTemplate{ControlKind::RadioButton, LookupPageId::DelimiterRadio, "Delimiter ", {SideX, 50, 52, 10}},
    ControlTemplate{ControlKind::Edit, LookupPageId::DelimiterEdit, "", {334, 49, 20, 12}},
    ControlTemplate{ControlKind::Label, LookupPageId::AsciiLabel, "(ASCII)", {358, 51, 40, 8}},
    ControlTemplate{ControlKind::CheckBox, LookupPageId::ExportNameCheck, "Change export name", {SideX, 76, 120, 10}},
    ControlTemplate{ControlKind::Edit, LookupPageId::ExportNameEdit, "", {SideIndent, 90, 120, 12}},
    ControlTemplate{ControlKind::Label, LookupPageId::TxtLabel, ".TXT", {415, 92, 30, 8}},
    action(LookupPageId::BadFormatLabel, "Action when the format of record is wrong :", LookupPageId::BadFormatList,
           118),
    action(LookupPageId::NoMatchLabel, "Action when the input data has no match :", LookupPageId::NoMatchList, 154),

    ControlTemplate{ControlKind::CheckBox,
                    LookupPageId::AutoExportCheck,
                    "Auto export lookup table when close application",
                    {7, BottomRowY, 240, 10}},
    ControlTemplate{ControlKind::Label, LookupPageId::SaveModeLabel, "Save Mode :", {SideX, BottomRowY + 1, 46, 8}},
    ControlTemplate{ControlKind::RadioButton, LookupPageId::OverwriteRadio, "Overwrite", {328, BottomRowY, 60, 10}},
    ControlTemplate{ControlKind::RadioButton, LookupPageId::AppendRadio, "Append", {392, BottomRowY, 60, 10}});

constexpr auto lookupPageControls = withGrid<LookupPageFields>(fixedControls, gridColumns, {42, 16});
constexpr ui::DialogTemplate lookupPageDialog{"LOOKUPDLG", "Lookup", {470, 270}, lookupPageControls};

}  // namespace

const ui::DialogTemplate& lookupPageTemplate() { return lookupPageDialog; }

}  // namespace resources
