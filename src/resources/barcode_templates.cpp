// SPDX-License-Identifier: MIT
#include "resources/barcode_templates.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "ui/dialog_template.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using Id = BarcodePageId;

// Drop-down heights include the opened list.
constexpr int ListHeight = 80;
// The left column: the reader and its settings. Controls of a row follow their label.
constexpr int Left = 7;
constexpr int LeftWidth = 170;
constexpr int Field = 99;
constexpr int FieldWidth = 70;
constexpr int Unit = 127;
// The right column: the symbology rows, 14 to a column.
constexpr int RowsPerColumn = 14;
constexpr int FirstRowY = 18;
constexpr int RowStep = 17;
constexpr int CheckWidth = 96;
constexpr int MoreWidth = 32;
// Controls that only some reader types show start hidden and share their place with others; the
// page shows those of the type it shows.
constexpr ui::ControlStyle Hidden = ui::ControlStyle::Hidden;

[[nodiscard]] constexpr int behaviourY(int row) { return 90 + row * 18; }

constexpr ControlTemplate fixedControls[] = {
    {ControlKind::GroupBox, Id::ReaderTypeGroup, "Reader Type", {Left, 4, LeftWidth, 64}},
    {ControlKind::Label, Id::ReaderLabel, "Barcode Reader :", {15, 17, 150, 8}},
    {ControlKind::DropDownList, Id::ReaderList, "", {15, 28, 154, ListHeight}},
    {ControlKind::CheckBox, Id::RfidCheck, "RFID Reader", {15, 49, 90, 10}},
    {ControlKind::PushButton, Id::RfidMoreButton, "more...", {137, 47, MoreWidth, 13}},

    {ControlKind::GroupBox, Id::ReaderSettingsGroup, "Reader Settings", {Left, 74, LeftWidth, 126}},
    {ControlKind::Label, Id::GoodReadLabel, "Barcode Good Read : ", {15, behaviourY(0), 82, 8}},
    {ControlKind::DropDownList, Id::GoodReadList, "", {Field, behaviourY(0) - 2, FieldWidth, ListHeight}},
    // Laser and 2D reader.
    {ControlKind::Label, Id::FirstBehaviourLabel, "", {15, behaviourY(1), 82, 8}},
    {ControlKind::DropDownList, Id::FirstBehaviourList, "", {Field, behaviourY(1) - 2, FieldWidth, ListHeight}},
    {ControlKind::Label, Id::SecondBehaviourLabel, "", {15, behaviourY(2), 82, 8}},
    {ControlKind::DropDownList, Id::SecondBehaviourList, "", {Field, behaviourY(2) - 2, FieldWidth, ListHeight}},
    {ControlKind::Label, Id::TimeoutLabel, "", {15, behaviourY(3), 82, 8}},
    {ControlKind::Edit, Id::TimeoutEdit, "", {Field, behaviourY(3) - 2, 24, 12}, ui::ControlStyle::DigitsOnly},
    {ControlKind::Label, Id::TimeoutUnitLabel, "", {Unit, behaviourY(3), 42, 8}},
    {ControlKind::Label, Id::FocusLabel, "", {15, behaviourY(4), 82, 8}, Hidden},
    {ControlKind::DropDownList, Id::FocusList, "", {Field, behaviourY(4) - 2, FieldWidth, ListHeight}, Hidden},
    {ControlKind::CheckBox, Id::NegativeBarcodeCheck, "", {15, behaviourY(4), 150, 10}},
    {ControlKind::CheckBox, Id::GtinCheck, "", {15, behaviourY(5), 150, 10}},
    // Long-range reader.
    {ControlKind::Label, Id::AimDurationLabel, "", {15, behaviourY(1), 82, 8}, Hidden},
    {ControlKind::Edit,
     Id::AimDurationEdit,
     "",
     {Field, behaviourY(1) - 2, 24, 12},
     ui::ControlStyle::DigitsOnly | Hidden},
    {ControlKind::Label, Id::AimDurationUnitLabel, "", {Unit, behaviourY(1), 42, 8}, Hidden},
    {ControlKind::Label, Id::DecodeTimeoutLabel, "", {15, behaviourY(2), 82, 8}, Hidden},
    {ControlKind::Edit,
     Id::DecodeTimeoutEdit,
     "",
     {Field, behaviourY(2) - 2, 24, 12},
     ui::ControlStyle::DigitsOnly | Hidden},
    {ControlKind::Label, Id::DecodeTimeoutUnitLabel, "", {Unit, behaviourY(2), 42, 8}, Hidden},
    {ControlKind::PushButton, Id::ResetButton, "Reset", {Left, 249, 50, 14}},

    {ControlKind::GroupBox, Id::SymbologyGroup, "Barcode && Parameters", {183, 4, 280, 262}},
    {ControlKind::PushButton, Id::PostalButton, "Postal Codes...", {327, FirstRowY + 8 * RowStep - 2, 130, 14}, Hidden},
    {ControlKind::PushButton,
     Id::CompositeButton,
     "Composite Code...",
     {327, FirstRowY + 9 * RowStep - 2, 130, 14},
     Hidden},
    {ControlKind::PushButton,
     Id::SymbologiesButton,
     "2D Symbologies...",
     {327, FirstRowY + 10 * RowStep - 2, 130, 14},
     Hidden},
    {ControlKind::PushButton, Id::MacroPdfButton, "Macro PDF...", {327, FirstRowY + 11 * RowStep - 2, 130, 14}, Hidden},
};

// Fixed controls, then each row's check box and "more..." button.
constexpr auto barcodeControls = [] {
    std::array<ControlTemplate, std::size(fixedControls) + 2 * SymbologyRows> all{};
    auto out = std::copy(std::begin(fixedControls), std::end(fixedControls), all.begin());
    for (int row = 0; row < SymbologyRows; ++row) {
        const int x = row < RowsPerColumn ? 191 : 327;
        const int y = FirstRowY + (row % RowsPerColumn) * RowStep;
        *out++ = {ControlKind::CheckBox, SymbologyChecks.at(row), "", {x, y, CheckWidth, 10}};
        *out++ = {ControlKind::PushButton, SymbologyMoreButtons.at(row), "more...", {x + CheckWidth + 2, y - 1, MoreWidth, 12}};
    }
    return all;
}();

}  // namespace

constexpr ui::DialogTemplate barcodePageDialog{"BARCODEDLG", "Barcode", {470, 270}, barcodeControls};

const ui::DialogTemplate& barcodePageTemplate() { return barcodePageDialog; }

}  // namespace resources
