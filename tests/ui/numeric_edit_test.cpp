// SPDX-License-Identifier: MIT
#include "ui/numeric_edit.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

const NumericEditSpec fiveToNinetyNine = NumericEditSpec::range(5, 99);

TEST(NumericEdit, ParsesOnlyPlainDigits)
{
    EXPECT_EQ(parseUnsigned("042"), 42);
    EXPECT_EQ(parseUnsigned(""), std::nullopt);
    EXPECT_EQ(parseUnsigned("-1"), std::nullopt);
    EXPECT_EQ(parseUnsigned(" 1"), std::nullopt);
    EXPECT_EQ(parseUnsigned("1a"), std::nullopt);
}

TEST(NumericEdit, HugeNumbersReadAsAboveEveryBound)
{
    EXPECT_EQ(correctWhileTyping("99999999999999999999", fiveToNinetyNine), "99");
}

TEST(NumericEdit, TypingKeepsValuesBelowTheLowerBound)
{
    EXPECT_EQ(correctWhileTyping("3", fiveToNinetyNine), "3");
    EXPECT_EQ(correctWhileTyping("30", fiveToNinetyNine), "30");
}

TEST(NumericEdit, TypingClampsAboveTheUpperBound)
{
    EXPECT_EQ(correctWhileTyping("150", fiveToNinetyNine), "99");
}

TEST(NumericEdit, TypingRemovesLeadingZeros)
{
    EXPECT_EQ(correctWhileTyping("07", fiveToNinetyNine), "7");
    EXPECT_EQ(correctWhileTyping("00", fiveToNinetyNine), "0");
    EXPECT_EQ(correctWhileTyping("0", fiveToNinetyNine), "0");
}

TEST(NumericEdit, TypingLeavesTextThatIsNotANumberForLater)
{
    EXPECT_EQ(correctWhileTyping("", fiveToNinetyNine), "");
    EXPECT_EQ(correctWhileTyping("ab", fiveToNinetyNine), "ab");
}

TEST(NumericEdit, FinishingAppliesLowerBoundAndFallback)
{
    EXPECT_EQ(correctWhenFinished("0", "10", fiveToNinetyNine).text, "5");
    EXPECT_EQ(correctWhenFinished("", "10", fiveToNinetyNine).text, "5");
    EXPECT_EQ(correctWhenFinished("abc", "10", fiveToNinetyNine).text, "5");
    EXPECT_EQ(correctWhenFinished("30", "10", fiveToNinetyNine).text, "30");
}

TEST(NumericEdit, FinishingUsesTheGivenFallbackOnlyForTextThatIsNotANumber)
{
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
