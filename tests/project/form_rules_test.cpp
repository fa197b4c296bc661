// SPDX-License-Identifier: MIT
#include "project/form_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

#include "support/project_fixtures.h"

namespace project {
namespace {

Byte t(LineType type) { return lineCode(type); }

// Every type class over every type code, with the image line's edit-path flag off and on and
// without and with a lookup file, read through the last line slot. Column c of a row is code c;
// codes above 16 can come from a file and belong to no class.
TEST(FormRules, TypeClassesOfEveryCodeImageFlagAndLookupFile)
{
    struct Row
    {
        const char* name;
        bool (*inClass)(const FormDef&, int);
        const char* members[2][2];  // [imageEditPath][has a lookup file]; codes 0 to 16
    };
    const char* keyed = "01111110000000100";
    const char* prompted = "01111111111101110";
    const char* properties = "01111111100000111";
    const char* continued = "01111110000100101";
    const Row rows[] = {
        {"keyed input", isKeyedInput, {{keyed, keyed}, {keyed, keyed}}},
        {"length-limited",
         isLengthLimited,
         {{"01111100000000101", "01111100000000101"}, {"01111100000000111", "01111100000000111"}}},
        {"linkable",
         isLinkable,
         {{"01111110000000101", "01111111000000111"}, {"01111110000000101", "01111111000000111"}}},
        {"prompted", isPrompted, {{prompted, prompted}, {prompted, prompted}}},
        {"with properties", hasProperties, {{properties, properties}, {properties, properties}}},
        {"continued by extension", isContinuedByExtension, {{continued, continued}, {continued, continued}}},
        {"counted as input",
         countsAsInput,
         {{"01111110000001101", "01111110000001101"}, {"01111110000001111", "01111110000001111"}}},
    };
    FormDef form{};
    const int last = LineSlots - 1;
    for (const Row& row : rows) {
        for (int c = 0; c < 256; ++c) {
            for (Byte flag = 0; flag <= 1; ++flag) {
                for (const Byte lookupFile : {Byte{0}, Byte{5}}) {
                    SCOPED_TRACE(testing::Message() << row.name << ", code " << c << ", imageEditPath " << int{flag}
                                                    << ", lookup file " << int{lookupFile});
                    form.lineType[last] = static_cast<Byte>(c);
                    form.imageEditPath[last] = flag;
                    form.lookupFile = lookupFile;
                    const bool expected = c < LineTypeCount && row.members[flag][lookupFile != 0][c] == '1';
                    EXPECT_EQ(row.inClass(form, last), expected);
                }
            }
        }
    }
    form.lineType[last] = t(LineType::Image);
    form.lookupFile = 6;  // above five: no lookup file
    EXPECT_FALSE(isLinkable(form, last));
}

TEST(FormRules, OutOfRangeLookupFileAndFieldCountAreBounded)
{
    LookupDef lookup{};
    for (int value = 0; value < 256; ++value) {
        SCOPED_TRACE(value);
        EXPECT_EQ(effectiveLookupFile(static_cast<Byte>(value)), value <= 5 ? value : 0);
        lookup.numFields = static_cast<Byte>(value);
        EXPECT_EQ(lookupFieldCount(lookup), std::min(value, 15));
    }
}

// Form 4 uses lookup file 2; every line is a "lookup" line of length 99.
TEST(FormRules, OnlyLookupLinesTakeTheirLinkedFieldLengthOr160)
{
    auto p = testing_support::startedProject();
    const auto update = [&] { updateLookupLengths(p->forms, p->lookups); };
    p->lookup(2).numFields = 3;
    p->lookup(2).fieldLength = {8, 0, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 33};
    FormDef& form = p->form(4);
    form.lookupFile = 2;
    form.lineType.fill(t(LineType::Lookup));
    form.maxLength.fill(99);
    const std::pair<Byte, Byte> linkAndLength[] = {
        {1, 8},     {3, 200},  // the terminal takes field lengths as they are
        {2, 160},              // field of length 0
        {0, 160},              // no link
        {16, 160},             // not a field slot
        {255, 160},
    };
    for (std::size_t i = 0; i < std::size(linkAndLength); ++i) {
        form.lookupLink[i] = linkAndLength[i].first;
    }
    form.lookupLink[14] = 15;               // the last slot and the last field
    form.lineType[13] = t(LineType::Text);  // other line types keep their lengths
    form.lookupLink[13] = 1;
    p->form(5).lineType[0] = t(LineType::Lookup);  // as do forms without a lookup file
    p->form(5).maxLength[0] = 42;
    update();
    for (std::size_t i = 0; i < std::size(linkAndLength); ++i) {
        EXPECT_EQ(form.maxLength[i], linkAndLength[i].second) << "link " << int(linkAndLength[i].first);
    }
    EXPECT_EQ(form.maxLength[13], 99);
    EXPECT_EQ(form.maxLength[14], 33);
    EXPECT_EQ(p->form(5).maxLength[0], 42);

    form.lookupFile = 9;  // above five: reads no lookup record
    form.maxLength[0] = 99;
    update();
    EXPECT_EQ(form.maxLength[0], 99);
    EXPECT_EQ(form.lookupFile, 9);
}

}  // namespace
}  // namespace project
