// SPDX-License-Identifier: MIT
#include "ui/numeric_edit.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// The whole numeric-edit convention: what typing shows at once, and what finishing the edit
// leaves (the lower bound for a number below it, the fallback or the lower bound for text that
// is not a number, the last accepted text for a refused value).
TEST(NumericEdit, TypingAndFinishingFollowTheConvention)
{
    const NumericEditSpec fiveToNinetyNine = NumericEditSpec::range(5, 99);
    const NumericEditSpec withFallback = NumericEditSpec::range(2, 99).withFallback(1);
    const NumericEditSpec delimiter = NumericEditSpec::range(0, 255).refusing([](int v) { return v == 13; });
    const struct
    {
        const NumericEditSpec& spec;
        const char* typed;
        const char* shownWhileTyping;
        const char* shownWhenFinished;
        bool isRefused;
    } cases[] = {
        {fiveToNinetyNine, "30", "30", "30", false},
        {fiveToNinetyNine, "3", "3", "5", false},
        {fiveToNinetyNine, "150", "99", "99", false},
        {fiveToNinetyNine, "99999999999999999999", "99", "99", false},
        {fiveToNinetyNine, "07", "7", "7", false},
        {fiveToNinetyNine, "00", "0", "5", false},
        {fiveToNinetyNine, "0", "0", "5", false},
        {fiveToNinetyNine, "", "", "5", false},
        {fiveToNinetyNine, "ab", "ab", "5", false},
        {fiveToNinetyNine, "-7", "-7", "5", false},  // only plain digits are a number
        {fiveToNinetyNine, " 7", " 7", "5", false},
        {fiveToNinetyNine, "7a", "7a", "5", false},
        {fiveToNinetyNine, "042", "42", "42", false},
        {withFallback, "x", "x", "1", false},  // a fallback stands only for text that is not a number
        {withFallback, "", "", "1", false},
        {withFallback, "0", "0", "2", false},
        {delimiter, "13", "13", "44", true},
        {delimiter, "14", "14", "14", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + '"');
        EXPECT_EQ(correctWhileTyping(c.typed, c.spec), c.shownWhileTyping);
        const FinishedEdit finished = correctWhenFinished(c.typed, "44", c.spec);
        EXPECT_EQ(finished.text, c.shownWhenFinished);
        EXPECT_EQ(finished.isRefused, c.isRefused);
    }
}

} // namespace
} // namespace ui
