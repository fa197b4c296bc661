// SPDX-License-Identifier: MIT
#include "editor/target_list.h"

#include <gtest/gtest.h>

#include "editor/number_texts.h"
#include "texts/text_source.h"

namespace editor {
namespace {

TEST(TargetList, PositionIsTheTargetCode)
{
    const auto entries = targetListEntries(texts::BuiltinTextSource());
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries[0], "main");
    EXPECT_EQ(entries[1], "form  1");
    EXPECT_EQ(entries[20], "form  20");
    EXPECT_EQ(entries[21], "menu  1");
    EXPECT_EQ(entries[30], "menu  10");
}

TEST(TargetList, MenuChooserListsTenMenus)
{
    const auto entries = menuListEntries(texts::BuiltinTextSource());
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries.front(), "menu  1");
    EXPECT_EQ(entries.back(), "menu  10");
}

TEST(NumberTexts, OneTo20AsPlainDecimalsAndNothingOutside)
{
    EXPECT_EQ(numberText(1), "1");
    EXPECT_EQ(numberText(9), "9");
    EXPECT_EQ(numberText(20), "20");
    EXPECT_EQ(numberText(0), "");
    EXPECT_EQ(numberText(21), "");
}

} // namespace
} // namespace editor
