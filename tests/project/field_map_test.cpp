// SPDX-License-Identifier: MIT
#include "project/field_map.h"

#include <gtest/gtest.h>

#include <set>

#include "project/records.h"

namespace project {
namespace {

std::vector<const RecordSpec*> allSpecs()
{
    return {&menuSpec(), &formSpec(), &lookupSpec(), &readerSpec(), &deviceSpec(), &transactionSpec()};
}

// Every byte of a record belongs to exactly one uniquely named field or column slot, or export
// and import would lose, duplicate or confuse it.
TEST(RecordSpecs, UniquelyNamedFieldsAndColumnsCoverEveryByteExactlyOnce)
{
    for (const RecordSpec* spec : allSpecs()) {
        std::vector<int> claims(spec->bytes, 0);
        std::set<std::string_view> names;
        const auto claim = [&](const FieldSpec& f, std::size_t span) {
            EXPECT_TRUE(names.insert(f.name).second) << spec->name << "." << f.name;
            ASSERT_LE(f.offset + span, spec->bytes) << spec->name << "." << f.name;
            for (std::size_t i = 0; i < span; ++i) {
                ++claims[f.offset + i];
            }
        };
        for (const FieldSpec& f : complete(*spec).fields) {
            claim(f, f.bytes);
        }
        for (const FieldSpec& c : spec->columns) {
            claim(c, c.bytes * static_cast<std::size_t>(spec->slotCount));
        }
        for (std::size_t i = 0; i < spec->bytes; ++i) {
            EXPECT_EQ(claims[i], 1) << spec->name << " byte " << i;
        }
    }
}

}  // namespace
}  // namespace project
