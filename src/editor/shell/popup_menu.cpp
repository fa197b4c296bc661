// SPDX-License-Identifier: MIT
#include "editor/shell/popup_menu.h"

#include <algorithm>
#include <cstddef>

#include "texts/recent_files.h"

namespace editor::shell {
namespace {

constexpr std::size_t MaxRecentItems = 4;

MenuEntry item(const texts::TextSource& texts, Command command)
{
    return MenuEntry{false, commandValue(command), texts.text(texts::sid(commandValue(command)))};
}

MenuEntry separator() { return MenuEntry{true, 0, {}}; }

}  // namespace

std::vector<MenuEntry> buildPopupMenu(const texts::TextSource& texts,
                                      const std::vector<std::string>& recentFiles)
{
    std::vector<MenuEntry> menu = {
        item(texts, Command::New),  item(texts, Command::Open),        item(texts, Command::Save),
        item(texts, Command::SaveAs), separator(),
        item(texts, Command::Edit), item(texts, Command::Preferences), separator(),
    };
    const std::size_t shown = std::min(recentFiles.size(), MaxRecentItems);
    for (std::size_t i = 0; i < shown; ++i) {
        const int index = static_cast<int>(i);
        menu.push_back(MenuEntry{false, commandValue(recentFileCommand(index)),
                                 texts::recentFileMenuLabel(index + 1, recentFiles[i]),
                                 texts::TextEncoding::FileSystem});
    }
    if (shown > 0) {
        menu.push_back(separator());
    }
    menu.push_back(item(texts, Command::About));
    menu.push_back(item(texts, Command::Exit));
    return menu;
}

}  // namespace editor::shell
