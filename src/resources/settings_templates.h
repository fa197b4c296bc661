// SPDX-License-Identifier: MIT
// The Settings page of the property sheet (SETTINGSDLG) and its Transaction File dialog
// (ADVANCEDLG1).
#pragma once

#include <array>

#include "resources/shared_ids.h"
#include "ui/control_id.h"
#include "ui/control_range.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

enum class SettingsPageId {
    // Functions of the terminal application that ask for the password. 110 is left out: its
    // byte (93) has no meaning and is stored as 0.
    OpenCheck = 101,
    ImportCheck = 102,
    ExportCheck = 103,
    EditDataCheck = 104,
    DeleteDataCheck = 105,
    SettingsCheck = 106,
    AutoPreloadCheck = 107,
    DataDeletionCheck = 108,
    EntryOptionsCheck = 109,
    VibratorCheck = 111,
    ImageCaptureCheck = 112,
    AutoRunCheck = 131,
    StartLabel = 201,
    DelimiterGroup = 202,
    DelimiterCountLabel = 203,
    FirstDelimiterLabel = 204,
    AutoPreloadLabel = 206,
    DataDeletionLabel = 207,
    EntryOptionsLabel = 208,
    VibratorLabel = 209,
    StayUnitLabel = 210,  // "(1 ~ 99) x 100 ms"
    PasswordLabel = 211,
    ProtectionGroup = 212,
    OptionsGroup = 213,
    PasswordHintLabel = 214,
    DelimiterCountList = 301,
    AutoPreloadList = 302,
    DataDeletionList = 303,
    EntryOptionsList = 304,
    VibratorList = 306,
    StartList = 391,
    FirstDelimiterCodeEdit = 401,
    FirstDelimiterCharacterEdit = 403,
    StayEdit = 405,
    PasswordEdit = 406,
    ResetButton = 593,
    StayRadio = 701,        // "Stay on the LCD"
    PressEnterRadio = 702,  // "Press Enter key to continue"
    ExportStoreLabel = 1011,
    ExportStoreEdit = 1012,
    DeleteDatabaseCheck = 1022,
    OneDataFileCheck = 1024,
    MoreButton = 1025,
};

// The delimiter edits, first delimiter at index 0: its code as a number and as a character.
inline constexpr ui::ControlRange DelimiterCodeEdits{SettingsPageId::FirstDelimiterCodeEdit, 2};
inline constexpr ui::ControlRange DelimiterCharacterEdits{SettingsPageId::FirstDelimiterCharacterEdit, 2};
// "Stay on the LCD" (index 0) and "Press Enter key to continue" (index 1).
inline constexpr ui::ControlRange PromptRadios{SettingsPageId::StayRadio, 2};
// The parts of the settings function, offered separately only while "Settings" itself does not
// ask for the password.
inline constexpr std::array<SettingsPageId, 4> SettingsFunctionChecks = {
    SettingsPageId::AutoPreloadCheck, SettingsPageId::DataDeletionCheck, SettingsPageId::EntryOptionsCheck,
    SettingsPageId::VibratorCheck};

// 470 x 270 dialog units: start form, delimiters and the numbered options on the left, the
// password and what it protects on the right, the export store and the data-file switches below.
[[nodiscard]] const ui::DialogTemplate& settingsPageTemplate();

// ADVANCEDLG1, 235 x 134 dialog units: the export of the transaction table, the ExportFileId
// controls with OK and Cancel.
[[nodiscard]] const ui::DialogTemplate& transactionFileTemplate();

// GRIDDLG, "The Grid Control": the 256 codes in a painted 17 x 17 grid (headers included) and
// the names of the codes chosen so far.
enum class CharacterGridId {
    ResultLabel = 201,
    ClearButton = 501,
    Grid = 601,           // painted
    ResultingText = 602,  // painted
};

// 345 x 230 dialog units.
[[nodiscard]] const ui::DialogTemplate& characterGridTemplate();

}  // namespace resources
