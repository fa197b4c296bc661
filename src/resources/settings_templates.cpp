// SPDX-License-Identifier: MIT
#include "resources/settings_templates.h"

#include "resources/dialog_layout.h"

namespace resources {
namespace {

using namespace dialog;
using Id = SettingsPageId;

// Drop-down heights include the opened list.
constexpr int ListHeight = 80;

// Delimiter `index` (0 or 1): its label, its code as a number and as a character.
constexpr std::array<ControlTemplate, 3> delimiterRow(int index, int y)
{
    constexpr ui::ControlRange labels{Id::FirstDelimiterLabel, 2};
    return {ControlTemplate{ControlKind::Label,
                            labels.at(index),
                            index == 0 ? "1st delimiter :" : "2nd delimiter :",
                            {16, y + 2, 92, 8}},
            ControlTemplate{
                ControlKind::Edit, DelimiterCodeEdits.at(index), "", {110, y, 24, 12}, ControlStyle::DigitsOnly},
            ControlTemplate{ControlKind::Edit, DelimiterCharacterEdits.at(index), "", {138, y, 14, 12}}};
}

// The numbered options: a label on the left, the list of choices on the right.
constexpr LabelledListColumns optionColumns{16, 132, 152, 70, ListHeight};

}  // namespace

constexpr auto settingsPageControls = concat(
    labelledList(Id::StartLabel, "Program start from :", Id::StartList, 8, {8, 80, 92, 60, ListHeight}),
    ControlTemplate{ControlKind::PushButton, Id::ResetButton, "Reset", {412, 6, 50, 14}},

    ControlTemplate{
        ControlKind::GroupBox, Id::DelimiterGroup, "Data Field Delimiters (code, character)", {8, 26, 222, 60}},
    labelledList(Id::DelimiterCountLabel, "Number of delimiters :", Id::DelimiterCountList, 38,
                 {16, 90, 110, 40, ListHeight}),
    delimiterRow(0, 54), delimiterRow(1, 68),

    ControlTemplate{ControlKind::GroupBox, Id::OptionsGroup, "Options", {8, 90, 222, 116}},
    labelledList(Id::AutoPreloadLabel, "1.  Auto-preload the last Q72 file", Id::AutoPreloadList, 102, optionColumns),
    ControlTemplate{ControlKind::CheckBox, Id::AutoRunCheck, "Auto run the application.", {28, 118, 190, 10}},
    labelledList(Id::DataDeletionLabel, "2.  Data Deletion", Id::DataDeletionList, 132, optionColumns),
    labelledList(Id::EntryOptionsLabel, "3.  Entry Options", Id::EntryOptionsList, 148, optionColumns),
    ControlTemplate{ControlKind::RadioButton, Id::StayRadio, "Stay on the LCD", {28, 164, 72, 10}},
    ControlTemplate{ControlKind::Edit, Id::StayEdit, "", {102, 163, 16, 12}, ControlStyle::DigitsOnly},
    ControlTemplate{ControlKind::Label, Id::StayUnitLabel, "(1 ~ 99) x 100 ms", {122, 165, 80, 8}},
    ControlTemplate{ControlKind::RadioButton, Id::PressEnterRadio, "Press Enter key to continue", {28, 177, 150, 10}},
    labelledList(Id::VibratorLabel, "4.  Vibrator Duration", Id::VibratorList, 190, optionColumns),

    ControlTemplate{ControlKind::Label, Id::PasswordLabel, "Security Password :", {238, 28, 72, 8}},
    ControlTemplate{ControlKind::Edit, Id::PasswordEdit, "", {312, 26, 70, 12}},
    ControlTemplate{ControlKind::Label, Id::PasswordHintLabel, "(up to 10 letters or digits)", {312, 41, 150, 8}},
    ControlTemplate{ControlKind::GroupBox, Id::ProtectionGroup, "Password required for :", {238, 56, 224, 150}},
    checkStack({{Id::OpenCheck, "Open"},
                {Id::ImportCheck, "Import"},
                {Id::ExportCheck, "Export"},
                {Id::EditDataCheck, "Edit Data"},
                {Id::DeleteDataCheck, "Delete Data"},
                {Id::ImageCaptureCheck, "2D Image Capture"}},
               {248, 74, 96, 10}, 20),
    // The settings function and, indented below it, its parts.
    ControlTemplate{ControlKind::CheckBox, Id::SettingsCheck, "Settings", {350, 74, 104, 10}},
    checkStack({{SettingsFunctionChecks[0], "Auto-preload"},
                {SettingsFunctionChecks[1], "Data Deletion"},
                {SettingsFunctionChecks[2], "Entry Options"},
                {SettingsFunctionChecks[3], "Vibrator Duration"}},
               {362, 94, 92, 10}, 20),

    ControlTemplate{ControlKind::Label, Id::ExportStoreLabel, "5.  Default Export Store :", {8, 216, 98, 8}},
    ControlTemplate{ControlKind::Edit, Id::ExportStoreEdit, "", {110, 214, 352, 12}},
    ControlTemplate{ControlKind::CheckBox,
                    Id::DeleteDatabaseCheck,
                    "6. Always delete all database in the device when open this Q72 file.",
                    {8, 232, 300, 10}},
    ControlTemplate{
        ControlKind::CheckBox, Id::OneDataFileCheck, "Save all forms' data to one data file.", {8, 248, 148, 10}},
    ControlTemplate{ControlKind::PushButton, Id::MoreButton, "more..", {160, 246, 40, 14}});
constexpr ui::DialogTemplate settingsPageDialog{"SETTINGSDLG", "Settings", {470, 270}, settingsPageControls};
const ui::DialogTemplate& settingsPageTemplate() { return settingsPageDialog; }

constexpr auto transactionFileControls = concat(exportFile(12, 28, 52, 69), okCancelAt(60, 125, 110));
constexpr ui::DialogTemplate transactionFileDialog{
    "ADVANCEDLG1", "Transaction File", {235, 134}, transactionFileControls};
const ui::DialogTemplate& transactionFileTemplate() { return transactionFileDialog; }

using Grid = CharacterGridId;
constexpr auto characterGridControls = concat(
    ControlTemplate{ControlKind::Custom, Grid::Grid, "", {7, 7, 331, 170}},
    ControlTemplate{ControlKind::Label, Grid::ResultLabel, "Resulting text :", {7, 188, 60, 8}},
    ControlTemplate{ControlKind::Custom, Grid::ResultingText, "", {70, 185, 268, 13}},
    ControlTemplate{ControlKind::PushButton, Grid::ClearButton, "Clear", {7, 208, 50, 14}}, okCancelAt(222, 288, 208));
constexpr ui::DialogTemplate characterGridDialog{"GRIDDLG", "The Grid Control", {345, 230}, characterGridControls};
const ui::DialogTemplate& characterGridTemplate() { return characterGridDialog; }

}  // namespace resources
