// SPDX-License-Identifier: MIT
#include "editor/forms/form_line_rules.h"
#include "editor/forms/form_msqi.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "project/defaults.h"
#include "project/form_rules.h"
#include "texts/text_source.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::lineCode;
using project::LineType;

TEST(TypeChangeResetsProperties, ResetsUnlessTheOldTypeHadTheSameProperties)
{
    const std::tuple<LineType, LineType, bool> cases[] = {
        {LineType::Text, LineType::Integer, false},        {LineType::Text, LineType::Alphameric, true},
        {LineType::Alphameric, LineType::Text, false},     {LineType::FixedData, LineType::Text, true},
        {LineType::Prompt, LineType::Lookup, true},        {LineType::Image, LineType::Lookup, false},
        {LineType::Lookup, LineType::FixedData, false},    {LineType::Image, LineType::Alphameric, false},
        {LineType::Integer, LineType::Image, true},        {LineType::FixedData, LineType::Prompt, true},
        {LineType::FixedData, LineType::FixedData, false}, {LineType::Nil, LineType::Text, false},
    };
    for (const auto& [from, to, resets] : cases) {
        SCOPED_TRACE(testing::Message() << int{lineCode(from)} << " -> " << int{lineCode(to)});
        EXPECT_EQ(typeChangeResetsProperties(lineCode(from), lineCode(to)), resets);
    }
    for (Byte old = 1; old < project::LineTypeCount; ++old) {
        EXPECT_TRUE(typeChangeResetsProperties(old, lineCode(LineType::Nil))) << "old type " << int{old};
    }
}

// Twelve variables in three groups without a lookup file; with one, twelve fields, and their
// "-field n" and "+field n" groups for numeric lines only.
TEST(LinkListEntries, VariablesWithoutLookupFileAndSignedFieldsOnlyForNumericLines)
{
    const texts::BuiltinTextSource texts;
    EXPECT_EQ(linkListEntries(texts, false, lineCode(LineType::Text))[13], "set v1");
    const auto signedFields = linkListEntries(texts, true, lineCode(LineType::Real));
    ASSERT_EQ(signedFields.size(), 37U);
    EXPECT_EQ(signedFields[12] + signedFields[13] + signedFields[27], "field 12-field 1+field 3");
    for (const LineType type : {LineType::Text, LineType::Lookup, LineType::Msqi}) {
        EXPECT_EQ(linkListEntries(texts, false, lineCode(type)).size(), 37U) << int{lineCode(type)};
        EXPECT_EQ(linkListEntries(texts, true, lineCode(type)).size(), 13U) << int{lineCode(type)};
    }
}

// Every link byte: with a lookup file, a line without signed fields folds "-field n" and
// "+field n" (13 to 36) onto "field n"; anything else, damaged links included, is kept.
TEST(FoldedLink, SignedFieldsFoldOntoPlainFieldsOnlyForNonNumericLinesWithAFile)
{
    for (const LineType type : {LineType::Text, LineType::Lookup, LineType::Integer, LineType::Real}) {
        const bool isSigned = type == LineType::Integer || type == LineType::Real;
        for (const bool hasLookupFile : {false, true}) {
            for (int link = 0; link <= 255; ++link) {
                const bool folds = hasLookupFile && !isSigned && link >= 13 && link <= 36;
                EXPECT_EQ(foldedLink(static_cast<Byte>(link), hasLookupFile, lineCode(type)),
                          folds ? (link - 1) % 12 + 1 : link)
                    << "link " << link << " type " << int{lineCode(type)} << " file " << hasLookupFile;
            }
        }
    }
}

TEST(EffectiveLinkType, UsedLinesBelowLine2OfAnMsqiFormLinkAsLookup)
{
    project::FormDef form{};
    project::resetForm(form, 1, texts::BuiltinTextSource{});
    form.msqiEnabled = 1;
    form.lineType[1] = lineCode(LineType::Msqi);
    form.lineType[4] = lineCode(LineType::Integer);
    EXPECT_EQ(effectiveLinkType(form, 1), lineCode(LineType::Msqi));
    EXPECT_EQ(effectiveLinkType(form, 4), lineCode(LineType::Lookup));
    EXPECT_EQ(effectiveLinkType(form, 5), lineCode(LineType::Nil));
}

// An MSQI form (form 4) arranged over lookup files whose first has three fields, the key in field 2.
class ArrangeMsqiForm : public ::testing::Test
{
protected:
    ArrangeMsqiForm()
    {
        project::resetForm(m_form, 4, texts::BuiltinTextSource{});
        m_form.msqiEnabled = 1;
        m_lookups[0].numFields = 3;
        m_lookups[0].keyField = 1;
    }

    void arrange(bool isRfidReaderOn = false) { arrangeMsqiForm(m_form, 3, m_lookups, isRfidReaderOn); }

    project::FormDef m_form{};
    LookupSet m_lookups{};
};

// Lookup file 1 has three fields with the key in field 2, file 2 has none, 8 is no file at all.
TEST_F(ArrangeMsqiForm, Line5KeepsOnlyALookupTypeAndOnlyWithALookupFile)
{
    const std::tuple<Byte, LineType, LineType, Byte> cases[] = {
        {1, LineType::Integer, LineType::Nil, 2},  // the commit clears a nil line's link
        {1, LineType::Lookup, LineType::Lookup, 2},
        {0, LineType::Lookup, LineType::Nil, 0},
        {8, LineType::Lookup, LineType::Nil, 0},
    };
    for (const auto& [lookupFile, line5, arranged, link] : cases) {
        SCOPED_TRACE(testing::Message() << "file " << int{lookupFile} << " type " << int{lineCode(line5)});
        m_form.lookupFile = lookupFile;
        m_form.lineType[4] = lineCode(line5);
        m_form.lookupLink[4] = 2;
        arrange();
        EXPECT_EQ(m_form.lineType[4], lineCode(arranged));
        EXPECT_EQ(m_form.lookupLink[4], link);
        EXPECT_EQ(m_form.lookupFile, lookupFile);
    }
}

TEST_F(ArrangeMsqiForm, Line1IsTextLinkedToTheKeyFieldOfAFileWithFields)
{
    const Byte expectedLinks[] = {0, 2, 0, 0, 0, 0, 0, 0, 0};  // by lookup file 0 to 8
    for (Byte file = 0; file <= 8; ++file) {
        SCOPED_TRACE(testing::Message() << "file " << int{file});
        m_form.lookupFile = file;
        m_form.lookupLink[0] = 5;
        arrange();
        EXPECT_EQ(m_form.lineType[0], lineCode(LineType::Text));
        EXPECT_EQ(m_form.lookupLink[0], expectedLinks[file]);
    }
}

TEST_F(ArrangeMsqiForm, FormLevelValuesAreFixedAndLine2GetsAnInitialQuantityOnlyWhenItHasNone)
{
    m_form.recordAction = 2;
    m_form.indexLine = 3;
    m_form.nextTarget = 9;
    arrange();
    EXPECT_EQ((std::array{m_form.recordAction, m_form.indexLine, m_form.nextTarget}), (std::array<Byte, 3>{0, 0, 4}));
    EXPECT_EQ(m_form.lineType[1], lineCode(LineType::Msqi));
    EXPECT_EQ(m_form.initialValueOn[1], 1);
    EXPECT_EQ(m_form.initialValue[1].str(), "0");

    m_form.initialValue[1].assign("5");
    arrange();
    EXPECT_EQ(m_form.initialValue[1].str(), "5");
}

}  // namespace
}  // namespace editor::forms
