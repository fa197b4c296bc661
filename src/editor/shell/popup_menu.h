// SPDX-License-Identifier: MIT
// The popup menu of the painted terminal, "FWQ720Menu", as data: the view turns each entry into
// a menu item that sends its command to the designer.
#pragma once

#include <string>
#include <vector>

#include "texts/text_source.h"

namespace editor::shell {

// Command identifiers of the popup menu and the accelerators. The commands run from 31 without a
// gap, and each one's label is the string of its own number (31 to 38).
enum class Command {
    New = 31,
    Open,
    Save,
    SaveAs,
    Edit,
    Preferences,
    About,
    Exit,
    FirstRecentFile = 90,  // 90 + i opens recent-file entry i (from 0)
    LastRecentFile = 99,
};
static_assert(static_cast<int>(Command::Exit) == 38);

[[nodiscard]] constexpr int commandValue(Command command) { return static_cast<int>(command); }
[[nodiscard]] constexpr Command recentFileCommand(int index)
{
    return static_cast<Command>(commandValue(Command::FirstRecentFile) + index);
}
[[nodiscard]] constexpr bool isRecentFileCommand(int command)
{
    return command >= commandValue(Command::FirstRecentFile) &&
           command <= commandValue(Command::LastRecentFile);
}

// One item; the label uses "&" for the mnemonic and "\t" before the shortcut text. Command
// labels are texts of the code page, recent-file labels hold a path of the file system.
struct MenuEntry
{
    bool isSeparator = false;
    int command = 0;
    std::string label;
    texts::TextEncoding encoding = texts::TextEncoding::CodePage;
};

// The whole popup menu. Item texts come by string IDs 31 to 38, so a loaded language relabels
// them and an item the language doesn't name keeps its built-in text.
[[nodiscard]] std::vector<MenuEntry> buildPopupMenu(const texts::TextSource& texts,
                                                    const std::vector<std::string>& recentFiles);

}  // namespace editor::shell
