// SPDX-License-Identifier: MIT
#include "resources/shell_templates.h"

#include <array>

#include "ui/dialog_template.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlStyle;
using ui::ControlTemplate;

// Drop-down heights include the opened list.
constexpr int ListHeight = 80;

constexpr std::array preferencesControls = {
    ControlTemplate{ControlKind::CheckBox, PreferencesId::AutoPreloadCheck, "Auto-preload the last editing file.",
                    {12, 10, 176, 10}},
    ControlTemplate{ControlKind::CheckBox, PreferencesId::AlwaysOnTopCheck, "Always on top.", {12, 26, 176, 10}},
    ControlTemplate{ControlKind::Label, PreferencesId::LanguageLabel, "Language :", {12, 46, 56, 8}},
    ControlTemplate{ControlKind::DropDownList, PreferencesId::LanguageList, "", {70, 44, 118, ListHeight}},
    ControlTemplate{ControlKind::Label, PreferencesId::ModelLabel, "Device Model :", {12, 64, 56, 8},
                    ControlStyle::Hidden | ControlStyle::Disabled},
    ControlTemplate{ControlKind::DropDownList, PreferencesId::ModelList, "", {70, 62, 118, ListHeight},
                    ControlStyle::Hidden | ControlStyle::Disabled},
    ControlTemplate{ControlKind::PushButton, ui::OkButton, "OK", {42, 84, 50, 14}, ControlStyle::DefaultButton},
    ControlTemplate{ControlKind::PushButton, ui::CancelButton, "Cancel", {108, 84, 50, 14}},
};

constexpr std::array aboutControls = {
    ControlTemplate{ControlKind::Icon, AboutId::ProgramIcon, "", {10, 10, 20, 20}},
    ControlTemplate{ControlKind::Label, AboutId::VersionLabel, "Q720 Series Formwright (Version 1.01.0015)",
                    {40, 12, 170, 8}},
    ControlTemplate{ControlKind::Label, AboutId::NoticeLabel,
                    "Formwright: free software (MIT licence), rebuilt in portable C++.", {40, 26, 170, 16}},
    ControlTemplate{ControlKind::PushButton, ui::OkButton, "OK", {85, 48, 50, 14}, ControlStyle::DefaultButton},
};

}  // namespace

constexpr ui::DialogTemplate preferencesDialog{"PreferencesDlg", "FWQ720 Preferences", {200, 106}, preferencesControls};
constexpr ui::DialogTemplate aboutDialog{"AboutBox", "The Q720 Formwright", {220, 70}, aboutControls};

const ui::DialogTemplate& preferencesTemplate() { return preferencesDialog; }
const ui::DialogTemplate& aboutTemplate() { return aboutDialog; }

}  // namespace resources
