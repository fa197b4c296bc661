// SPDX-License-Identifier: MIT
#include "editor/shell/popup_menu.h"

#include <gtest/gtest.h>

#include <map>

#include "texts/builtin_strings.h"

namespace editor {
namespace {

// A language that names only some of the menu entries.
class PartialLanguage final : public texts::TextSource
{
public:
    std::map<int, std::string> entries;
    [[nodiscard]] std::string text(texts::StringId id) const override
    {
        const auto found = entries.find(texts::value(id));
        return found != entries.end() ? found->second : texts::builtinString(id);
    }
};

std::vector<int> commandsOf(const std::vector<MenuEntry>& menu)
{
    std::vector<int> commands;
    for (const MenuEntry& entry : menu) {
        commands.push_back(entry.isSeparator ? 0 : entry.command);
    }
    return commands;
}

TEST(PopupMenu, RecentFilesUpToFourFollowPreferencesWithTheirOwnSeparator)
{
    const std::pair<std::vector<std::string>, std::vector<int>> cases[] = {
        {{}, {31, 32, 33, 34, 0, 35, 36, 0, 37, 38}},
        {{"/a/one.Q72", "/b/two.Q72"}, {31, 32, 33, 34, 0, 35, 36, 0, 90, 91, 0, 37, 38}},
        {{"a", "b", "c", "d", "e"}, {31, 32, 33, 34, 0, 35, 36, 0, 90, 91, 92, 93, 0, 37, 38}},
    };
    for (const auto& [recent, commands] : cases) {
        SCOPED_TRACE(recent.size());
        EXPECT_EQ(commandsOf(buildPopupMenu(texts::BuiltinTextSource(), recent)), commands);
    }
    const auto menu = buildPopupMenu(texts::BuiltinTextSource(), {"/a/one.Q72", "/b/two.Q72"});
    EXPECT_EQ(menu[0].label, "&New\tCtrl+N");
    EXPECT_EQ(menu[8].label, "&1:  /a/one.Q72");
    EXPECT_EQ(menu[9].label, "&2:  /b/two.Q72");
    EXPECT_EQ(menu[12].label, "E&xit\tAlt+F4");
}

TEST(PopupMenu, LanguageRelabelsOnlyTheItemsItNames)
{
    PartialLanguage language;
    language.entries[31] = "&Neu\tStrg+N";
    language.entries[38] = "&Beenden";
    const auto menu = buildPopupMenu(language, {});
    EXPECT_EQ(menu[0].label, "&Neu\tStrg+N");
    EXPECT_EQ(menu[1].label, "&Open...\tCtrl+O");
    EXPECT_EQ(menu[9].label, "&Beenden");
    EXPECT_EQ(menu[9].command, 38);
}

}  // namespace
}  // namespace editor
