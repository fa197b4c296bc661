// SPDX-License-Identifier: MIT
// The dialogs of the application shell: PreferencesDlg and AboutBox.
#pragma once

#include "ui/control_id.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

enum class PreferencesId {
    AutoPreloadCheck = 101,
    AlwaysOnTopCheck = 102,
    LanguageLabel = 201,
    ModelLabel = 202,
    LanguageList = 301,
    ModelList = 302,
};
// Two check boxes, the language list and the (hidden) model list, OK and Cancel.
[[nodiscard]] const ui::DialogTemplate& preferencesTemplate();

// The program icon, the version line and a notice of this project, OK; no code addresses them.
[[nodiscard]] const ui::DialogTemplate& aboutTemplate();

}  // namespace resources
