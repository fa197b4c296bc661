// SPDX-License-Identifier: MIT
#include "editor/settings/character_grid.h"

#include <gtest/gtest.h>

#include <vector>

#include "resources/settings_templates.h"
#include "support/ui_harness.h"
#include "texts/text_source.h"

namespace editor::settings {
namespace {

using project::Byte;
using resources::CharacterGridId;
using ui::testing::DialogHarness;

// The grid cell of a code: header-inclusive column and row.
int columnOf(int code)
{
    return code / 16 + 1;
}
int rowOf(int code)
{
    return code % 16 + 1;
}

DialogHarness openGrid(std::vector<Byte> codes, std::size_t capacity = 10)
{
    static const texts::BuiltinTextSource texts;
    return DialogHarness(resources::characterGridTemplate(),
                         CharacterGrid(codes, capacity, texts, ui::LanguageState::BuiltinOnly));
}

void clickCode(DialogHarness& dialog, int code)
{
    dialog.modelAs<CharacterGrid>().clickCell(columnOf(code), rowOf(code));
}

TEST(CharacterGrid, EveryCodeHasTheNameOfItsClass)
{
    const std::vector<std::string> keys = {"",    "Ins", "Del", "Home", "End", "Up",  "Down", "Left",
                                           "BS",  "HT",  "LF",  "Right", "PgUp", "Enter", "PgDn", "F1",
                                           "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",
                                           "F10", "F11", "F12", "ESC", "Exec", "",    "",    ""};
    for (int code = 0; code < 256; ++code) {
        std::string expected;
        if (code < 32) {
            expected = keys[static_cast<std::size_t>(code)];
        } else if (code == 32) {
            expected = "SP";
        } else if (code == '&') {
            expected = "&&";
        } else if (code < 127) {
            expected = std::string(1, static_cast<char>(code));
        } else if (code == 127) {
            expected = "DEL";
        } else {
            expected = std::to_string(code);
        }
        EXPECT_EQ(codeName(static_cast<Byte>(code)), expected) << "code " << code;
        const bool isRefused = code == 0 || code == 10 || code == 13 || (code >= 29 && code <= 31);
        EXPECT_EQ(isChoosable(static_cast<Byte>(code)), !isRefused) << "code " << code;
        EXPECT_EQ(isGreyed(static_cast<Byte>(code)), isRefused && code != 29) << "code " << code;
    }
}

TEST(CharacterGrid, NamesOfACodeSequenceAndTheirDisplayForm)
{
    const std::vector<Byte> delEnter = {2, 13, 0, 65};
    EXPECT_EQ(codeNames(delEnter, 10).text, "Del Enter ");
    EXPECT_EQ(codeNames(delEnter, 10).count, 2U);
    const std::vector<Byte> full = {65, 66, 67};
    EXPECT_EQ(codeNames(full, 2).text, "A B ");
    EXPECT_EQ(displayForm(codeNames(std::vector<Byte>{'&', 'A'}, 10).text), "& A ");
    EXPECT_EQ(displayForm("&&&& "), "&&& "); // only the pair before the blank
}

TEST(CharacterGrid, ClicksAppendChoosableCodesUpToTheCapacity)
{
    DialogHarness dialog = openGrid({13, 0});
    EXPECT_EQ(dialog.text(CharacterGridId::ResultingText), "Enter "); // held codes stay
    for (const int refused : {0, 10, 13, 29, 30, 31}) {
        clickCode(dialog, refused);
    }
    dialog.modelAs<CharacterGrid>().clickCell(0, 5); // a header
    dialog.modelAs<CharacterGrid>().clickCell(17, 5); // outside
    EXPECT_EQ(dialog.modelAs<CharacterGrid>().codes(), std::vector<Byte>{13});
    for (int i = 0; i < 9; ++i) {
        clickCode(dialog, 'A' + i);
    }
    EXPECT_TRUE(dialog.host().warnings.empty());
    clickCode(dialog, 'Z');
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2853));
    EXPECT_EQ(dialog.modelAs<CharacterGrid>().codes().size(), 10U);
    EXPECT_EQ(dialog.modelAs<CharacterGrid>().currentColumn(), columnOf('Z')); // the highlight moves
    EXPECT_EQ(dialog.text(CharacterGridId::ResultingText), "Enter A B C D E F G H I ");
}

TEST(CharacterGrid, ClearEmptiesAndTheAmpersandShowsOnce)
{
    DialogHarness dialog = openGrid({65, 66});
    dialog.click(CharacterGridId::ClearButton);
    EXPECT_TRUE(dialog.modelAs<CharacterGrid>().codes().empty());
    clickCode(dialog, '&');
    EXPECT_EQ(dialog.text(CharacterGridId::ResultingText), "& ");
    EXPECT_EQ(dialog.modelAs<CharacterGrid>().resultingText(), "&& ");
    EXPECT_TRUE(dialog.ok());
}

} // namespace
} // namespace editor::settings
