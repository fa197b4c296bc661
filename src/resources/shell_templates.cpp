// SPDX-License-Identifier: MIT
#include "resources/shell_templates.h"

#include <array>

#include "resources/dialog_layout.h"

namespace resources {
namespace {

using namespace dialog;

enum class AboutId {
    VersionLabel = 201,
    NoticeLabel = 202,
    ProgramIcon = 1001,
};

// Where the preference lists stand; the height includes the opened list.
constexpr LabelledListColumns listColumns{12, 56, 70, 118, 80};

constexpr auto preferencesControls =
    concat(checkStack({{PreferencesId::AutoPreloadCheck, "Auto-preload the last editing file."},
                       {PreferencesId::AlwaysOnTopCheck, "Always on top."}},
                      {12, 10, 176, 10}, 16),
           labelledList(PreferencesId::LanguageLabel, "Language :", PreferencesId::LanguageList, 44, listColumns),
           labelledList(PreferencesId::ModelLabel, "Device Model :", PreferencesId::ModelList, 62, listColumns,
                        ControlStyle::Hidden | ControlStyle::Disabled),
           okCancelAt(42, 108, 84));
constexpr ui::DialogTemplate preferencesDialog{"PreferencesDlg", "FWQ720 Preferences", {200, 106}, preferencesControls};

constexpr std::array aboutControls = {
    ControlTemplate{ControlKind::Icon, AboutId::ProgramIcon, "", {10, 10, 20, 20}},
    ControlTemplate{
        ControlKind::Label, AboutId::VersionLabel, "Q720 Series Formwright (Version 1.01.0015)", {40, 12, 170, 8}},
    ControlTemplate{ControlKind::Label,
                    AboutId::NoticeLabel,
                    "Formwright: free software (MIT licence), rebuilt in portable C++.",
                    {40, 26, 170, 16}},
    okAt(85, 48),
};
constexpr ui::DialogTemplate aboutDialog{"AboutBox", "The Q720 Formwright", {220, 70}, aboutControls};

}  // namespace

const ui::DialogTemplate& preferencesTemplate() { return preferencesDialog; }
const ui::DialogTemplate& aboutTemplate() { return aboutDialog; }

}  // namespace resources
