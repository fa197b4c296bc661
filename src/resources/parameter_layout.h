// SPDX-License-Identifier: MIT
// The layout of the small parameter dialogs: controls stacked in rows of one width, so that a
// template is a list of rows rather than of coordinates. Sizes are dialog units.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "resources/dialog_layout.h"
#include "ui/control_range.h"
#include "ui/dialog_template.h"

namespace resources::layout {

inline constexpr int Margin = 7;
inline constexpr int RowHeight = 15;
inline constexpr int ParameterWidth = 190;
inline constexpr int LabelWidth = 86;
inline constexpr int ListHeight = 70;  // with the opened list

// The width of a dialog and of the label column, for dialogs whose texts need more room.
struct Columns
{
    int width = ParameterWidth;
    int labelWidth = LabelWidth;
};

[[nodiscard]] constexpr int rowY(int row) { return Margin + row * RowHeight; }
// The height of a dialog with `rows` rows above its OK and Cancel row.
[[nodiscard]] constexpr int dialogHeight(int rows) { return rowY(rows) + 14 + Margin; }

[[nodiscard]] constexpr ui::ControlTemplate check(ui::ControlId id, std::string_view text, int row,
                                                  Columns columns = {})
{
    return {ui::ControlKind::CheckBox, id, text, {Margin, rowY(row), columns.width - 2 * Margin, 10}};
}
[[nodiscard]] constexpr ui::ControlTemplate radio(ui::ControlId id, std::string_view text, int row, int column = 0)
{
    const int width = (ParameterWidth - 2 * Margin) / 2;
    return {ui::ControlKind::RadioButton, id, text, {Margin + column * width, rowY(row), width, 10}};
}
// A frame with a title on row `titleRow` around the `rows` rows below it (radio groups).
[[nodiscard]] constexpr ui::ControlTemplate groupBox(ui::ControlId id, std::string_view text, int titleRow, int rows,
                                                     Columns columns = {})
{
    return {ui::ControlKind::GroupBox,
            id,
            text,
            {Margin, rowY(titleRow), columns.width - 2 * Margin, (rows + 1) * RowHeight - 2}};
}
// A radio button inside a group box, in one of `columns` columns of its row.
[[nodiscard]] constexpr ui::ControlTemplate choice(ui::ControlId id, std::string_view text, int row, int column = 0,
                                                   int columns = 1, Columns layout = {})
{
    const int width = (layout.width - 2 * Margin - 16) / columns;
    return {ui::ControlKind::RadioButton, id, text, {Margin + 8 + column * width, rowY(row), width, 10}};
}
// A label in the left half of a row, its control in the right half.
[[nodiscard]] constexpr ui::ControlTemplate label(ui::ControlId id, std::string_view text, int row,
                                                  Columns columns = {})
{
    return {ui::ControlKind::Label, id, text, {Margin, rowY(row) + 2, columns.labelWidth, 8}};
}
[[nodiscard]] constexpr ui::ControlTemplate list(ui::ControlId id, int row, Columns columns = {})
{
    const int x = Margin + columns.labelWidth + 4;
    return {ui::ControlKind::DropDownList, id, "", {x, rowY(row), columns.width - Margin - x, ListHeight}};
}
[[nodiscard]] constexpr ui::ControlTemplate edit(ui::ControlId id, int row, int width = 24, Columns columns = {})
{
    return {ui::ControlKind::Edit, id, "", {Margin + columns.labelWidth + 4, rowY(row), width, 12}};
}
[[nodiscard]] constexpr ui::ControlTemplate okButton(int row, Columns columns = {})
{
    return {ui::ControlKind::PushButton,
            ui::OkButton,
            "OK",
            {columns.width / 2 - 56, rowY(row), 50, 14},
            ui::ControlStyle::DefaultButton};
}
[[nodiscard]] constexpr ui::ControlTemplate cancelButton(int row, Columns columns = {})
{
    return {ui::ControlKind::PushButton, ui::CancelButton, "Cancel", {columns.width / 2 + 6, rowY(row), 50, 14}};
}

[[nodiscard]] constexpr std::array<ui::ControlTemplate, 2> okCancelRow(int row, Columns columns = {})
{
    return {okButton(row, columns), cancelButton(row, columns)};
}
// A label and the drop-down list or edit box it names, on one row.
[[nodiscard]] constexpr std::array<ui::ControlTemplate, 2>
labelledList(ui::ControlId labelId, std::string_view text, ui::ControlId listId, int row, Columns columns = {})
{
    return {label(labelId, text, row, columns), list(listId, row, columns)};
}
[[nodiscard]] constexpr std::array<ui::ControlTemplate, 2> labelledEdit(ui::ControlId labelId, std::string_view text,
                                                                        ui::ControlId editId, int row, int width = 24,
                                                                        Columns columns = {})
{
    return {label(labelId, text, row, columns), edit(editId, row, width, columns)};
}

// Check boxes of consecutive IDs from `first`, one a row from `firstRow`, with `texts` in order.
template <std::size_t N>
[[nodiscard]] constexpr std::array<ui::ControlTemplate, N>
checkColumn(int firstRow, ui::ControlId first, const std::string_view (&texts)[N], Columns columns = {})
{
    std::array<ui::ControlTemplate, N> column{};
    for (std::size_t i = 0; i < N; ++i)
        column[i] = check(ui::ControlId(first.value() + int(i)), texts[i], firstRow + int(i), columns);
    return column;
}

// A parameter dialog of `columns.width` whose controls end with the OK and Cancel row: that row
// sets its height.
[[nodiscard]] constexpr ui::DialogTemplate parameterDialog(std::string_view name, std::string_view title,
                                                           std::span<const ui::ControlTemplate> controls,
                                                           Columns columns = {})
{
    return {name, title, {columns.width, controls.back().dialogUnits.y + 14 + Margin}, controls};
}

// Runs of controls in the order a template lists them: one control or an array each.
using dialog::concat;

// The run of check boxes `checks`, one a row from the top with `texts` in order, and the OK and
// Cancel row below: a dialog of flags alone. A run and texts of different lengths do not build.
template <std::size_t N>
[[nodiscard]] consteval std::array<ui::ControlTemplate, N + 2> checksOnly(ui::ControlRange checks,
                                                                          const std::string_view (&texts)[N])
{
    if (checks.count != int(N))
        throw "the run of check boxes and its texts differ in length";
    return concat(checkColumn(0, checks.at(0), texts), okCancelRow(int(N)));
}

}  // namespace resources::layout
