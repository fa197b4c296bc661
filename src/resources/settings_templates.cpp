// SPDX-License-Identifier: MIT
#include "resources/settings_templates.h"

#include "ui/dialog_template.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlStyle;
using ui::ControlTemplate;
using Id = SettingsPageId;

// Drop-down heights include the opened list.
constexpr int ListHeight = 80;

constexpr ControlTemplate settingsControls[] = {
    {ControlKind::Label, Id::StartLabel, "Program start from :", {8, 10, 80, 8}},
    {ControlKind::DropDownList, Id::StartList, "", {92, 8, 60, ListHeight}},
    {ControlKind::PushButton, Id::ResetButton, "Reset", {412, 6, 50, 14}},

    {ControlKind::GroupBox, Id::DelimiterGroup, "Data Field Delimiters (code, character)", {8, 26, 222, 60}},
    {ControlKind::Label, Id::DelimiterCountLabel, "Number of delimiters :", {16, 40, 90, 8}},
    {ControlKind::DropDownList, Id::DelimiterCountList, "", {110, 38, 40, ListHeight}},
    {ControlKind::Label, Id::FirstDelimiterLabel, "1st delimiter :", {16, 56, 92, 8}},
    {ControlKind::Edit, Id::FirstDelimiterCodeEdit, "", {110, 54, 24, 12}, ControlStyle::DigitsOnly},
    {ControlKind::Edit, Id::FirstDelimiterCharacterEdit, "", {138, 54, 14, 12}},
    {ControlKind::Label, Id::SecondDelimiterLabel, "2nd delimiter :", {16, 70, 92, 8}},
    {ControlKind::Edit, Id::SecondDelimiterCodeEdit, "", {110, 68, 24, 12}, ControlStyle::DigitsOnly},
    {ControlKind::Edit, Id::SecondDelimiterCharacterEdit, "", {138, 68, 14, 12}},

    {ControlKind::GroupBox, Id::OptionsGroup, "Options", {8, 90, 222, 116}},
    {ControlKind::Label, Id::AutoPreloadLabel, "1.  Auto-preload the last Q72 file", {16, 104, 132, 8}},
    {ControlKind::DropDownList, Id::AutoPreloadList, "", {152, 102, 70, ListHeight}},
    {ControlKind::CheckBox, Id::AutoRunCheck, "Auto run the application.", {28, 118, 190, 10}},
    {ControlKind::Label, Id::DataDeletionLabel, "2.  Data Deletion", {16, 134, 132, 8}},
    {ControlKind::DropDownList, Id::DataDeletionList, "", {152, 132, 70, ListHeight}},
    {ControlKind::Label, Id::EntryOptionsLabel, "3.  Entry Options", {16, 150, 132, 8}},
    {ControlKind::DropDownList, Id::EntryOptionsList, "", {152, 148, 70, ListHeight}},
    {ControlKind::RadioButton, Id::StayRadio, "Stay on the LCD", {28, 164, 72, 10}},
    {ControlKind::Edit, Id::StayEdit, "", {102, 163, 16, 12}, ControlStyle::DigitsOnly},
    {ControlKind::Label, Id::StayUnitLabel, "(1 ~ 99) x 100 ms", {122, 165, 80, 8}},
    {ControlKind::RadioButton, Id::PressEnterRadio, "Press Enter key to continue", {28, 177, 150, 10}},
    {ControlKind::Label, Id::VibratorLabel, "4.  Vibrator Duration", {16, 192, 132, 8}},
    {ControlKind::DropDownList, Id::VibratorList, "", {152, 190, 70, ListHeight}},

    {ControlKind::Label, Id::PasswordLabel, "Security Password :", {238, 28, 72, 8}},
    {ControlKind::Edit, Id::PasswordEdit, "", {312, 26, 70, 12}},
    {ControlKind::Label, Id::PasswordHintLabel, "(up to 10 letters or digits)", {312, 41, 150, 8}},
    {ControlKind::GroupBox, Id::ProtectionGroup, "Password required for :", {238, 56, 224, 150}},
    {ControlKind::CheckBox, Id::OpenCheck, "Open", {248, 74, 96, 10}},
    {ControlKind::CheckBox, Id::ImportCheck, "Import", {248, 94, 96, 10}},
    {ControlKind::CheckBox, Id::ExportCheck, "Export", {248, 114, 96, 10}},
    {ControlKind::CheckBox, Id::EditDataCheck, "Edit Data", {248, 134, 96, 10}},
    {ControlKind::CheckBox, Id::DeleteDataCheck, "Delete Data", {248, 154, 96, 10}},
    {ControlKind::CheckBox, Id::ImageCaptureCheck, "2D Image Capture", {248, 174, 96, 10}},
    // The settings function and, indented below it, its parts.
    {ControlKind::CheckBox, Id::SettingsCheck, "Settings", {350, 74, 104, 10}},
    {ControlKind::CheckBox, Id::AutoPreloadCheck, "Auto-preload", {362, 94, 92, 10}},
    {ControlKind::CheckBox, Id::DataDeletionCheck, "Data Deletion", {362, 114, 92, 10}},
    {ControlKind::CheckBox, Id::EntryOptionsCheck, "Entry Options", {362, 134, 92, 10}},
    {ControlKind::CheckBox, Id::VibratorCheck, "Vibrator Duration", {362, 154, 92, 10}},

    {ControlKind::Label, Id::ExportStoreLabel, "5.  Default Export Store :", {8, 216, 98, 8}},
    {ControlKind::Edit, Id::ExportStoreEdit, "", {110, 214, 352, 12}},
    {ControlKind::CheckBox,
     Id::DeleteDatabaseCheck,
     "6. Always delete all database in the device when open this Q72 file.",
     {8, 232, 300, 10}},
    {ControlKind::CheckBox, Id::OneDataFileCheck, "Save all forms' data to one data file.", {8, 248, 148, 10}},
    {ControlKind::PushButton, Id::MoreButton, "more..", {160, 246, 40, 14}},
};

using Tx = TransactionFileId;

constexpr ControlTemplate transactionControls[] = {
    {ControlKind::CheckBox, Tx::ChangeExportNameCheck, "Change export name", {12, 12, 120, 10}},
    {ControlKind::Edit, Tx::ExportNameEdit, "", {24, 28, 100, 12}},
    {ControlKind::Label, Tx::ExtensionLabel, ".TXT", {128, 30, 30, 8}},
    {ControlKind::CheckBox,
     Tx::AutoExportCheck,
     "Auto export transaction table when close application",
     {12, 52, 215, 10}},
    {ControlKind::Label, Tx::SaveModeLabel, "Save Mode :", {24, 70, 50, 8}},
    {ControlKind::RadioButton, Tx::OverwriteRadio, "Overwrite", {78, 69, 60, 10}},
    {ControlKind::RadioButton, Tx::AppendRadio, "Append", {142, 69, 60, 10}},
    {ControlKind::PushButton, ui::OkButton, "OK", {60, 110, 50, 14}, ControlStyle::DefaultButton},
    {ControlKind::PushButton, ui::CancelButton, "Cancel", {125, 110, 50, 14}},
};

using Grid = CharacterGridId;

constexpr ControlTemplate characterGridControls[] = {
    {ControlKind::Custom, Grid::Grid, "", {7, 7, 331, 170}},
    {ControlKind::Label, Grid::ResultLabel, "Resulting text :", {7, 188, 60, 8}},
    {ControlKind::Custom, Grid::ResultingText, "", {70, 185, 268, 13}},
    {ControlKind::PushButton, Grid::ClearButton, "Clear", {7, 208, 50, 14}},
    {ControlKind::PushButton, ui::OkButton, "OK", {222, 208, 50, 14}, ControlStyle::DefaultButton},
    {ControlKind::PushButton, ui::CancelButton, "Cancel", {288, 208, 50, 14}},
};

}  // namespace

constexpr ui::DialogTemplate characterGridDialog{"GRIDDLG", "The Grid Control", {345, 230}, characterGridControls};
constexpr ui::DialogTemplate settingsPageDialog{"SETTINGSDLG", "Settings", {470, 270}, settingsControls};
constexpr ui::DialogTemplate transactionFileDialog{"ADVANCEDLG1", "Transaction File", {235, 134}, transactionControls};

const ui::DialogTemplate& characterGridTemplate() { return characterGridDialog; }
const ui::DialogTemplate& settingsPageTemplate() { return settingsPageDialog; }
const ui::DialogTemplate& transactionFileTemplate() { return transactionFileDialog; }

}  // namespace resources
