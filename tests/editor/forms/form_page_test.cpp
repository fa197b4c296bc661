// SPDX-License-Identifier: MIT
#include "project/form_rules.h"
#include "editor/forms/form_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "resources/form_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::LineType;
using project::lineCode;
using resources::FormPageId;
using resources::inputSourceList;
using resources::linkList;
using resources::maxLengthEdit;
using resources::minLengthEdit;
using resources::moreButton;
using resources::promptEdit;
using resources::typeList;

constexpr int select(LineType type)
{
    return static_cast<int>(type);
}

class FormPageTest : public ::testing::Test
{
protected:
    project::FormDef& stored(int number) { return m_project->form(number); }
    project::FormDef& working(int number) { return m_page->workingCopy().forms[static_cast<std::size_t>(number - 1)]; }

    ui::testing::DialogHarness& open(ui::LanguageState language = ui::LanguageState::BuiltinOnly)
    {
        m_page = std::make_unique<FormPage>(*m_project, m_texts, language, m_isModified);
        m_dialog = std::make_unique<ui::testing::DialogHarness>(resources::formPageTemplate, *m_page, m_host);
        return *m_dialog;
    }

    void expectEnabling(std::initializer_list<ui::ControlId> ids, bool isEnabled)
    {
        for (const ui::ControlId id : ids) {
            EXPECT_EQ(m_dialog->isEnabled(id), isEnabled) << "control " << id.value();
        }
    }

    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    testing_support::OverrideTextSource m_texts;
    bool m_isModified = false;
    ui::testing::ScriptedHost m_host;
    std::unique_ptr<FormPage> m_page;
    std::unique_ptr<ui::testing::DialogHarness> m_dialog;
};

TEST_F(FormPageTest, RemovingTheLookupFileOffersVariables)
{
    stored(1).lookupFile = 2;
    stored(1).lineType[0] = lineCode(LineType::Text);
    auto& page = open();
    EXPECT_EQ(page.text(FormPageId::LinkHeader), "Lookup");
    EXPECT_EQ(page.controls().items(linkList(1)).size(), 13U);
    page.select(FormPageId::LookupList, 0);
    EXPECT_EQ(page.text(FormPageId::LinkHeader), "Variables");
    EXPECT_EQ(page.controls().items(linkList(1)).size(), 37U);
}

class FormPageMsqi : public FormPageTest
{
protected:
    void SetUp() override
    {
        project::LookupDef& lookup = m_project->lookup(1);
        lookup.numFields = 4;
        lookup.keyField = 2;
        stored(1).msqiEnabled = 1;
        stored(1).recordAction = 2; // would enable "Index field :" on an ordinary form
    }
};

TEST_F(FormPageMsqi, TurningMsqiOnAppliesItAfterThePropertiesAndOnActivation)
{
    stored(1).msqiEnabled = 0;
    stored(1).lineType[4] = lineCode(LineType::Integer);
    auto& page = open();
    working(1).msqiEnabled = 1; // as the form properties dialog writes it
    m_page->formPropertiesClosed();
    EXPECT_EQ(working(1).lineType[4], lineCode(LineType::Nil));
    EXPECT_EQ(working(1).lineType[1], lineCode(LineType::Msqi));
    EXPECT_FALSE(page.isEnabled(FormPageId::RecordList));

    page.select(FormPageId::FormList, 1);
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
    EXPECT_EQ(working(1).lookupLink[0], 0); // block 3: file 2 has no fields
    LookupSet published = m_project->lookups;
    published[1].numFields = 5;
    published[1].keyField = 4;
    published[1].fieldLength[1] = 17;
    m_page->lookupsPublished(published);
    page.setActive();
    EXPECT_EQ(working(1).lookupLink[0], 5);
    EXPECT_TRUE(page.apply());
    EXPECT_EQ(stored(2).maxLength[0], 17);
}

} // namespace
} // namespace editor::forms
