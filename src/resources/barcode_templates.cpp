// SPDX-License-Identifier: MIT
#include "resources/barcode_templates.h"

#include <array>
#include <string_view>

#include "resources/parameter_layout.h"
#include "ui/dialog_template.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using Id = BarcodePageId;

// Controls that only some reader types show start hidden and share their place with others; the
// page shows those of the type it shows.
constexpr ui::ControlStyle Hidden = ui::ControlStyle::Hidden;

// The left column: the reader, then its settings in rows of a label and a field, some with a unit.
// Drop-down heights include the opened list.
constexpr int Left = 7;
constexpr int LeftWidth = 170;
constexpr int ListHeight = 80;
struct SettingsRow
{
    int y;
    ui::ControlStyle style = ui::ControlStyle::None;

    static constexpr int LabelX = 15;
    static constexpr int FieldX = 99;

    [[nodiscard]] constexpr ControlTemplate label(Id id, std::string_view text = "") const
    {
        return {ControlKind::Label, id, text, {LabelX, y, 82, 8}, style};
    }
    [[nodiscard]] constexpr std::array<ControlTemplate, 2> list(Id labelId, Id listId, std::string_view text = "") const
    {
        return {label(labelId, text), {ControlKind::DropDownList, listId, "", {FieldX, y - 2, 70, ListHeight}, style}};
    }
    // A time-out: the label, a box of digits and the unit after it.
    [[nodiscard]] constexpr std::array<ControlTemplate, 3> time(Id labelId, Id editId, Id unitId) const
    {
        return {label(labelId),
                {ControlKind::Edit, editId, "", {FieldX, y - 2, 24, 12}, ui::ControlStyle::DigitsOnly | style},
                {ControlKind::Label, unitId, "", {127, y, 42, 8}, style}};
    }
    [[nodiscard]] constexpr ControlTemplate check(Id id) const
    {
        return {ControlKind::CheckBox, id, "", {LabelX, y, 150, 10}, style};
    }
};
[[nodiscard]] constexpr SettingsRow settingsRow(int row, ui::ControlStyle style = ui::ControlStyle::None)
{
    return {90 + row * 18, style};
}

// The right column: the symbology rows, 14 to a column, each a check box and a "more..." button.
constexpr int RowsPerColumn = 14;
constexpr int CheckWidth = 96;
constexpr int MoreWidth = 32;
[[nodiscard]] constexpr int symbologyX(int row) { return row < RowsPerColumn ? 191 : 327; }
[[nodiscard]] constexpr int symbologyY(int row) { return 18 + (row % RowsPerColumn) * 17; }

constexpr auto readerControls = std::array<ControlTemplate, 6>{{
    {ControlKind::GroupBox, Id::ReaderTypeGroup, "Reader Type", {Left, 4, LeftWidth, 64}},
    {ControlKind::Label, Id::ReaderLabel, "Barcode Reader :", {15, 17, 150, 8}},
    {ControlKind::DropDownList, Id::ReaderList, "", {15, 28, 154, ListHeight}},
    {ControlKind::CheckBox, Id::RfidCheck, "RFID Reader", {15, 49, 90, 10}},
    {ControlKind::PushButton, Id::RfidMoreButton, "more...", {137, 47, MoreWidth, 13}},
    {ControlKind::GroupBox, Id::ReaderSettingsGroup, "Reader Settings", {Left, 74, LeftWidth, 126}},
}};

// The laser and 2D reader's two lists and time-out, and the 2D reader's focus in place of the
// laser reader's two check boxes; the long-range reader's two times in place of the lists.
constexpr auto settingsControls = layout::concat(
    settingsRow(0).list(Id::GoodReadLabel, Id::GoodReadList, "Barcode Good Read : "),
    settingsRow(1).list(Id::FirstBehaviourLabel, Id::FirstBehaviourList),
    settingsRow(2).list(Id::SecondBehaviourLabel, Id::SecondBehaviourList),
    settingsRow(3).time(Id::TimeoutLabel, Id::TimeoutEdit, Id::TimeoutUnitLabel),
    settingsRow(4, Hidden).list(Id::FocusLabel, Id::FocusList),
    std::array{settingsRow(4).check(Id::NegativeBarcodeCheck), settingsRow(5).check(Id::GtinCheck)},
    settingsRow(1, Hidden).time(Id::AimDurationLabel, Id::AimDurationEdit, Id::AimDurationUnitLabel),
    settingsRow(2, Hidden).time(Id::DecodeTimeoutLabel, Id::DecodeTimeoutEdit, Id::DecodeTimeoutUnitLabel),
    std::array{
        ControlTemplate{ControlKind::PushButton, Id::ResetButton, "Reset", {Left, 249, 50, 14}},
        ControlTemplate{ControlKind::GroupBox, Id::SymbologyGroup, "Barcode && Parameters", {183, 4, 280, 262}}});

// The 2D reader's buttons in place of the symbology rows 22 to 25, then each row's check box and
// "more..." button.
constexpr std::string_view imagerButtonTexts[] = {"Postal Codes...", "Composite Code...", "2D Symbologies...",
                                                  "Macro PDF..."};
constexpr auto symbologyControls = [] {
    std::array<ControlTemplate, ImagerButtons.count + 2 * SymbologyRows> all{};
    auto out = all.begin();
    for (int i = 0; i < ImagerButtons.count; ++i) {
        const int row = 22 + i;
        *out++ = {ControlKind::PushButton,
                  ImagerButtons.at(i),
                  imagerButtonTexts[i],
                  {symbologyX(row), symbologyY(row) - 2, 130, 14},
                  Hidden};
    }
    for (int row = 0; row < SymbologyRows; ++row) {
        const int x = symbologyX(row);
        const int y = symbologyY(row);
        *out++ = {ControlKind::CheckBox, SymbologyChecks.at(row), "", {x, y, CheckWidth, 10}};
        *out++ = {ControlKind::PushButton,
                  SymbologyMoreButtons.at(row),
                  "more...",
                  {x + CheckWidth + 2, y - 1, MoreWidth, 12}};
    }
    return all;
}();

constexpr auto barcodeControls = layout::concat(readerControls, settingsControls, symbologyControls);

}  // namespace

constexpr ui::DialogTemplate barcodePageTemplate{"BARCODEDLG", "Barcode", {470, 270}, barcodeControls};

}  // namespace resources
