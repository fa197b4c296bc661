// SPDX-License-Identifier: MIT
// The Barcode page of the property sheet (template BARCODEDLG): the reader, its reading
// behaviour and the 27 symbology rows that each reader type captions and shows in its own way.
#pragma once

#include "ui/control_id.h"
#include "ui/control_range.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

enum class BarcodePageId {
    FirstSymbologyCheck = 101,   // 101 to 127: one row per symbology, captioned per reader type
    NegativeBarcodeCheck = 141,  // laser reader only
    GtinCheck = 142,             // laser reader only
    RfidCheck = 190,
    ReaderTypeGroup = 201,
    ReaderLabel = 202,
    ReaderSettingsGroup = 203,
    GoodReadLabel = 204,
    SymbologyGroup = 205,
    // Laser and 2D reader: two lists and a time-out box with its unit.
    FirstBehaviourLabel = 206,
    SecondBehaviourLabel = 207,
    TimeoutLabel = 208,
    TimeoutUnitLabel = 209,
    // Long-range reader: the aiming duration and the decode time-out, each with its unit.
    AimDurationLabel = 210,
    AimDurationUnitLabel = 211,
    DecodeTimeoutLabel = 212,
    DecodeTimeoutUnitLabel = 213,
    FocusLabel = 214,  // 2D reader only
    ReaderList = 301,
    GoodReadList = 302,
    FirstBehaviourList = 303,   // laser: scan mode; 2D: decode illumination
    SecondBehaviourList = 304,  // laser: read redundancy; 2D: aimer pattern
    FocusList = 305,            // 2D reader only
    TimeoutEdit = 401,          // laser and 2D reader
    AimDurationEdit = 402,      // long-range reader
    DecodeTimeoutEdit = 403,    // long-range reader
    FirstMoreButton = 501,      // 501 to 527: the "more..." button of row 101 to 127
    PostalButton = 531,         // 531 to 534: the 2D reader's further dialogs
    CompositeButton = 532,
    SymbologiesButton = 533,
    MacroPdfButton = 534,
    ResetButton = 593,
    RfidMoreButton = 595,
};

inline constexpr int SymbologyRows = 27;
// Row i (0-based) is check box 101 + i with "more..." button 501 + i.
inline constexpr ui::ControlRange SymbologyChecks{BarcodePageId::FirstSymbologyCheck, SymbologyRows};
inline constexpr ui::ControlRange SymbologyMoreButtons{BarcodePageId::FirstMoreButton, SymbologyRows};
// The 2D reader's buttons, shown in place of rows 123 to 126.
inline constexpr ui::ControlRange ImagerButtons{BarcodePageId::PostalButton, 4};

// 470 x 270 dialog units: the reader and its reading behaviour on the left, the symbology rows
// in two columns on the right.
extern const ui::DialogTemplate barcodePageTemplate;

}  // namespace resources
