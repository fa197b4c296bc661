// SPDX-License-Identifier: MIT
#include "editor/forms/form_msqi.h"

#include <gtest/gtest.h>

#include <array>

#include "project/defaults.h"
#include "project/form_rules.h"
#include "texts/text_source.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::lineCode;
using project::LineType;

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
    struct Case
    {
        Byte lookupFile;
        LineType line5;
        LineType arranged;
        Byte link;
    };
    const Case cases[] = {
        {1, LineType::Integer, LineType::Nil, 2},  // the commit clears a nil line's link
        {1, LineType::Lookup, LineType::Lookup, 2},
        {0, LineType::Lookup, LineType::Nil, 0},
        {8, LineType::Lookup, LineType::Nil, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "file " << int{c.lookupFile} << " type " << int{lineCode(c.line5)});
        m_form.lookupFile = c.lookupFile;
        m_form.lineType[4] = lineCode(c.line5);
        m_form.lookupLink[4] = 2;
        arrange();
        EXPECT_EQ(m_form.lineType[4], lineCode(c.arranged));
        EXPECT_EQ(m_form.lookupLink[4], c.link);
        EXPECT_EQ(m_form.lookupFile, c.lookupFile);
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
