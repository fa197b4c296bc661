// SPDX-License-Identifier: MIT
#include "editor/settings/character_grid_dialog.h"

#include <array>

#include "resources/settings_templates.h"
#include "texts/string_id.h"
#include "texts/text_source.h"

namespace editor::settings {
namespace {

using project::Byte;
using resources::CharacterGridId;
using texts::sid;

// The resulting text has room for 70 bytes, enough for ten of the longest names.
constexpr std::size_t MaxTextBytes = 70;

constexpr std::array<std::string_view, 32> controlNames = {
    "",   "Ins", "Del", "Home", "End", "Up",  "Down", "Left", "BS",  "HT",  "LF",
    "Right", "PgUp", "Enter", "PgDn", "F1", "F2", "F3", "F4",  "F5",  "F6",  "F7",
    "F8", "F9",  "F10", "F11", "F12", "ESC", "Exec", "",     "",    "",
};

constexpr auto printableNames = [] {
    std::array<std::array<char, 2>, 95> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = {static_cast<char>(32 + i), '\0'};
    }
    return names;
}();

constexpr auto highNames = [] {
    std::array<std::array<char, 4>, 128> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t code = 128 + i;
        names[i] = {static_cast<char>('0' + code / 100), static_cast<char>('0' + code / 10 % 10),
                    static_cast<char>('0' + code % 10), '\0'};
    }
    return names;
}();

constexpr texts::StringId TitleEntry = sid(81);
constexpr ui::TextReplacement captions[] = {
    {CharacterGridId::ResultLabel, sid(82)},
    {CharacterGridId::ClearButton, sid(83)},
};

} // namespace

std::string_view codeName(Byte code)
{
    if (code < controlNames.size()) {
        return controlNames[code];
    }
    if (code == 32) {
        return "SP";
    }
    if (code == '&') {
        return "&&";
    }
    if (code < 127) {
        return {printableNames[code - 32].data(), 1};
    }
    if (code == 127) {
        return "DEL";
    }
    return {highNames[code - 128].data(), 3};
}

int codeAt(int column, int row)
{
    return 16 * (column - 1) + row - 1;
}

bool isChoosable(Byte code)
{
    return code != 0 && code != 10 && code != 13 && (code < 29 || code > 31);
}

bool isGreyed(Byte code)
{
    return code == 0 || code == 10 || code == 13 || code == 30 || code == 31;
}

CodeNames codeNames(std::span<const Byte> codes, std::size_t maxCodes)
{
    CodeNames names;
    for (const Byte code : codes.first(std::min(codes.size(), maxCodes))) {
        if (code == 0) {
            break;
        }
        names.text += codeName(code);
        names.text += ' ';
        ++names.count;
    }
    return names;
}

std::string displayForm(std::string_view names)
{
    std::string shown;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names.substr(i, 3) == "&& ") {
            ++i; // the pair's second ampersand
        }
        shown += names[i];
    }
    return shown;
}

CharacterGridDialog::CharacterGridDialog(std::span<const Byte> codes, std::size_t capacity,
                                         const texts::TextSource& texts, ui::LanguageState language)
    : m_initialCodes(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(std::min(codes.size(), capacity))),
      m_capacity(capacity), m_texts(texts), m_language(language)
{
}

void CharacterGridDialog::onInit()
{
    ui::replaceCaptionTexts(controls(), m_texts, m_language, {TitleEntry, captions});
    const CodeNames names = codeNames(m_initialCodes, m_capacity);
    m_codes.assign(m_initialCodes.begin(), m_initialCodes.begin() + static_cast<std::ptrdiff_t>(names.count));
    m_text = names.text;
    m_column = 3;
    m_row = 1;
    showText();
}

void CharacterGridDialog::showText() { controls().setText(CharacterGridId::ResultingText, displayForm(m_text)); }

void CharacterGridDialog::clickCell(int column, int row)
{
    if (!isOpen() || column < 1 || column >= GridCells || row < 1 || row >= GridCells) {
        return;
    }
    const auto code = static_cast<Byte>(codeAt(column, row));
    if (!isChoosable(code)) {
        return;
    }
    m_column = column;
    m_row = row;
    if (m_codes.size() >= m_capacity) {
        host().warning(texts::WarningTitle, texts::sid(2853));
        return;
    }
    const std::string_view name = codeName(code);
    if (m_text.size() + name.size() + 1 > MaxTextBytes) {
        host().warning(texts::WarningTitle, texts::sid(2853));
        return;
    }
    m_codes.push_back(code);
    m_text += name;
    m_text += ' ';
    showText();
}

void CharacterGridDialog::onClick(ui::ControlId id)
{
    if (id == CharacterGridId::ClearButton) {
        m_codes.clear();
        m_text.clear();
        showText();
    }
}

} // namespace editor::settings
