// SPDX-License-Identifier: MIT
// Pieces the templates of the property-sheet pages and their dialogs are built from: OK and
// Cancel, a label with the list it names, the grid of numbered rows below a page's fixed
// controls, and the export component of shared_ids.h. Sizes are dialog units.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "resources/shared_ids.h"
#include "ui/control_range.h"
#include "ui/dialog_template.h"

namespace resources::dialog {

using ui::ControlKind;
using ui::ControlStyle;
using ui::ControlTemplate;

[[nodiscard]] constexpr ControlTemplate okAt(int x, int y)
{
    return {ControlKind::PushButton, ui::OkButton, "OK", {x, y, 50, 14}, ControlStyle::DefaultButton};
}
[[nodiscard]] constexpr std::array<ControlTemplate, 2> okCancelAt(int okX, int cancelX, int y)
{
    return {okAt(okX, y), {ControlKind::PushButton, ui::CancelButton, "Cancel", {cancelX, y, 50, 14}}};
}

// Where a label and the drop-down list it names stand on their row; the label sits 2 units
// lower than the list so that their texts line up. The height includes the opened list.
struct LabelledListColumns
{
    int labelX = 0;
    int labelWidth = 0;
    int listX = 0;
    int listWidth = 0;
    int listHeight = 0;
};
[[nodiscard]] constexpr std::array<ControlTemplate, 2> labelledList(ui::ControlId labelId, std::string_view text,
                                                                    ui::ControlId listId, int y, LabelledListColumns at,
                                                                    ControlStyle style = ControlStyle::None)
{
    return {ControlTemplate{ControlKind::Label, labelId, text, {at.labelX, y + 2, at.labelWidth, 8}, style},
            ControlTemplate{ControlKind::DropDownList, listId, "", {at.listX, y, at.listWidth, at.listHeight}, style}};
}

// A check box and its text; `checkStack` stacks them `pitch` units apart.
struct CheckText
{
    ui::ControlId id;
    std::string_view text;
};
template <std::size_t N>
[[nodiscard]] constexpr std::array<ControlTemplate, N> checkStack(const CheckText (&checks)[N], ui::DialogRect first,
                                                                  int pitch)
{
    std::array<ControlTemplate, N> stack{};
    for (std::size_t i = 0; i < N; ++i) {
        stack[i] = {ControlKind::CheckBox, checks[i].id, checks[i].text, first};
        first.y += pitch;
    }
    return stack;
}

// "#1" to "#12", the line numbers of the Form page; rowNumber() is the same without the "#".
inline constexpr std::array<std::string_view, 12> lineNumbers = {
    "#1", "#2", "#3", "#4", "#5", "#6", "#7", "#8", "#9", "#10", "#11", "#12",
};
[[nodiscard]] constexpr std::string_view rowNumber(int index) { return lineNumbers.at(std::size_t(index)).substr(1); }

// Runs of controls, in the order a template lists them; a run is one control or an array.
[[nodiscard]] constexpr std::array<ControlTemplate, 1> run(const ControlTemplate& control) { return {control}; }
template <std::size_t N>
[[nodiscard]] constexpr const std::array<ControlTemplate, N>& run(const std::array<ControlTemplate, N>& controls)
{
    return controls;
}
template <typename... Runs> [[nodiscard]] constexpr auto concat(const Runs&... runs)
{
    std::array<ControlTemplate, (std::tuple_size_v<std::remove_cvref_t<decltype(run(runs))>> + ...)> all{};
    auto out = all.begin();
    ((out = std::ranges::copy(run(runs), out).out), ...);
    return all;
}

// The drop-down lists of the property-sheet pages, with the opened list.
inline constexpr int PageListHeight = 150;

// A column of a page's grid: one control a row, their IDs consecutive from the top row down.
// `cell` places the control against the top of its row.
struct GridColumn
{
    enum class Text { Fixed, RowNumber, LineNumber };  // `text`, "1" to "12", "#1" to "#12"
    ControlKind kind = ControlKind::Label;
    ui::ControlRange ids;
    ui::DialogRect cell;
    Text numbering = Text::Fixed;
    std::string_view text = "";
    ControlStyle style = ControlStyle::None;
};

// The numbers in front of the rows, 2 units low so that they stand level with the edit boxes.
[[nodiscard]] constexpr GridColumn numberColumn(ui::ControlRange ids, int x, int width,
                                                GridColumn::Text numbering = GridColumn::Text::RowNumber,
                                                ControlStyle style = ControlStyle::RightAligned)
{
    return {ControlKind::Label, ids, {x, 2, width, 8}, numbering, "", style};
}
[[nodiscard]] constexpr GridColumn editColumn(ui::ControlRange ids, int x, int width)
{
    return {ControlKind::Edit, ids, {x, 0, width, 12}};
}
[[nodiscard]] constexpr GridColumn listColumn(ui::ControlRange ids, int x, int width)
{
    return {ControlKind::DropDownList, ids, {x, 0, width, PageListHeight}};
}

// Where the rows of a grid stand: the top of the first and the distance between two.
struct GridRows
{
    int firstY = 0;
    int pitch = 0;
};

// A page's fixed controls followed by the `Rows` rows of its grid, each row a control of every
// column, left to right.
template <int Rows, std::size_t Fixed, std::size_t Columns>
[[nodiscard]] constexpr auto withGrid(const std::array<ControlTemplate, Fixed>& fixed,
                                      const GridColumn (&columns)[Columns], GridRows rows)
{
    std::array<ControlTemplate, Fixed + Rows * Columns> all{};
    auto out = std::ranges::copy(fixed, all.begin()).out;
    for (int index = 0; index < Rows; ++index) {
        for (const GridColumn& column : columns) {
            ui::DialogRect at = column.cell;
            at.y += rows.firstY + index * rows.pitch;
            const std::string_view text = column.numbering == GridColumn::Text::LineNumber
                                              ? lineNumbers.at(std::size_t(index))
                                          : column.numbering == GridColumn::Text::RowNumber ? rowNumber(index)
                                                                                            : column.text;
            *out++ = {column.kind, column.ids.at(index), text, at, column.style};
        }
    }
    return all;
}

// The export name's check box at `nameY` and its edit box at `editY` (".TXT" behind), the
// automatic export at `autoY` and its save mode at `modeY`.
[[nodiscard]] constexpr std::array<ControlTemplate, 7> exportFile(int nameY, int editY, int autoY, int modeY)
{
    using Id = ExportFileId;
    return {ControlTemplate{ControlKind::CheckBox, Id::ExportNameCheck, "Change export name", {12, nameY, 120, 10}},
            ControlTemplate{ControlKind::Edit, Id::ExportNameEdit, "", {24, editY, 100, 12}},
            ControlTemplate{ControlKind::Label, Id::ExtensionLabel, ".TXT", {128, editY + 2, 30, 8}},
            ControlTemplate{ControlKind::CheckBox,
                            Id::AutoExportCheck,
                            "Auto export transaction table when close application",
                            {12, autoY, 215, 10}},
            ControlTemplate{ControlKind::Label, Id::SaveModeLabel, "Save Mode :", {24, modeY + 1, 50, 8}},
            ControlTemplate{ControlKind::RadioButton, Id::OverwriteRadio, "Overwrite", {78, modeY, 60, 10}},
            ControlTemplate{ControlKind::RadioButton, Id::AppendRadio, "Append", {142, modeY, 60, 10}}};
}

}  // namespace resources::dialog
