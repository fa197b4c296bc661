// SPDX-License-Identifier: MIT
// The list of targets that Esc, the end of a form and a menu item can lead to. A list position
// is the target code that the terminal reads: 0 main, 1 to 20 forms, 21 to 30 menus.
#pragma once

#include <string>
#include <vector>

namespace texts {
class TextSource;
}

namespace editor {

inline constexpr int TargetEntryCount = 31;

// "main", "form  1" to "form  20", "menu  1" to "menu  10", in target-code order.
[[nodiscard]] std::vector<std::string> targetListEntries(const texts::TextSource& texts);

// "menu  1" to "menu  10": the entries of a menu chooser.
[[nodiscard]] std::vector<std::string> menuListEntries(const texts::TextSource& texts);

} // namespace editor
