// SPDX-License-Identifier: MIT
#include "texts/builtin_strings.h"

#include <gtest/gtest.h>

#include <set>

#include "texts/text_source.h"

namespace texts {
namespace {

TEST(BuiltinStrings, EveryIdHasOneTextInTheLanguageTableRange)
{
    std::set<int> seen;
    for (const auto table : {runtimeTableStrings(), programStrings()}) {
        for (const StringEntry& e : table) {
            EXPECT_TRUE(seen.insert(e.id).second) << "ID " << e.id << " has two texts";
            EXPECT_GE(e.id, 0);
            EXPECT_LE(e.id, MaxStringId) << "ID " << e.id;
        }
    }
}

TEST(BuiltinStrings, ProgramTextsFitTheLookupBufferUnpadded)
{
    // A lookup copies at most 159 characters of a built-in string.
    for (const StringEntry& e : programStrings()) {
        EXPECT_LT(e.text.size(), 160u) << "ID " << e.id;
    }
    EXPECT_EQ(builtinString(sid(2651)), "Save current program ?");
    EXPECT_EQ(builtinString(sid(1302)), "form  ");
    EXPECT_EQ(builtinString(sid(31)), "&New\tCtrl+N");
}

}  // namespace
}  // namespace texts
