// SPDX-License-Identifier: MIT
#include "editor/lookups/lookup_page.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "editor/dialog_bench.h"
#include "resources/lookup_templates.h"

namespace editor::lookups {
namespace {

using bench::DialogHarness;
using resources::FieldNameEdits;
using resources::KeyFieldRadios;
using Id = resources::LookupPageId;

class LookupPageTest : public bench::BenchTest
{
protected:
    DialogHarness openPage()
    {
        return BenchTest::openPage<LookupPage>(resources::lookupPageTemplate(), [](const LookupSet&) {});
    }
    static const project::LookupDef& shown(DialogHarness& page)
    {
        const auto& model = page.modelAs<LookupPage>();
        return model.workingCopy()[static_cast<std::size_t>(model.shownFile())];
    }
};

// Every count and key: a key beyond the new count moves to field 1; raising never moves it.
TEST_F(LookupPageTest, LoweringTheFieldCountMovesTheKeyToFieldOneOnlyWhenItFallsBeyond)
{
    project->lookup(1).numFields = 12;
    for (int key = 0; key < 12; ++key) {
        for (int newCount = 0; newCount <= 12; ++newCount) {
            SCOPED_TRACE("key " + std::to_string(key) + ", count 12 to " + std::to_string(newCount));
            project->lookup(1).keyField = static_cast<project::Byte>(key);
            DialogHarness page = openPage();
            page.select(Id::FieldCountList, newCount);
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
    project->lookup(1).numFields = 2;
    project->lookup(1).keyField = 1;
    DialogHarness page = openPage();
    page.select(Id::FieldCountList, 5);
    EXPECT_EQ(shown(page).keyField, 1);  // raising never moves the key
}

// The refusal and the fallback apply when editing finishes, so that 130 to 139 can be typed.
TEST_F(LookupPageTest, DelimiterBoxRefusesThirteenAndCorrectsTheRestWhenEditingFinishes)
{
    const std::tuple<const char*, const char*, int, bool> rows[] = {
        {"44", "44", 44, false}, {"13", "9", 9, true}, {"135", "135", 135, false}, {"300", "255", 255, false},
        {"007", "7", 7, false},  {"x", "0", 0, false}, {"", "0", 0, false},
    };
    for (const auto& [typed, text, stored, isWarned] : rows) {
        SCOPED_TRACE(std::string("typed \"") + typed + "\"");
        project->lookup(1).delimiter = 9;
        DialogHarness page = openPage();
        page.enter(Id::DelimiterEdit, typed);
        EXPECT_EQ(page.text(Id::DelimiterEdit), text);
        EXPECT_EQ(shown(page).delimiter, stored);
        EXPECT_EQ(page.host().hasWarned(2602, 2854), isWarned);
    }
}

// A count above 12 or a key beyond field 12 comes only from a file: the page shows the nearest
// state it can and writes the bytes back as they were unless the user edits them.
TEST_F(LookupPageTest, OutOfRangeCountAndKeyShowAsFieldTwelveAndSurviveOk)
{
    project::LookupDef& odd = project->lookup(1);
    odd.numFields = 200;
    odd.keyField = 200;
    odd.fieldType[0] = 9;
    odd.fieldLength[14] = 5;
    DialogHarness page = openPage();
    EXPECT_EQ(page.selection(Id::FieldCountList), 12);
    EXPECT_EQ(ui::checkedIndex(page.controls(), KeyFieldRadios), 11);
    EXPECT_EQ(page.selection(resources::FieldTypeLists.at(0)), -1);
    EXPECT_TRUE(page.isEnabled(FieldNameEdits.at(11)));
    ASSERT_TRUE(page.apply());
    EXPECT_EQ(project->lookup(1).numFields, 200);
    EXPECT_EQ(project->lookup(1).keyField, 200);
    EXPECT_EQ(project->lookup(1).fieldType[0], 9);
    EXPECT_EQ(project->lookup(1).lengthCheck, 5) << "all 15 slots count";
}

}  // namespace
}  // namespace editor::lookups
