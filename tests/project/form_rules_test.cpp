// SPDX-License-Identifier: MIT
#include "project/form_rules.h"

#include <gtest/gtest.h>

#include <memory>

#include "project/defaults.h"
#include "texts/text_source.h"

namespace project {
namespace {

Byte t(LineType type) { return lineCode(type); }

std::unique_ptr<Project> newProject()
{
    auto p = std::make_unique<Project>(zeroProject());
    resetProject(*p, texts::BuiltinTextSource{}, Model::Q720CE);
    return p;
}

TEST(FormRules, KeyedInputIsTextToBooleanAndAlphameric)
{
    for (int c = 0; c < 256; ++c) {
        const bool expected = (c >= 1 && c <= 6) || c == 14;
        EXPECT_EQ(isKeyedInput(static_cast<Byte>(c)), expected) << "type " << c;
    }
}

TEST(FormRules, ImageIsLengthLimitedAndInputOnlyWithEditPath)
{
    EXPECT_FALSE(isLengthLimited(t(LineType::Image), 0));
    EXPECT_TRUE(isLengthLimited(t(LineType::Image), 1));
    EXPECT_FALSE(countsAsInput(t(LineType::Image), 0));
    EXPECT_TRUE(countsAsInput(t(LineType::Image), 1));
    EXPECT_TRUE(isLengthLimited(t(LineType::Msqi), 0));
    EXPECT_FALSE(isLengthLimited(t(LineType::Boolean), 0));
    EXPECT_FALSE(isLengthLimited(t(LineType::Lookup), 0));
}

TEST(FormRules, PauseCountsAsInputButTakesNoKeys)
{
    EXPECT_TRUE(countsAsInput(t(LineType::Pause), 0));
    EXPECT_FALSE(isKeyedInput(t(LineType::Pause)));
    EXPECT_FALSE(countsAsInput(t(LineType::Counter), 0));
    EXPECT_FALSE(countsAsInput(t(LineType::FixedData), 0));
}

TEST(FormRules, LookupAndImageLinesAreLinkableOnlyWithALookupFile)
{
    EXPECT_FALSE(isLinkable(t(LineType::Lookup), 0));
    EXPECT_TRUE(isLinkable(t(LineType::Lookup), 3));
    EXPECT_TRUE(isLinkable(t(LineType::Image), 5));
    EXPECT_FALSE(isLinkable(t(LineType::Image), 6));
    EXPECT_TRUE(isLinkable(t(LineType::Integer), 0));
    EXPECT_TRUE(isLinkable(t(LineType::Msqi), 0));
    EXPECT_FALSE(isLinkable(t(LineType::FixedData), 2));
}

TEST(FormRules, PromptAndPropertyClassesLeaveOutTheirExceptions)
{
    for (int c = 0; c < LineTypeCount; ++c) {
        const auto type = static_cast<Byte>(c);
        EXPECT_EQ(isPrompted(type), c != 0 && c != 12 && c != 16) << "type " << c;
        EXPECT_EQ(hasProperties(type), c != 0 && (c < 9 || c > 13)) << "type " << c;
        EXPECT_EQ(isContinuedByExtension(type), (c >= 1 && c <= 6) || c == 11 || c == 14 || c == 16)
            << "type " << c;
    }
}

TEST(FormRules, UnknownTypeCodesBelongToNoClass)
{
    const Byte unknown = 17;
    EXPECT_FALSE(isKeyedInput(unknown));
    EXPECT_FALSE(isLengthLimited(unknown, 1));
    EXPECT_FALSE(isLinkable(unknown, 1));
    EXPECT_FALSE(isPrompted(unknown));
    EXPECT_FALSE(hasProperties(unknown));
    EXPECT_FALSE(isContinuedByExtension(unknown));
    EXPECT_FALSE(countsAsInput(unknown, 1));
}

TEST(FormRules, FormOverloadsReadTheLineSlot)
{
    auto p = newProject();
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

TEST(FormRules, LookupFileAboveFiveCountsAsNone)
{
    EXPECT_EQ(effectiveLookupFile(Byte{0}), 0);
    EXPECT_EQ(effectiveLookupFile(Byte{5}), 5);
    EXPECT_EQ(effectiveLookupFile(Byte{6}), 0);
    EXPECT_EQ(effectiveLookupFile(Byte{255}), 0);
}

TEST(FormRules, LookupFieldCountStopsAtFifteenSlots)
{
    LookupDef lookup{};
    lookup.numFields = 12;
    EXPECT_EQ(lookupFieldCount(lookup), 12);
    lookup.numFields = 200;
    EXPECT_EQ(lookupFieldCount(lookup), 15);
}

TEST(FormRules, CommittedDataLengthAddsOnlySwitchedOnParts)
{
    auto p = newProject();
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
}

TEST(FormRules, CommittedDataLengthIsKeptAt255InsteadOfWrapping)
{
    auto p = newProject();
    FormDef& form = p->form(1);
    form.fixedLengthOn[3] = 1;
    form.fixedLength[3] = 250;
    form.prefixOn[3] = 1;
    form.prefix[3].assign("0123456789");
    EXPECT_EQ(committedDataLength(form, 3), 255);
}

class LookupLengthUpdate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        p = newProject();
        LookupDef& lookup = p->lookup(2);
        lookup.numFields = 3;
        lookup.fieldLength[0] = 8;
        lookup.fieldLength[1] = 0;
        lookup.fieldLength[2] = 200;
        lookup.fieldLength[14] = 33;
        FormDef& form = p->form(4);
        form.lookupFile = 2;
        for (std::size_t i = 0; i < LineSlots; ++i) {
            form.lineType[i] = t(LineType::Lookup);
            form.maxLength[i] = 99;
        }
    }

    std::unique_ptr<Project> p;
};

TEST_F(LookupLengthUpdate, LookupLineTakesItsLinkedFieldLength)
{
    p->form(4).lookupLink[0] = 1;
    p->form(4).lookupLink[1] = 3;
    updateLookupLengths(p->forms, p->lookups);
    EXPECT_EQ(p->form(4).maxLength[0], 8);
    EXPECT_EQ(p->form(4).maxLength[1], 200);  // the terminal takes field lengths as they are
}

TEST_F(LookupLengthUpdate, EmptyFieldOrMissingLinkGives160)
{
    FormDef& form = p->form(4);
    form.lookupLink[0] = 2;   // field of length 0
    form.lookupLink[1] = 0;   // no link
    form.lookupLink[2] = 16;  // not a field slot
    form.lookupLink[3] = 255;
    updateLookupLengths(p->forms, p->lookups);
    EXPECT_EQ(form.maxLength[0], 160);
    EXPECT_EQ(form.maxLength[1], 160);
    EXPECT_EQ(form.maxLength[2], 160);
    EXPECT_EQ(form.maxLength[3], 160);
}

TEST_F(LookupLengthUpdate, CoversAllFifteenSlotsAndFieldFifteen)
{
    p->form(4).lookupLink[14] = 15;
    updateLookupLengths(p->forms, p->lookups);
    EXPECT_EQ(p->form(4).maxLength[14], 33);
}

TEST_F(LookupLengthUpdate, OtherLineTypesAndFormsWithoutLookupFileKeepTheirLengths)
{
    p->form(4).lineType[5] = t(LineType::Text);
    p->form(4).lookupLink[5] = 1;
    p->form(5).lineType[0] = t(LineType::Lookup);
    p->form(5).maxLength[0] = 42;
    updateLookupLengths(p->forms, p->lookups);
    EXPECT_EQ(p->form(4).maxLength[5], 99);
    EXPECT_EQ(p->form(5).maxLength[0], 42);
}

TEST_F(LookupLengthUpdate, LookupFileAboveFiveReadsNoLookupRecord)
{
    p->form(4).lookupFile = 9;
    p->form(4).lookupLink[0] = 1;
    updateLookupLengths(p->forms, p->lookups);
    EXPECT_EQ(p->form(4).maxLength[0], 99);
    EXPECT_EQ(p->form(4).lookupFile, 9);
}

}  // namespace
}  // namespace project
