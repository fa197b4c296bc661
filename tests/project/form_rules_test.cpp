// SPDX-License-Identifier: MIT
#include "project/form_rules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <utility>

#include "support/project_fixtures.h"

namespace project {
namespace {

Byte t(LineType type) { return lineCode(type); }

// Classes that depend on the type code alone; codes above 16 can come from a file and belong
// to no class.
TEST(FormRules, TypeClassesLeaveOutTheirExceptionsAndUnknownCodes)
{
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(c);
        const auto type = static_cast<Byte>(c);
        const bool known = c < LineTypeCount;
        EXPECT_EQ(isKeyedInput(type), (c >= 1 && c <= 6) || c == 14);
        EXPECT_EQ(isPrompted(type), known && c != 0 && c != 12 && c != 16);
        EXPECT_EQ(hasProperties(type), known && c != 0 && (c < 9 || c > 13));
        EXPECT_EQ(isContinuedByExtension(type), (c >= 1 && c <= 6) || c == 11 || c == 14 || c == 16);
        if (!known) {
            EXPECT_FALSE(isLengthLimited(type, 1));
            EXPECT_FALSE(isLinkable(type, 1));
            EXPECT_FALSE(countsAsInput(type, 1));
        }
    }
}

TEST(FormRules, ImageAndLookupClassesDependOnTheirSwitch)
{
    EXPECT_FALSE(isLengthLimited(t(LineType::Image), 0));
    EXPECT_TRUE(isLengthLimited(t(LineType::Image), 1));
    EXPECT_FALSE(countsAsInput(t(LineType::Image), 0));
    EXPECT_TRUE(countsAsInput(t(LineType::Image), 1));
    EXPECT_TRUE(isLengthLimited(t(LineType::Msqi), 0));
    EXPECT_FALSE(isLengthLimited(t(LineType::Boolean), 0));
    EXPECT_FALSE(isLengthLimited(t(LineType::Lookup), 0));
    // A pause counts as input but takes no keys.
    EXPECT_TRUE(countsAsInput(t(LineType::Pause), 0));
    EXPECT_FALSE(countsAsInput(t(LineType::Counter), 0));
    EXPECT_FALSE(countsAsInput(t(LineType::FixedData), 0));
    // Lookup and image lines are linkable only with a lookup file 1 to 5.
    EXPECT_FALSE(isLinkable(t(LineType::Lookup), 0));
    EXPECT_TRUE(isLinkable(t(LineType::Lookup), 3));
    EXPECT_TRUE(isLinkable(t(LineType::Image), 5));
    EXPECT_FALSE(isLinkable(t(LineType::Image), 6));
    EXPECT_TRUE(isLinkable(t(LineType::Integer), 0));
    EXPECT_TRUE(isLinkable(t(LineType::Msqi), 0));
    EXPECT_FALSE(isLinkable(t(LineType::FixedData), 2));
}

TEST(FormRules, FormOverloadsReadTheLineSlot)
{
    auto p = testing_support::startedProject();
    FormDef& form = p->form(1);
    form.lineType[14] = t(LineType::Image);
    form.imageEditPath[14] = 1;
    form.lineType[2] = t(LineType::Lookup);
    form.lookupFile = 2;
    EXPECT_TRUE(countsAsInput(form, 14));
    EXPECT_TRUE(isLengthLimited(form, 14));
    EXPECT_TRUE(isLinkable(form, 2));
    EXPECT_FALSE(isKeyedInput(form, 0));
}

TEST(FormRules, OutOfRangeLookupFileAndFieldCountAreBounded)
{
    EXPECT_EQ(effectiveLookupFile(Byte{0}), 0);
    EXPECT_EQ(effectiveLookupFile(Byte{5}), 5);
    EXPECT_EQ(effectiveLookupFile(Byte{6}), 0);
    EXPECT_EQ(effectiveLookupFile(Byte{255}), 0);
    LookupDef lookup{};
    lookup.numFields = 12;
    EXPECT_EQ(lookupFieldCount(lookup), 12);
    lookup.numFields = 200;
    EXPECT_EQ(lookupFieldCount(lookup), 15);
}

TEST(FormRules, CommittedDataLengthAddsOnlySwitchedOnPartsUpTo255)
{
    auto p = testing_support::startedProject();
    FormDef& form = p->form(1);
    form.fixedLength[0] = 12;
    form.prefix[0].assign("AB");
    form.suffix[0].assign("XYZ");
    EXPECT_EQ(committedDataLength(form, 0), 0);
    form.fixedLengthOn[0] = 1;
    EXPECT_EQ(committedDataLength(form, 0), 12);
    form.prefixOn[0] = 1;
    form.suffixOn[0] = 1;
    EXPECT_EQ(committedDataLength(form, 0), 17);

    form.fixedLength[0] = 250;
    form.prefix[0].assign("0123456789");
    EXPECT_EQ(committedDataLength(form, 0), 255) << "kept at 255 instead of wrapping";
}

// Form 4 uses lookup file 2; every line is a "lookup" line of length 99.
class LookupLengthUpdate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LookupDef& lookup = p->lookup(2);
        lookup.numFields = 3;
        lookup.fieldLength[0] = 8;
        lookup.fieldLength[1] = 0;
        lookup.fieldLength[2] = 200;
        lookup.fieldLength[14] = 33;
        form.lookupFile = 2;
        for (std::size_t i = 0; i < LineSlots; ++i) {
            form.lineType[i] = t(LineType::Lookup);
            form.maxLength[i] = 99;
        }
    }

    void update() { updateLookupLengths(p->forms, p->lookups); }

    std::unique_ptr<Project> p = testing_support::startedProject();
    FormDef& form = p->form(4);
};

TEST_F(LookupLengthUpdate, LookupLineTakesItsLinkedFieldLengthOr160)
{
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
    form.lookupLink[14] = 15;  // the last slot and the last field
    update();
    for (std::size_t i = 0; i < std::size(linkAndLength); ++i) {
        EXPECT_EQ(form.maxLength[i], linkAndLength[i].second) << "link " << int(linkAndLength[i].first);
    }
    EXPECT_EQ(form.maxLength[14], 33);
}

TEST_F(LookupLengthUpdate, OtherLineTypesAndFormsWithoutLookupFileKeepTheirLengths)
{
    form.lineType[5] = t(LineType::Text);
    form.lookupLink[5] = 1;
    p->form(5).lineType[0] = t(LineType::Lookup);
    p->form(5).maxLength[0] = 42;
    update();
    EXPECT_EQ(form.maxLength[5], 99);
    EXPECT_EQ(p->form(5).maxLength[0], 42);

    form.lookupFile = 9;  // above five: reads no lookup record
    form.lookupLink[0] = 1;
    form.maxLength[0] = 99;
    update();
    EXPECT_EQ(form.maxLength[0], 99);
    EXPECT_EQ(form.lookupFile, 9);
}

}  // namespace
}  // namespace project
