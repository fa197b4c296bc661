// SPDX-License-Identifier: MIT
// The Lookup page of the property sheet (template LOOKUPDLG).
#pragma once

#include "ui/control_id.h"
#include "ui/control_range.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

enum class LookupPageId {
    ExportNameCheck = 101,
    IdLabel = 201,  // 201 to 203 take language entries 281 to 283
    FieldCountLabel = 202,
    AsciiLabel = 203,
    TxtLabel = 204,  // 204 to 208 take language entries 287 to 291
    BadFormatLabel = 205,
    NoMatchLabel = 206,
    TypeHeader = 207,
    NameHeader = 208,
    KeyHeader = 209,
    FieldCountList = 301,
    BadFormatList = 302,
    NoMatchList = 303,
    FirstTypeList = 321,  // 321 to 332: types of fields 1 to 12
    LookupList = 391,
    FirstNameEdit = 401,    // 401 to 412
    FirstLengthEdit = 421,  // 421 to 432
    DelimiterEdit = 441,
    ExportNameEdit = 442,
    ResetButton = 593,
    LengthHeader = 601,      // "Length", or "Max length" for a delimited file
    FirstFieldLabel = 611,   // 611 to 622: "1" to "12" in front of each field row
    FirstKeyRadio = 701,     // 701 to 712: the key field
    FixedLengthRadio = 721,  // 721 and 722: fixed length or delimited
    DelimiterRadio = 722,
    AutoExportCheck = 1013,
    OverwriteRadio = 1014,  // 1014 and 1015: save mode of the automatic export
    AppendRadio = 1015,
    SaveModeLabel = 1016,
};

inline constexpr int LookupPageFields = 12;

// The columns of the field grid, one control per field; field n is index n - 1.
inline constexpr ui::ControlRange FieldTypeLists{LookupPageId::FirstTypeList, LookupPageFields};
inline constexpr ui::ControlRange FieldNameEdits{LookupPageId::FirstNameEdit, LookupPageFields};
inline constexpr ui::ControlRange FieldLengthEdits{LookupPageId::FirstLengthEdit, LookupPageFields};
inline constexpr ui::ControlRange KeyFieldRadios{LookupPageId::FirstKeyRadio, LookupPageFields};

// The two radio groups outside the grid: index 0 fixed length / overwrite, 1 delimiter / append.
inline constexpr ui::ControlRange RecordFormatRadios{LookupPageId::FixedLengthRadio, 2};
inline constexpr ui::ControlRange SaveModeRadios{LookupPageId::OverwriteRadio, 2};

// 470 x 270 dialog units: the file chooser and field count above the grid of 12 fields on the
// left; record format, export name, the two actions, automatic export and Reset on the right.
[[nodiscard]] const ui::DialogTemplate& lookupPageTemplate();

}  // namespace resources
