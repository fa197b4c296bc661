// SPDX-License-Identifier: MIT
#include "ui/numeric_edit.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

const NumericEditSpec fiveToNinetyNine = NumericEditSpec::range(5, 99);

TEST(NumericEdit, ParsesOnlyPlainDigits)
{
    EXPECT_EQ(parseUnsigned("042"), 42);
    for (const char* text : {"", "-1", " 1", "1a"}) {
        EXPECT_EQ(parseUnsigned(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(NumericEdit, TypingClampsAboveTheRangeDropsLeadingZerosAndLeavesTheRestForLater)
{
    const std::pair<const char*, const char*> cases[] = {
        {"30", "30"}, {"3", "3"},   {"150", "99"}, {"99999999999999999999", "99"}, {"07", "7"},
        {"00", "0"},  {"0", "0"},   {"", ""},      {"ab", "ab"},
    };
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(correctWhileTyping(typed, fiveToNinetyNine), shown) << "typed \"" << typed << '"';
    }
}

TEST(NumericEdit, FinishingAppliesTheLowerBoundOrTheFallback)
{
    for (const char* typed : {"0", "", "abc"}) {
        EXPECT_EQ(correctWhenFinished(typed, "10", fiveToNinetyNine).text, "5") << "typed \"" << typed << '"';
    }
    EXPECT_EQ(correctWhenFinished("30", "10", fiveToNinetyNine).text, "30");

    // A given fallback stands only for text that is not a number.
    const NumericEditSpec spec = NumericEditSpec::range(2, 99).withFallback(1);
    EXPECT_EQ(correctWhenFinished("x", "", spec).text, "1");
    EXPECT_EQ(correctWhenFinished("0", "", spec).text, "2");
}

TEST(NumericEdit, FinishingARefusedValueBringsBackTheLastAcceptedText)
{
    const NumericEditSpec delimiter = NumericEditSpec::range(0, 255).refusing([](int v) { return v == 13; });
    const FinishedEdit finished = correctWhenFinished("13", "44", delimiter);
    EXPECT_TRUE(finished.isRefused);
    EXPECT_EQ(finished.text, "44");
    EXPECT_FALSE(correctWhenFinished("14", "44", delimiter).isRefused);
}

} // namespace
} // namespace ui
