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

// Uninterpreted bytes are named after their offset.
TEST(RecordSpecs, NamesAtOffsetsAgreeWithTheRecords)
{
    const struct
    {
        const RecordSpec& spec;
        std::size_t offset;
        const char* name;
    } cases[] = {
        {formSpec(), offsetof(FormDef, maxLength) + 2, "lines[2].maxLength"},
        {menuSpec(), offsetof(MenuDef, itemNext) + 14, "items[14].next"},
        {lookupSpec(), offsetof(LookupDef, fieldLength) + 11, "fields[11].length"},
        {deviceSpec(), offsetof(DeviceSettings, modelStamp), "modelStamp"},
        {transactionSpec(), offsetof(TransactionFileSettings, saveMode), "saveMode"},
        {readerSpec(), ReaderByte::VibratorCopy, "vibratorCopy"},
        {formSpec(), 1600, "bytes1533+67"},
        {readerSpec(), 90, "bytes84+6"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fieldAt(c.spec, c.offset), c.name) << c.spec.name << " byte " << c.offset;
    }
}

}  // namespace
}  // namespace project
