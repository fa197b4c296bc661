// SPDX-License-Identifier: MIT
#include "texts/builtin_strings.h"

#include <gtest/gtest.h>

#include <set>

#include "texts/text_source.h"

namespace texts {
namespace {

// A lookup copies at most 159 characters of a built-in program text.
TEST(BuiltinStrings, EveryIdHasOneTextInTheTableRangeAndProgramTextsFitTheLookupBuffer)
{
    std::set<int> seen;
    for (const auto table : {runtimeTableStrings(), programStrings()}) {
        for (const StringEntry& e : table) {
            EXPECT_TRUE(seen.insert(e.id).second) << "ID " << e.id << " has two texts";
            EXPECT_GE(e.id, 0);
            EXPECT_LE(e.id, MaxStringId) << "ID " << e.id;
        }
    }
    for (const StringEntry& e : programStrings()) {
        EXPECT_LT(e.text.size(), 160u) << "ID " << e.id;
    }
}

}  // namespace
}  // namespace texts
