// SPDX-License-Identifier: MIT
#include "editor/lookups/lookup_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "resources/lookup_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::lookups {
namespace {

using resources::FieldLengthEdits;
using resources::FieldNameEdits;
using resources::FieldTypeLists;
using resources::KeyFieldRadios;
using resources::LookupPageId;
using ui::testing::DialogHarness;

class LookupPageTest : public ::testing::Test
{
protected:
    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    texts::BuiltinTextSource m_texts;
    int m_publications = 0;

    DialogHarness openPage()
    {
        return DialogHarness(resources::lookupPageTemplate,
                             LookupPage(*m_project, m_texts, ui::LanguageState::BuiltinOnly,
                                        [this](const LookupSet&) { ++m_publications; }));
    }
    static const LookupPage& model(DialogHarness& page) { return page.modelAs<LookupPage>(); }
    static const project::LookupDef& shown(DialogHarness& page)
    {
        return model(page).workingCopy()[static_cast<std::size_t>(model(page).shownFile())];
    }
};

// Every count and key: a key beyond the new count moves to field 1; raising never moves it.
TEST_F(LookupPageTest, LoweringTheFieldCountMovesTheKeyToFieldOneOnlyWhenItFallsBeyond)
{
    m_project->lookup(1).numFields = 12;
    for (int key = 0; key < 12; ++key) {
        for (int newCount = 0; newCount <= 12; ++newCount) {
            SCOPED_TRACE("key " + std::to_string(key) + ", count 12 to " + std::to_string(newCount));
            m_project->lookup(1).keyField = static_cast<project::Byte>(key);
            DialogHarness page = openPage();
            page.select(LookupPageId::FieldCountList, newCount);
            const int expectedKey = key >= newCount ? 0 : key;
            EXPECT_EQ(shown(page).numFields, newCount);
            EXPECT_EQ(shown(page).keyField, expectedKey);
            EXPECT_EQ(ui::checkedIndex(page.controls(), KeyFieldRadios), expectedKey);
            EXPECT_EQ(page.isEnabled(FieldNameEdits.at(0)), newCount > 0);
            if (newCount < 12) {
                EXPECT_FALSE(page.isEnabled(FieldNameEdits.at(newCount)));
            }
        }
    }
    m_project->lookup(1).numFields = 2;
    m_project->lookup(1).keyField = 1;
    DialogHarness page = openPage();
    page.select(LookupPageId::FieldCountList, 5);
    EXPECT_EQ(shown(page).keyField, 1);  // raising never moves the key
}

// The refusal and the fallback apply when editing finishes, so that 130 to 139 can be typed.
TEST_F(LookupPageTest, DelimiterBoxRefusesThirteenAndCorrectsTheRestWhenEditingFinishes)
{
    struct Row
    {
        const char* typed;
        const char* shown;
        int stored;
        bool isWarned;
    };
    const Row rows[] = {
        {"44", "44", 44, false}, {"13", "9", 9, true}, {"135", "135", 135, false}, {"300", "255", 255, false},
        {"007", "7", 7, false},  {"x", "0", 0, false}, {"", "0", 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("typed \"") + row.typed + "\"");
        m_project->lookup(1).delimiter = 9;
        DialogHarness page = openPage();
        page.enter(LookupPageId::DelimiterEdit, row.typed);
        EXPECT_EQ(page.text(LookupPageId::DelimiterEdit), row.shown);
        EXPECT_EQ(shown(page).delimiter, row.stored);
        EXPECT_EQ(page.host().hasWarned(2602, 2854), row.isWarned);
    }
}

// A count above 12 or a key beyond field 12 comes only from a file: the page shows the nearest
// state it can and writes the bytes back as they were unless the user edits them.
TEST_F(LookupPageTest, OutOfRangeCountAndKeyShowAsFieldTwelveAndSurviveOk)
{
    project::LookupDef& odd = m_project->lookup(1);
    odd.numFields = 200;
    odd.keyField = 200;
    odd.fieldType[0] = 9;
    odd.fieldLength[14] = 5;
    DialogHarness page = openPage();
    EXPECT_EQ(page.selection(LookupPageId::FieldCountList), 12);
    EXPECT_EQ(ui::checkedIndex(page.controls(), KeyFieldRadios), 11);
    EXPECT_EQ(page.selection(FieldTypeLists.at(0)), -1);
    EXPECT_TRUE(page.isEnabled(FieldNameEdits.at(11)));
    ASSERT_TRUE(page.apply());
    EXPECT_EQ(m_project->lookup(1).numFields, 200);
    EXPECT_EQ(m_project->lookup(1).keyField, 200);
    EXPECT_EQ(m_project->lookup(1).fieldType[0], 9);
    EXPECT_EQ(m_project->lookup(1).lengthCheck, 5) << "all 15 slots count";
}

}  // namespace
}  // namespace editor::lookups
