// SPDX-License-Identifier: MIT
#include "editor/forms/form_msqi.h"

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

    project::FormDef m_form{};
    LookupSet m_lookups{};
};

TEST_F(ArrangeMsqiForm, FormLevelValuesAreFixed)
{
    m_form.recordAction = 2;
    m_form.indexLine = 3;
    m_form.nextTarget = 9;
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.recordAction, 0);
    EXPECT_EQ(m_form.indexLine, 0);
    EXPECT_EQ(m_form.nextTarget, 4);
}

TEST_F(ArrangeMsqiForm, IntegerLine5BecomesNil)
{
    m_form.lookupFile = 1;
    m_form.lineType[4] = code(LineType::Integer);
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.lineType[4], code(LineType::Nil));
}

TEST_F(ArrangeMsqiForm, LookupLine5StaysWithALookupFile)
{
    m_form.lookupFile = 1;
    m_form.lineType[4] = code(LineType::Lookup);
    m_form.lookupLink[4] = 2;
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.lineType[4], code(LineType::Lookup));
    EXPECT_EQ(m_form.lookupLink[4], 2);
}

TEST_F(ArrangeMsqiForm, LookupLine5BecomesNilWithoutALookupFile)
{
    m_form.lineType[4] = code(LineType::Lookup);
    m_form.lookupLink[4] = 2;
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.lineType[4], code(LineType::Nil));
    EXPECT_EQ(m_form.lookupLink[4], 0);
}

TEST_F(ArrangeMsqiForm, Line1LooksUpTheKeyField)
{
    m_form.lookupFile = 1;
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.lineType[0], code(LineType::Text));
    EXPECT_EQ(m_form.lookupLink[0], 2);
}

TEST_F(ArrangeMsqiForm, Line1HasNoLinkWhenTheLookupFileHasNoFields)
{
    m_form.lookupFile = 2;
    m_form.lookupLink[0] = 5;
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.lookupLink[0], 0);
}

TEST_F(ArrangeMsqiForm, LookupFileAbove5CountsAsNone)
{
    m_form.lookupFile = 8;
    m_form.lineType[4] = code(LineType::Lookup);
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.lookupLink[0], 0);
    EXPECT_EQ(m_form.lineType[4], code(LineType::Nil));
    EXPECT_EQ(m_form.lookupFile, 8);
}

TEST_F(ArrangeMsqiForm, Line2GetsAnInitialQuantityOnlyWhenItHasNone)
{
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.lineType[1], code(LineType::Msqi));
    EXPECT_EQ(m_form.initialValueOn[1], 1);
    EXPECT_EQ(m_form.initialValue[1].str(), "0");

    m_form.initialValue[1].assign("5");
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.initialValue[1].str(), "5");
}

TEST_F(ArrangeMsqiForm, Line2ReadsFromEverySourceTheReaderHas)
{
    arrangeMsqiForm(m_form, 3, m_lookups, false);
    EXPECT_EQ(m_form.inputSource[1], BothInputSources);
    arrangeMsqiForm(m_form, 3, m_lookups, true);
    EXPECT_EQ(m_form.inputSource[1], AllInputSources);
}

TEST(DropRfidInputSources, RfidAndAllBecomeBothOnEveryForm)
{
    FormSet forms{};
    forms[0].inputSource[0] = RfidInputSource;
    forms[19].inputSource[11] = AllInputSources;
    forms[5].inputSource[3] = KeypadInputSource;
    forms[5].inputSource[4] = 9; // beyond the list: kept
    dropRfidInputSources(forms);
    EXPECT_EQ(forms[0].inputSource[0], BothInputSources);
    EXPECT_EQ(forms[19].inputSource[11], BothInputSources);
    EXPECT_EQ(forms[5].inputSource[3], KeypadInputSource);
    EXPECT_EQ(forms[5].inputSource[4], 9);
}

TEST(IsRfidReaderOn, ReaderTypesFrom10CarryTheRfidReader)
{
    EXPECT_FALSE(isRfidReaderOn(3));
    EXPECT_TRUE(isRfidReaderOn(11));
}

} // namespace
} // namespace editor::forms
