// SPDX-License-Identifier: MIT
// GRIDDLG, the character grid: composes a short sequence of raw codes (a field's prefix or
// suffix) by clicks on a 16 x 16 table of all codes. The model keeps the codes, the current cell
// and the resulting text; the Qt side only paints the grid and reports the cell clicked.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "project/records.h"
#include "ui/dialog_model.h"
#include "ui/localisation.h"

namespace texts {
class TextSource;
}

namespace editor::settings {

// The grid has one header row and one header column besides the 16 x 16 codes.
inline constexpr int GridCells = 17;

// The name a code has in the grid and in code displays: "Del", "Enter", "SP", "A", "128"; the
// ampersand is "&&", which a label shows as one; codes 0 and 29 to 31 have none.
[[nodiscard]] std::string_view codeName(project::Byte code);
// The code in the cell of header-inclusive column and row (1 to 16 each): 16 x (column - 1) + row - 1.
[[nodiscard]] int codeAt(int column, int row);
// Whether the grid lets the user choose the code (not 0, LF, Enter, 29, 30, 31).
[[nodiscard]] bool isChoosable(project::Byte code);
// Whether the grid draws the code in light grey (0, LF, Enter, 30, 31).
[[nodiscard]] bool isGreyed(project::Byte code);

// The names of the codes up to the first zero or `maxCodes`, each followed by a blank.
struct CodeNames
{
    std::string text;
    std::size_t count = 0;
};
[[nodiscard]] CodeNames codeNames(std::span<const project::Byte> codes, std::size_t maxCodes);
// A text of names as a display shows it: each "&&" before a blank becomes one "&".
[[nodiscard]] std::string displayForm(std::string_view names);

class CharacterGridDialog final : public ui::DialogModel
{
public:
    // `codes`: what the display holds now, up to `capacity` codes (a zero ends them).
    CharacterGridDialog(std::span<const project::Byte> codes, std::size_t capacity, const texts::TextSource& texts,
                        ui::LanguageState language);

    // The user clicked the cell at header-inclusive `column` and `row` (0 to 16 each).
    void clickCell(int column, int row);

    [[nodiscard]] const std::vector<project::Byte>& codes() const { return m_codes; }
    [[nodiscard]] const std::string& resultingText() const { return m_text; }
    [[nodiscard]] int currentColumn() const { return m_column; }
    [[nodiscard]] int currentRow() const { return m_row; }

private:
    void onInit() override;
    void onClick(ui::ControlId id) override;
    void showText();

    std::vector<project::Byte> m_initialCodes;
    std::size_t m_capacity;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
    std::vector<project::Byte> m_codes;
    std::string m_text;
    int m_column = 3; // "SP": code 0x20
    int m_row = 1;
};

} // namespace editor::settings
