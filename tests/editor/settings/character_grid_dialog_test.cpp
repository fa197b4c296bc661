// SPDX-License-Identifier: MIT
#include "editor/settings/character_grid_dialog.h"

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
    return DialogHarness(resources::characterGridTemplate,
                         CharacterGridDialog(codes, capacity, texts, ui::LanguageState::BuiltinOnly));
}

void clickCode(DialogHarness& dialog, int code)
{
    dialog.modelAs<CharacterGridDialog>().clickCell(columnOf(code), rowOf(code));
}

TEST(CharacterGridDialog, ClicksAppendChoosableCodesUpToTheCapacity)
{
    DialogHarness dialog = openGrid({13, 0});
    EXPECT_EQ(dialog.text(CharacterGridId::ResultingText), "Enter "); // held codes stay
    for (const int refused : {0, 10, 13, 29, 30, 31}) {
        clickCode(dialog, refused);
    }
    dialog.modelAs<CharacterGridDialog>().clickCell(0, 5);   // a header
    dialog.modelAs<CharacterGridDialog>().clickCell(17, 5);  // outside
    EXPECT_EQ(dialog.modelAs<CharacterGridDialog>().codes(), std::vector<Byte>{13});
    for (int i = 0; i < 9; ++i) {
        clickCode(dialog, 'A' + i);
    }
    EXPECT_TRUE(dialog.host().warnings.empty());
    clickCode(dialog, 'Z');
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2853));
    EXPECT_EQ(dialog.modelAs<CharacterGridDialog>().codes().size(), 10U);
    EXPECT_EQ(dialog.modelAs<CharacterGridDialog>().currentColumn(), columnOf('Z'));  // the highlight moves
    EXPECT_EQ(dialog.text(CharacterGridId::ResultingText), "Enter A B C D E F G H I ");
}

} // namespace
} // namespace editor::settings
