// SPDX-License-Identifier: MIT
// The Form page of the property sheet (template FORMDLG).
#pragma once

#include "ui/control_id.h"
#include "ui/control_range.h"

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

// The columns of the line grid, one control per line; line n is index n - 1.
inline constexpr ui::ControlRange TypeLists{FormPageId::FirstTypeList, FormPageLines};
inline constexpr ui::ControlRange InputSourceLists{FormPageId::FirstInputSourceList, FormPageLines};
inline constexpr ui::ControlRange LinkLists{FormPageId::FirstLinkList, FormPageLines};
inline constexpr ui::ControlRange PromptEdits{FormPageId::FirstPromptEdit, FormPageLines};
inline constexpr ui::ControlRange MinLengthEdits{FormPageId::FirstMinLengthEdit, FormPageLines};
inline constexpr ui::ControlRange MaxLengthEdits{FormPageId::FirstMaxLengthEdit, FormPageLines};
inline constexpr ui::ControlRange MoreButtons{FormPageId::FirstMoreButton, FormPageLines};
inline constexpr ui::ControlRange LineLabels{FormPageId::FirstLineLabel, FormPageLines};

// The controls of grid line `line` (1 to 12).
[[nodiscard]] constexpr ui::ControlId typeList(int line) { return TypeLists.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId promptEdit(int line) { return PromptEdits.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId inputSourceList(int line) { return InputSourceLists.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId minLengthEdit(int line) { return MinLengthEdits.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId maxLengthEdit(int line) { return MaxLengthEdits.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId linkList(int line) { return LinkLists.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId moreButton(int line) { return MoreButtons.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId lineLabel(int line) { return LineLabels.at(line - 1); }

// 470 x 270 dialog units: the form lists in two rows with the form buttons beside them, then
// the grid of 12 lines under its column headers.
[[nodiscard]] const ui::DialogTemplate& formPageTemplate();

} // namespace resources
