// SPDX-License-Identifier: MIT
// The Form page of the property sheet (template FORMDLG).
#pragma once

#include "resources/shared_ids.h"
#include "ui/control_id.h"
#include "ui/control_range.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

enum class FormPageId {
    IdLabel = 201,  // 201 to 206: labels of the form lists, in the order of the lists 391 to 396
    EscLabel = 202,
    LookupLabel = 203,
    NextLabel = 204,
    RecordLabel = 205,
    IndexLabel = 206,
    LineHeader = 211,  // 211 to 218: column headers
    TypeHeader = 212,
    PromptHeader = 213,
    InputSourceHeader = 214,
    MinLengthHeader = 215,
    MaxLengthHeader = 216,
    LinkHeader = 217,  // "Lookup" or "Variables"
    PropertiesHeader = 218,
    FirstTypeList = 301,         // 301 to 312
    FirstInputSourceList = 321,  // 321 to 332
    FirstLinkList = 341,         // 341 to 352
    FormList = 391,
    EscList = 392,
    LookupList = 393,
    NextList = 394,
    RecordList = 395,
    IndexList = 396,
    FirstPromptEdit = 401,     // 401 to 412
    FirstMinLengthEdit = 421,  // 421 to 432
    FirstMaxLengthEdit = 441,  // 441 to 452
    FirstMoreButton = 501,     // 501 to 512
    TimeStampButton = 591,
    AdvancedButton = 592,
    ResetButton = 593,
    FirstLineLabel = 601,  // 601 to 612: "#1" to "#12"
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

// The controls of grid line `line` (1 to 12).
[[nodiscard]] constexpr ui::ControlId typeList(int line) { return TypeLists.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId promptEdit(int line) { return PromptEdits.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId inputSourceList(int line) { return InputSourceLists.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId minLengthEdit(int line) { return MinLengthEdits.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId maxLengthEdit(int line) { return MaxLengthEdits.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId linkList(int line) { return LinkLists.at(line - 1); }
[[nodiscard]] constexpr ui::ControlId moreButton(int line) { return MoreButtons.at(line - 1); }

// 470 x 270 dialog units: the form lists in two rows with the form buttons beside them, then
// the grid of 12 lines under its column headers.
[[nodiscard]] const ui::DialogTemplate& formPageTemplate();

// The top of the dialogs of one form line (ADVANCEDLG, LOOKUPADVANCEDLG, IMAGEADVANCEDLG):
// "Form #" and "Line #" with their numbers, and the "Data input" frame below them.
enum class LineHeaderId {
    FormLabel = 201,
    LineLabel = 202,
    DataGroup = 203,
    FormValue = 601,
    LineValue = 602,
};

// ADVANCEDLG, the properties of one line of the types "text" to "boolean", "fixed data",
// "alphameric" and "MSQI": data input on the left, barcode input on the right. Its top and the
// data frame are the LineHeaderId controls, as in the other two line dialogs below.
enum class FieldPropertiesId {
    FixedLengthCheck = 101,
    InitialValueCheck = 102,
    PrefixCheck = 103,
    SuffixCheck = 104,
    ShowInputMarkCheck = 105,
    PartialCheck = 106,
    LeadingCodeCheck = 107,
    CheckDigitCheck = 108,
    BarcodeGroup = 204,
    StartLabel = 205,
    PartialLengthLabel = 206,
    AutoEnterLabel = 207,
    DecimalPlacesLabel = 208,
    AlignmentList = 301,
    CheckDigitList = 302,
    AutoEnterList = 303,
    DecimalPlacesList = 304,
    FixedLengthEdit = 401,
    InitialValueEdit = 402,
    PrefixDisplay = 403,
    SuffixDisplay = 404,
    InputMarkEdit = 405,
    StartEdit = 406,
    PartialLengthEdit = 407,
    LeadingCodeEdit = 408,
};
[[nodiscard]] const ui::DialogTemplate& fieldPropertiesTemplate();

// TIMESTAMPDLG, the date and time stamp of a form; the two group captions show the patterns.
enum class TimestampId {
    SplitCheck = 101,
    YearCheck = 102,
    MonthCheck = 103,
    DayCheck = 104,
    DateSeparatorCheck = 105,
    HourCheck = 106,
    MinuteCheck = 107,
    SecondCheck = 108,
    TimeSeparatorCheck = 109,
    PositionLabel = 201,
    DateFormatGroup = 202,
    DateOrderLabel = 203,
    TimeFormatGroup = 204,
    PositionList = 301,
    YearDigitsList = 302,
    DateOrderList = 303,
    DateSeparatorEdit = 401,
    TimeSeparatorEdit = 402,
};
[[nodiscard]] const ui::DialogTemplate& timestampTemplate();

// FORMADVANCEDLG, the properties of the whole form: these two and the ExportFileId controls.
enum class FormPropertiesId {
    ReadOnceCheck = 101,
    MsqiCheck = 1024,
};
[[nodiscard]] const ui::DialogTemplate& formPropertiesTemplate();

// LOOKUPADVANCEDLG, the properties of a "lookup" line.
enum class LookupFieldId {
    SaveDataCheck = 101,
    FixedLengthCheck = 102,
    PrefixCheck = 103,
    SuffixCheck = 104,
    AlignmentList = 301,
    FixedLengthEdit = 401,
    PrefixDisplay = 402,
    SuffixDisplay = 403,
};
[[nodiscard]] const ui::DialogTemplate& lookupFieldTemplate();

// IMAGEADVANCEDLG, the properties of an "image" line.
enum class ImageFieldId {
    EditPathCheck = 101,
    SavePathCheck = 102,
    CheckPathCheck = 103,
    FixedLengthCheck = 104,
    InitialPathCheck = 105,
    ShowInputMarkCheck = 106,
    AlignmentList = 304,
    FixedLengthEdit = 404,
    InitialPathEdit = 405,
    InputMarkEdit = 406,
};
[[nodiscard]] const ui::DialogTemplate& imageFieldTemplate();

}  // namespace resources
