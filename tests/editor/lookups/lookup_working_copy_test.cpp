// SPDX-License-Identifier: MIT
#include "editor/lookups/lookup_working_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/project_fixtures.h"

namespace editor::lookups {
namespace {

using project::Byte;

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
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            lookup.fieldLength[i] = lengths[i];
        }
        lookup.fieldLength[lengths.size()] = 99;  // beyond the count: not part of the record
        EXPECT_EQ(lookupLengthCheck(lookup), expected);
    }
}

class CommitLookups : public ::testing::Test
{
protected:
    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    texts::BuiltinTextSource m_texts;
    LookupSet m_working = m_project->lookups;
    LookupSet m_published{};

    void commit() { commitLookups(m_working, m_published, *m_project, m_texts); }
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
    const project::LookupDef& stored = m_project->lookup(1);
    EXPECT_EQ(stored.fieldName[1].str(), "F2");
    EXPECT_EQ(stored.fieldType[2], 0);
    EXPECT_TRUE(stored.fieldName[2].isEmpty());
    EXPECT_EQ(stored.fieldLength[3], 0);
    EXPECT_EQ(stored.lengthCheck, 20);
    EXPECT_EQ(stored.exportName.str(), "ARTICLES");
    EXPECT_EQ(m_project->lookup(2).exportName.str(), "AS TYPED  ") << "a name that is switched off stays as typed";
    EXPECT_EQ(m_published[0].fieldLength[3], 10) << "the published copy is taken before the clean-up";
}

// The forms' "lookup" lines read their maximum length from the field they link to.
TEST_F(CommitLookups, LinkedLookupLinesTakeTheNewFieldLengthOr160)
{
    project::FormDef& form = m_project->form(2);
    form.lookupFile = 1;
    const Byte links[] = {1, 2, 3, 0};
    for (std::size_t line = 0; line < 4; ++line) {
        form.lineType[line] = static_cast<Byte>(project::LineType::Lookup);
        form.lookupLink[line] = links[line];
        form.maxLength[line] = 77;
    }
    project::FormDef& unlinked = m_project->form(1);
    unlinked.lineType[0] = static_cast<Byte>(project::LineType::Lookup);
    unlinked.lookupLink[0] = 1;
    unlinked.maxLength[0] = 77;
    m_working[0].numFields = 2;
    m_working[0].fieldLength = {30, 0, 12};  // field 3 lies beyond the count and is cleared
    commit();
    EXPECT_EQ(form.maxLength[0], 30);
    EXPECT_EQ(form.maxLength[1], 160) << "length 0";
    EXPECT_EQ(form.maxLength[2], 160) << "field beyond the count";
    EXPECT_EQ(form.maxLength[3], 160) << "no link";
    EXPECT_EQ(unlinked.maxLength[0], 77) << "a form without a lookup file keeps its lengths";
}

}  // namespace
}  // namespace editor::lookups
