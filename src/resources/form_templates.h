// SPDX-License-Identifier: MIT
// The Form page of the property sheet (template FORMDLG).
#pragma once

#include "ui/control_id.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

enum class FormPageId {
    IdLabel = 201, // 201 to 206: labels of the form lists, in the order of the lists 391 to 396
    EscLabel = 202,
    LookupLabel = 203,
    NextLabel = 204,
    RecordLabel = 205,
    IndexLabel = 206,
    LineHeader = 211, // 211 to 218: column headers
    TypeHeader = 212,
    PromptHeader = 213,
    InputSourceHeader = 214,
    MinLengthHeader = 215,
    MaxLengthHeader = 216,
    LinkHeader = 217, // "Lookup" or "Variables"
    PropertiesHeader = 218,
    FirstTypeList = 301,        // 301 to 312
    FirstInputSourceList = 321, // 321 to 332
    FirstLinkList = 341,        // 341 to 352
    FormList = 391,
    EscList = 392,
    LookupList = 393,
    NextList = 394,
    RecordList = 395,
    IndexList = 396,
    FirstPromptEdit = 401,    // 401 to 412
    FirstMinLengthEdit = 421, // 421 to 432
    FirstMaxLengthEdit = 441, // 441 to 452
    FirstMoreButton = 501,    // 501 to 512
    TimeStampButton = 591,
    AdvancedButton = 592,
    ResetButton = 593,
    FirstLineLabel = 601, // 601 to 612: "#1" to "#12"
};

inline constexpr int FormPageLines = 12;

namespace detail {
[[nodiscard]] constexpr ui::ControlId lineControl(FormPageId first, int line)
{
    return ui::ControlId(static_cast<int>(first) + line - 1);
}
} // namespace detail

// The controls of grid line `line` (1 to 12).
[[nodiscard]] constexpr ui::ControlId typeList(int line)
{
    return detail::lineControl(FormPageId::FirstTypeList, line);
}
[[nodiscard]] constexpr ui::ControlId promptEdit(int line)
{
    return detail::lineControl(FormPageId::FirstPromptEdit, line);
}
[[nodiscard]] constexpr ui::ControlId inputSourceList(int line)
{
    return detail::lineControl(FormPageId::FirstInputSourceList, line);
}
[[nodiscard]] constexpr ui::ControlId minLengthEdit(int line)
{
    return detail::lineControl(FormPageId::FirstMinLengthEdit, line);
}
[[nodiscard]] constexpr ui::ControlId maxLengthEdit(int line)
{
    return detail::lineControl(FormPageId::FirstMaxLengthEdit, line);
}
[[nodiscard]] constexpr ui::ControlId linkList(int line)
{
    return detail::lineControl(FormPageId::FirstLinkList, line);
}
[[nodiscard]] constexpr ui::ControlId moreButton(int line)
{
    return detail::lineControl(FormPageId::FirstMoreButton, line);
}
[[nodiscard]] constexpr ui::ControlId lineLabel(int line)
{
    return detail::lineControl(FormPageId::FirstLineLabel, line);
}

// 470 x 270 dialog units: the form lists in two rows with the form buttons beside them, then
// the grid of 12 lines under its column headers.
[[nodiscard]] const ui::DialogTemplate& formPageTemplate();

} // namespace resources
