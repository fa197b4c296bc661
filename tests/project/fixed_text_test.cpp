// SPDX-License-Identifier: MIT
#include "project/fixed_text.h"

#include <gtest/gtest.h>

namespace {

// A slot without NUL reads at most its width; assign cuts and terminates but keeps the bytes
// behind the NUL.
TEST(FixedText, ReadsAtMostItsWidthAndAssignKeepsTheBytesBehindTheNul)
{
    project::FixedText<5> slot;
    slot.bytes.fill('x');
    EXPECT_EQ(slot.view(), "xxxxx");
    EXPECT_EQ(slot.length(), 5u);
    slot.assign("abcdefgh");
    EXPECT_EQ(slot.view(), "abcde");
    EXPECT_EQ(slot.bytes[5], 0);
    slot.bytes.fill('x');
    slot.assign("ab");
    EXPECT_EQ(slot.view(), "ab");
    EXPECT_EQ(slot.bytes[2], 0);
    EXPECT_EQ(slot.bytes[3], 'x');
    EXPECT_EQ(slot.bytes[5], 'x');
}

}  // namespace
