// SPDX-License-Identifier: MIT
#include "editor/lookups/lookup_page.h"
#include "editor/lookups/lookup_working_copy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/dialog_bench.h"
#include "resources/lookup_templates.h"

namespace editor::lookups {
namespace {

using bench::DialogHarness;
using project::Byte;
using resources::FieldNameEdits;
using resources::KeyFieldRadios;
using Id = resources::LookupPageId;

class LookupPageTest : public bench::BenchTest
{
protected:
    DialogHarness openPage()
    {
        return BenchTest::openPage<LookupPage>(resources::lookupPageTemplate, [](const LookupSet&) {});
    }
    static const project::LookupDef& shown(DialogHarness& page)
    {
        const auto& model = page.modelAs<LookupPage>();
        return model.workingCopy()[static_cast<std::size_t>(model.shownFile())];
    }
};

// Every count and key: a key beyond the new count moves to field 1, any other stays.
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
            EXPECT_FALSE(newCount < 12 && page.isEnabled(FieldNameEdits.at(newCount)));
        }
    }
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
    // The count, the key and the type as they were; all 15 length slots count.
    EXPECT_EQ((std::array{odd.numFields, odd.keyField, odd.fieldType[0], odd.lengthCheck}),
              (std::array<Byte, 4>{200, 200, 9, 5}));
}

TEST(LookupWorkingCopy, LengthCheckIsTheSumModulo255WithAFullMultipleAs255)
{
    const std::pair<std::vector<Byte>, Byte> rows[] = {
        {{200, 55}, 255}, {{100, 100}, 200}, {{200, 100}, 45},   {{}, 0},
        {{0, 0, 0}, 0},   {{255, 255}, 255}, {{255, 255, 1}, 1},
    };
    for (const auto& [lengths, expected] : rows) {
        SCOPED_TRACE(::testing::PrintToString(lengths));
        project::LookupDef lookup{};
        lookup.numFields = static_cast<Byte>(lengths.size());
        std::ranges::copy(lengths, lookup.fieldLength.begin());
        lookup.fieldLength[lengths.size()] = 99;  // beyond the count: not part of the record
        EXPECT_EQ(lookupLengthCheck(lookup), expected);
    }
}

class CommitLookups : public bench::BenchTest
{
protected:
    LookupSet m_working = project->lookups;
    LookupSet m_published{};

    void commit() { commitLookups(m_working, m_published, *project, texts); }
};

TEST_F(CommitLookups, BlockThreeLosesFieldsBeyondTheCountAndTrailingBlanksOfTheExportName)
{
    project::LookupDef& file = m_working[0];
    file.numFields = 2;
    for (std::size_t i = 0; i < 4; ++i) {
        file.fieldType[i] = 1;
        file.fieldName[i].assign("F" + std::to_string(i + 1));
        file.fieldLength[i] = 10;
    }
    file.exportName.assign("ARTICLES   ");
    m_working[1].numFields = 1;
    m_working[1].exportNameOn = 0;
    m_working[1].exportName.assign("AS TYPED  ");
    commit();
    const project::LookupDef& stored = project->lookup(1);
    EXPECT_EQ(stored.fieldName[1].str(), "F2");
    EXPECT_TRUE(stored.fieldName[2].isEmpty());
    EXPECT_EQ((std::array{stored.fieldType[2], stored.fieldLength[3], stored.lengthCheck}),
              (std::array<Byte, 3>{0, 0, 20}));
    EXPECT_EQ(stored.exportName.str(), "ARTICLES");
    EXPECT_EQ(project->lookup(2).exportName.str(), "AS TYPED  ") << "a name that is switched off stays as typed";
    EXPECT_EQ(m_published[0].fieldLength[3], 10) << "the published copy is taken before the clean-up";
}

// The forms' "lookup" lines read their maximum length from the field they link to.
TEST_F(CommitLookups, LinkedLookupLinesTakeTheNewFieldLengthOr160)
{
    project::FormDef& form = project->form(2);
    form.lookupFile = 1;
    const Byte links[] = {1, 2, 3, 0};
    for (std::size_t line = 0; line < 4; ++line) {
        form.lineType[line] = static_cast<Byte>(project::LineType::Lookup);
        form.lookupLink[line] = links[line];
        form.maxLength[line] = 77;
    }
    project::FormDef& unlinked = project->form(1);
    unlinked.lineType[0] = static_cast<Byte>(project::LineType::Lookup);
    unlinked.lookupLink[0] = 1;
    unlinked.maxLength[0] = 77;
    m_working[0].numFields = 2;
    m_working[0].fieldLength = {30, 0, 12};  // field 3 lies beyond the count and is cleared
    commit();
    // Field 1; field 2 of length 0, field 3 beyond the count and no link take 160.
    EXPECT_EQ((std::array{form.maxLength[0], form.maxLength[1], form.maxLength[2], form.maxLength[3]}),
              (std::array<Byte, 4>{30, 160, 160, 160}));
    EXPECT_EQ(unlinked.maxLength[0], 77) << "a form without a lookup file keeps its lengths";
}

}  // namespace
}  // namespace editor::lookups
