// SPDX-License-Identifier: MIT
// The number texts "1" to "20" that the editor's number lists share (form, menu and line
// numbers, lengths).
#pragma once

#include <array>
#include <string_view>

namespace editor {

inline constexpr int NumberTextCount = 20;

inline constexpr std::array<std::string_view, NumberTextCount> NumberTexts = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
};

// The plain decimal text of `number` (1 to 20); empty outside that range.
[[nodiscard]] constexpr std::string_view numberText(int number)
{
    if (number < 1 || number > NumberTextCount) {
        return {};
    }
    return NumberTexts[static_cast<std::size_t>(number - 1)];
}

} // namespace editor
