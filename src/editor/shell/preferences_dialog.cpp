// SPDX-License-Identifier: MIT
#include "editor/shell/preferences_dialog.h"

#include <algorithm>
#include <array>

#include "resources/shell_templates.h"

namespace editor::shell {
namespace {

using resources::PreferencesId;
using texts::sid;

constexpr const char* BuiltinLanguageEntry = "Default <English>";

constexpr std::array<ui::TextReplacement, 4> captionEntries = {{
    {PreferencesId::AutoPreloadCheck, sid(62)},
    {PreferencesId::AlwaysOnTopCheck, sid(63)},
    {PreferencesId::LanguageLabel, sid(64)},
    {PreferencesId::ModelLabel, sid(65)},
}};

}  // namespace

PreferencesDialog::PreferencesDialog(texts::Preferences preferences, std::vector<std::string> languageNames,
                                     int languageCount, const texts::TextSource& texts, ui::LanguageState language)
    : m_preferences(std::move(preferences)), m_languageNames(std::move(languageNames)),
      m_languageCount(languageCount), m_texts(texts), m_language(language)
{
}

void PreferencesDialog::onInit()
{
    ui::replaceCaptionTexts(controls(), m_texts, m_language, ui::CaptionTexts{sid(61), captionEntries});
    controls().setChecked(PreferencesId::AutoPreloadCheck, m_preferences.isAutoPreloadOn);
    controls().setChecked(PreferencesId::AlwaysOnTopCheck, m_preferences.isAlwaysOnTop);

    std::vector<std::string> entries{BuiltinLanguageEntry};
    entries.insert(entries.end(), m_languageNames.begin(), m_languageNames.end());
    controls().setItems(PreferencesId::LanguageList, std::move(entries));
    const auto found = std::find(m_languageNames.begin(), m_languageNames.end(), m_preferences.language);
    const int selection = found == m_languageNames.end() ? 0 : static_cast<int>(found - m_languageNames.begin()) + 1;
    controls().setSelection(PreferencesId::LanguageList, selection);
    if (m_languageCount == 0) {
        controls().setEnabled(PreferencesId::LanguageLabel, false);
        controls().setEnabled(PreferencesId::LanguageList, false);
    }

    ui::fillList(controls(), PreferencesId::ModelList, m_texts, sid(1311), 2);
    controls().setSelection(PreferencesId::ModelList, static_cast<int>(m_preferences.model));
}

void PreferencesDialog::onClick(ui::ControlId id)
{
    if (id == PreferencesId::AutoPreloadCheck) {
        m_preferences.isAutoPreloadOn = toggleCheck(id);
    } else if (id == PreferencesId::AlwaysOnTopCheck) {
        m_preferences.isAlwaysOnTop = toggleCheck(id);
    }
}

void PreferencesDialog::onSelectionChange(ui::ControlId id)
{
    if (id == PreferencesId::LanguageList) {
        m_isLanguageChosen = true;
    }
}

bool PreferencesDialog::onOk()
{
    if (!m_isLanguageChosen) {
        return true;
    }
    const int selection = controls().selection(PreferencesId::LanguageList);
    if (selection <= 0 || selection > static_cast<int>(m_languageNames.size())) {
        m_preferences.language = std::string(texts::BuiltinLanguageName);
    } else {
        m_preferences.language = m_languageNames[static_cast<std::size_t>(selection - 1)];
    }
    return true;
}

}  // namespace editor::shell
