// SPDX-License-Identifier: MIT
// The Preferences dialog (PreferencesDlg): auto-preload, always on top and the language.
#pragma once

#include <string>
#include <vector>

#include "texts/preferences.h"
#include "texts/text_source.h"
#include "ui/dialog_model.h"
#include "ui/localisation.h"

namespace editor::shell {

class PreferencesDialog final : public ui::DialogModel
{
public:
    // `preferences` is the working copy (as just read from the file); `languageNames` the
    // language list in list order and `languageCount` its enumeration count (-1: no file).
    PreferencesDialog(texts::Preferences preferences, std::vector<std::string> languageNames, int languageCount,
                      const texts::TextSource& texts, ui::LanguageState language);

    // The working copy with the user's choices, valid after OK.
    [[nodiscard]] const texts::Preferences& chosen() const { return m_preferences; }

protected:
    void onInit() override;
    void onClick(ui::ControlId id) override;
    void onSelectionChange(ui::ControlId id) override;
    bool onOk() override;

private:
    texts::Preferences m_preferences;
    std::vector<std::string> m_languageNames;
    int m_languageCount;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
    // A language preference whose file is gone stays unless the user picks another entry.
    bool m_isLanguageChosen = false;
};

}  // namespace editor::shell
