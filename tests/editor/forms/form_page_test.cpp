// SPDX-License-Identifier: MIT
#include "editor/forms/form_page.h"

#include <gtest/gtest.h>

#include "editor/dialog_bench.h"
#include "project/form_rules.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using project::lineCode;
using project::LineType;
using Id = resources::FormPageId;
using bench::DialogHarness;

class FormPageTest : public bench::BenchTest
{
protected:
    project::FormDef& stored(int number) { return project->form(number); }
    project::FormDef& working(int number) { return model().workingCopy().forms[static_cast<std::size_t>(number - 1)]; }
    FormPage& model() { return m_page->modelAs<FormPage>(); }
    DialogHarness& open()
    {
        m_page = std::make_unique<DialogHarness>(openPage<FormPage>(resources::formPageTemplate, m_isModified));
        return *m_page;
    }

private:
    bool m_isModified = false;
    std::unique_ptr<DialogHarness> m_page;
};

TEST_F(FormPageTest, RemovingTheLookupFileOffersVariables)
{
    stored(1).lookupFile = 2;
    stored(1).lineType[0] = lineCode(LineType::Text);
    auto& page = open();
    EXPECT_EQ(page.text(Id::LinkHeader), "Lookup");
    EXPECT_EQ(page.controls().items(resources::linkList(1)).size(), 13U);
    page.select(Id::LookupList, 0);
    EXPECT_EQ(page.text(Id::LinkHeader), "Variables");
    EXPECT_EQ(page.controls().items(resources::linkList(1)).size(), 37U);
}

TEST_F(FormPageTest, TurningMsqiOnAppliesItAfterThePropertiesAndOnActivation)
{
    project->lookup(1).numFields = 4;
    project->lookup(1).keyField = 2;
    stored(1).recordAction = 2;  // would enable "Index field :" on an ordinary form
    stored(1).lineType[4] = lineCode(LineType::Integer);
    auto& page = open();
    working(1).msqiEnabled = 1;  // as the form properties dialog writes it
    model().formPropertiesClosed();
    EXPECT_EQ(working(1).lineType[4], lineCode(LineType::Nil));
    EXPECT_EQ(working(1).lineType[1], lineCode(LineType::Msqi));
    EXPECT_FALSE(page.isEnabled(Id::RecordList));

    page.select(Id::FormList, 1);
    working(2).msqiEnabled = 1;
    page.setActive();
    EXPECT_EQ(working(2).lineType[0], lineCode(LineType::Text));
}

TEST_F(FormPageTest, PublishedLookupFilesReplaceBlock3ForLinksAndLengths)
{
    stored(1).lookupFile = 2;
    stored(1).msqiEnabled = 1;
    stored(2).lookupFile = 2;
    stored(2).lineType[0] = lineCode(LineType::Lookup);
    stored(2).lookupLink[0] = 2;
    auto& page = open();
    EXPECT_EQ(working(1).lookupLink[0], 0);  // block 3: file 2 has no fields
    LookupSet published = project->lookups;
    published[1].numFields = 5;
    published[1].keyField = 4;
    published[1].fieldLength[1] = 17;
    model().lookupsPublished(published);
    page.setActive();
    EXPECT_EQ(working(1).lookupLink[0], 5);
    EXPECT_TRUE(page.apply());
    EXPECT_EQ(stored(2).maxLength[0], 17);
}

}  // namespace
}  // namespace editor::forms
