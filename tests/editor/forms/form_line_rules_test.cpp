// SPDX-License-Identifier: MIT
#include "editor/forms/form_line_rules.h"

#include <gtest/gtest.h>

#include "project/defaults.h"
#include "texts/text_source.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::LineType;

constexpr Byte code(LineType type)
{
    return static_cast<Byte>(type);
}

project::FormDef freshForm()
{
    project::FormDef form{};
    project::resetForm(form, 1, texts::BuiltinTextSource{});
    return form;
}

TEST(ReadTypedLength, LeadingZerosAreRemoved)
{
    const TypedLength typed = readTypedLength("007");
    EXPECT_EQ(typed.value, 7);
    EXPECT_EQ(typed.rewrittenText, "7");
}

TEST(ReadTypedLength, ValuesAbove160Become160)
{
    const TypedLength typed = readTypedLength("200");
    EXPECT_EQ(typed.value, 160);
    EXPECT_EQ(typed.rewrittenText, "160");
}

TEST(ReadTypedLength, TextThatIsNoNumberGivesZero)
{
    EXPECT_EQ(readTypedLength("a").value, 0);
    EXPECT_EQ(readTypedLength("a").rewrittenText, "0");
    EXPECT_EQ(readTypedLength("1a").rewrittenText, "0");
    EXPECT_EQ(readTypedLength("-5").rewrittenText, "0");
}

TEST(ReadTypedLength, EmptiedEditShowsZeroAgain)
{
    EXPECT_EQ(readTypedLength("").value, 0);
    EXPECT_EQ(readTypedLength("").rewrittenText, "0");
}

TEST(ReadTypedLength, PlainNumberIsKeptAsTyped)
{
    const TypedLength typed = readTypedLength("160");
    EXPECT_EQ(typed.value, 160);
    EXPECT_FALSE(typed.rewrittenText.has_value());
    EXPECT_FALSE(readTypedLength("0").rewrittenText.has_value());
}

TEST(ReadTypedLength, LongDigitRunsDoNotOverflow)
{
    EXPECT_EQ(readTypedLength("99999999999999999999").value, 160);
}

TEST(TypeChangeResetsProperties, TextToIntegerKeepsThem)
{
    EXPECT_FALSE(typeChangeResetsProperties(code(LineType::Text), code(LineType::Integer)));
}

TEST(TypeChangeResetsProperties, TextToAlphamericResetsThem)
{
    EXPECT_TRUE(typeChangeResetsProperties(code(LineType::Text), code(LineType::Alphameric)));
}

TEST(TypeChangeResetsProperties, AlphamericToTextKeepsThem)
{
    EXPECT_FALSE(typeChangeResetsProperties(code(LineType::Alphameric), code(LineType::Text)));
}

TEST(TypeChangeResetsProperties, AnyChangeToNilResetsThem)
{
    for (Byte old = 1; old < project::LineTypeCount; ++old) {
        EXPECT_TRUE(typeChangeResetsProperties(old, code(LineType::Nil))) << "old type " << int{old};
    }
}

TEST(TypeChangeResetsProperties, KeyedTypesFromFixedDataOrPromptReset)
{
    EXPECT_TRUE(typeChangeResetsProperties(code(LineType::FixedData), code(LineType::Text)));
    EXPECT_TRUE(typeChangeResetsProperties(code(LineType::Prompt), code(LineType::Lookup)));
    EXPECT_FALSE(typeChangeResetsProperties(code(LineType::Image), code(LineType::Lookup)));
}

TEST(TypeChangeResetsProperties, LaterTypesKeepOnlyWhatLookupAlphamericOrImageHad)
{
    EXPECT_FALSE(typeChangeResetsProperties(code(LineType::Lookup), code(LineType::FixedData)));
    EXPECT_FALSE(typeChangeResetsProperties(code(LineType::Image), code(LineType::Alphameric)));
    EXPECT_TRUE(typeChangeResetsProperties(code(LineType::Integer), code(LineType::Image)));
    EXPECT_TRUE(typeChangeResetsProperties(code(LineType::FixedData), code(LineType::Prompt)));
}

TEST(TypeChangeResetsProperties, ChoosingTheSameTypeAgainKeepsThem)
{
    EXPECT_FALSE(typeChangeResetsProperties(code(LineType::FixedData), code(LineType::FixedData)));
}

TEST(LinkListEntries, WithoutLookupFileOffers36Variables)
{
    const auto entries = linkListEntries(texts::BuiltinTextSource{}, false, code(LineType::Text));
    ASSERT_EQ(entries.size(), 37U);
    EXPECT_EQ(entries[0], "nil");
    EXPECT_EQ(entries[1], "get v1");
    EXPECT_EQ(entries[13], "set v1");
    EXPECT_EQ(entries[36], "get & set v12");
}

TEST(LinkListEntries, NumericLinesGetSignedFields)
{
    const auto entries = linkListEntries(texts::BuiltinTextSource{}, true, code(LineType::Real));
    ASSERT_EQ(entries.size(), 37U);
    EXPECT_EQ(entries[12], "field 12");
    EXPECT_EQ(entries[13], "-field 1");
    EXPECT_EQ(entries[27], "+field 3");
}

TEST(LinkListEntries, OtherLinesGetPlainFields)
{
    EXPECT_EQ(linkListEntries(texts::BuiltinTextSource{}, true, code(LineType::Text)).size(), 13U);
    EXPECT_EQ(linkListEntries(texts::BuiltinTextSource{}, true, code(LineType::Lookup)).size(), 13U);
}

TEST(FoldedLink, PlusFieldOnATextLineBecomesTheField)
{
    EXPECT_EQ(foldedLink(27, true, code(LineType::Text)), 3);
    EXPECT_EQ(foldedLink(24, true, code(LineType::Text)), 12);
    EXPECT_EQ(foldedLink(36, true, code(LineType::Lookup)), 12);
}

TEST(FoldedLink, NumericLinesAndVariablesKeepTheirLinks)
{
    EXPECT_EQ(foldedLink(27, true, code(LineType::Integer)), 27);
    EXPECT_EQ(foldedLink(27, false, code(LineType::Text)), 27);
    EXPECT_EQ(foldedLink(12, true, code(LineType::Text)), 12);
}

TEST(FoldedLink, LinkBeyondEveryListIsKept)
{
    EXPECT_EQ(foldedLink(200, true, code(LineType::Text)), 200);
}

TEST(LineEnabling, NilLineHasNothingEnabled)
{
    const project::FormDef form = freshForm();
    const LineEnabling e = lineEnabling(form, 0);
    EXPECT_FALSE(e.prompt || e.inputSource || e.link || e.lengths || e.more);
}

TEST(LineEnabling, BooleanLineTakesInputButNoLengths)
{
    project::FormDef form = freshForm();
    form.lineType[0] = code(LineType::Boolean);
    const LineEnabling e = lineEnabling(form, 0);
    EXPECT_TRUE(e.prompt && e.inputSource && e.link && e.more);
    EXPECT_FALSE(e.lengths);
}

TEST(LineEnabling, LookupLineLinksOnlyWithALookupFile)
{
    project::FormDef form = freshForm();
    form.lineType[0] = code(LineType::Lookup);
    EXPECT_FALSE(lineEnabling(form, 0).link);
    form.lookupFile = 2;
    EXPECT_TRUE(lineEnabling(form, 0).link);
    form.lookupFile = 6;
    EXPECT_FALSE(lineEnabling(form, 0).link);
}

TEST(LineEnabling, ImageLengthsFollowEditFilePath)
{
    project::FormDef form = freshForm();
    form.lineType[0] = code(LineType::Image);
    EXPECT_FALSE(lineEnabling(form, 0).lengths);
    form.imageEditPath[0] = 1;
    EXPECT_TRUE(lineEnabling(form, 0).lengths);
}

TEST(LineEnabling, PromptAndExtensionLinesHaveNoProperties)
{
    project::FormDef form = freshForm();
    form.lineType[0] = code(LineType::Prompt);
    form.lineType[1] = code(LineType::Extension);
    EXPECT_TRUE(lineEnabling(form, 0).prompt);
    EXPECT_FALSE(lineEnabling(form, 0).more);
    EXPECT_FALSE(lineEnabling(form, 1).prompt);
    EXPECT_FALSE(lineEnabling(form, 1).more);
}

TEST(EffectiveLinkType, UsedLinesBelowLine2OfAnMsqiFormLinkAsLookup)
{
    project::FormDef form = freshForm();
    form.msqiEnabled = 1;
    form.lineType[1] = code(LineType::Msqi);
    form.lineType[4] = code(LineType::Integer);
    EXPECT_EQ(effectiveLinkType(form, 1), code(LineType::Msqi));
    EXPECT_EQ(effectiveLinkType(form, 4), code(LineType::Lookup));
    EXPECT_EQ(effectiveLinkType(form, 5), code(LineType::Nil));
}

} // namespace
} // namespace editor::forms
