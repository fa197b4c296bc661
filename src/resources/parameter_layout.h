// SPDX-License-Identifier: MIT
// The layout of the small parameter dialogs: controls stacked in rows of one width, so that a
// template is a list of rows rather than of coordinates. Sizes are dialog units.
#pragma once

#include <string_view>

#include "ui/dialog_template.h"

namespace resources::layout {

inline constexpr int Margin = 7;
inline constexpr int RowHeight = 15;
inline constexpr int ParameterWidth = 190;
inline constexpr int LabelWidth = 86;
inline constexpr int ListHeight = 70;  // with the opened list

[[nodiscard]] constexpr int rowY(int row) { return Margin + row * RowHeight; }
// The height of a dialog with `rows` rows above its OK and Cancel row.
[[nodiscard]] constexpr int dialogHeight(int rows) { return rowY(rows) + 14 + Margin; }

[[nodiscard]] constexpr ui::ControlTemplate check(ui::ControlId id, std::string_view text, int row)
{
    return {ui::ControlKind::CheckBox, id, text, {Margin, rowY(row), ParameterWidth - 2 * Margin, 10}};
}
[[nodiscard]] constexpr ui::ControlTemplate radio(ui::ControlId id, std::string_view text, int row, int column = 0)
{
    const int width = (ParameterWidth - 2 * Margin) / 2;
    return {ui::ControlKind::RadioButton, id, text, {Margin + column * width, rowY(row), width, 10}};
}
// A label in the left half of a row, its control in the right half.
[[nodiscard]] constexpr ui::ControlTemplate label(ui::ControlId id, std::string_view text, int row)
{
    return {ui::ControlKind::Label, id, text, {Margin, rowY(row) + 2, LabelWidth, 8}};
}
[[nodiscard]] constexpr ui::ControlTemplate list(ui::ControlId id, int row)
{
    return {ui::ControlKind::DropDownList, id, "",
            {Margin + LabelWidth + 4, rowY(row), ParameterWidth - 2 * Margin - LabelWidth - 4, ListHeight}};
}
[[nodiscard]] constexpr ui::ControlTemplate edit(ui::ControlId id, int row, int width = 24)
{
    return {ui::ControlKind::Edit, id, "", {Margin + LabelWidth + 4, rowY(row), width, 12}};
}
[[nodiscard]] constexpr ui::ControlTemplate okButton(int row)
{
    return {ui::ControlKind::PushButton, ui::OkButton, "OK", {ParameterWidth / 2 - 56, rowY(row), 50, 14},
            ui::ControlStyle::DefaultButton};
}
[[nodiscard]] constexpr ui::ControlTemplate cancelButton(int row)
{
    return {ui::ControlKind::PushButton, ui::CancelButton, "Cancel", {ParameterWidth / 2 + 6, rowY(row), 50, 14}};
}

}  // namespace resources::layout
