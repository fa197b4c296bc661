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
    bool isInputMarkShown(int form, int line) { return m_page->workingCopy().showInputMark.isOn(form - 1, line - 1); }

    ui::testing::DialogHarness& open(ui::LanguageState language = ui::LanguageState::BuiltinOnly)
    {
        m_page = std::make_unique<FormPage>(*m_project, m_texts, language, m_isModified);
        m_dialog = std::make_unique<ui::testing::DialogHarness>(resources::formPageTemplate(), *m_page, m_host);
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

TEST_F(FormPageTest, ChoosingAnotherFormShowsItAndKeepsTheEditsOfTheFirst)
{
    auto& page = open();
    page.select(typeList(1), select(LineType::Text));
    page.type(promptEdit(1), "Item");
    page.select(FormPageId::FormList, 4);
    EXPECT_EQ(page.selection(typeList(1)), 0);
    EXPECT_EQ(page.selection(FormPageId::NextList), 5);
    page.select(FormPageId::FormList, 0);
    EXPECT_EQ(page.text(promptEdit(1)), "Item");
    EXPECT_EQ(working(1).prompt[0].str(), "Item");
}

TEST_F(FormPageTest, FormListsAndLinkListStoreTheirSelection)
{
    stored(1).lineType[0] = lineCode(LineType::Real);
    auto& page = open();
    page.select(FormPageId::EscList, 23);
    page.select(FormPageId::NextList, 0);
    page.select(FormPageId::IndexList, 4);
    page.select(linkList(1), 14);
    page.select(inputSourceList(1), 0);
    EXPECT_EQ(working(1).inputSource[0], 0);
    EXPECT_EQ(working(1).escTarget, 23);
    EXPECT_EQ(working(1).nextTarget, 0);
    EXPECT_EQ(working(1).indexLine, 4);
    EXPECT_EQ(working(1).lookupLink[0], 14);
}

TEST_F(FormPageTest, RecordActionWithoutSavingDisablesIndexAndAdvanced)
{
    auto& page = open();
    page.select(FormPageId::RecordList, 1);
    expectEnabling({FormPageId::IndexList, FormPageId::AdvancedButton}, false);
    page.select(FormPageId::RecordList, 2);
    EXPECT_TRUE(page.isEnabled(FormPageId::IndexList));
    EXPECT_EQ(working(1).recordAction, 2);
}

TEST_F(FormPageTest, LengthEditsShowAndStoreTheCorrectedNumber)
{
    struct Case
    {
        bool isMaximum;
        bool isPasted;
        const char* input;
        const char* shown;
        Byte stored;
    };
    const Case cases[] = {{true, false, "007", "7", 7}, {false, false, "200", "160", 160}, {true, true, "12345", "123", 123}};
    stored(1).lineType[0] = lineCode(LineType::Text);
    auto& page = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const ui::ControlId edit = c.isMaximum ? maxLengthEdit(1) : minLengthEdit(1);
        c.isPasted ? page.paste(edit, c.input) : page.type(edit, c.input);
        page.finishEditing(edit);
        EXPECT_EQ(page.text(edit), c.shown);
        EXPECT_EQ(c.isMaximum ? working(1).maxLength[0] : working(1).minLength[0], c.stored);
    }
    page.paste(promptEdit(1), std::string(40, 'p'));
    EXPECT_EQ(working(1).prompt[0].str(), std::string(30, 'p'));
}

TEST_F(FormPageTest, BooleanLineKeepsItsLengthEditsDisabledAndItsLengths)
{
    stored(1).lineType[0] = lineCode(LineType::Text);
    auto& page = open();
    page.type(maxLengthEdit(1), "25");
    page.select(typeList(1), select(LineType::Boolean));
    expectEnabling({maxLengthEdit(1), minLengthEdit(1)}, false);
    EXPECT_TRUE(page.isEnabled(inputSourceList(1)));
    EXPECT_EQ(working(1).maxLength[0], 25);
}

TEST_F(FormPageTest, TypeChangesResetPropertiesOnlyWhereTheRulesSayAndSetTheLineEnabling)
{
    stored(1).lineType[0] = lineCode(LineType::Text);
    stored(1).prompt[0].assign("Code");
    stored(1).maxLength[0] = 20;
    auto& page = open();
    working(1).prefix[0].assign("AB");
    m_page->workingCopy().showInputMark.set(0, 0, true);
    page.select(typeList(1), select(LineType::Integer));
    EXPECT_EQ(working(1).lineType[0], lineCode(LineType::Integer));
    EXPECT_EQ(working(1).prefix[0].str(), "AB");
    EXPECT_TRUE(isInputMarkShown(1, 1));

    working(1).checkDigitMethod[0] = 2;
    page.select(typeList(1), select(LineType::Alphameric));
    EXPECT_TRUE(working(1).prefix[0].isEmpty());
    EXPECT_EQ(working(1).checkDigitMethod[0], 0);
    EXPECT_FALSE(isInputMarkShown(1, 1));
    EXPECT_EQ(working(1).prompt[0].str(), "Code");
    EXPECT_EQ(working(1).maxLength[0], 20);

    page.select(typeList(1), select(LineType::Prompt));
    EXPECT_TRUE(page.isEnabled(promptEdit(1)));
    expectEnabling({inputSourceList(1), maxLengthEdit(1), linkList(1), moreButton(1)}, false);
}

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

TEST_F(FormPageTest, ValuesBeyondTheirListsShowNoSelectionAndAreKept)
{
    stored(1).lookupFile = 9;
    stored(1).lineType[0] = 40;
    stored(1).lineType[1] = lineCode(LineType::Text);
    stored(1).lookupLink[1] = 90;
    stored(1).inputSource[1] = 7;
    stored(1).indexLine = 30;
    auto& page = open();
    for (const ui::ControlId id : std::initializer_list<ui::ControlId>{FormPageId::LookupList, typeList(1), linkList(2),
                                                                       inputSourceList(2), FormPageId::IndexList}) {
        EXPECT_EQ(page.selection(id), -1) << "control " << id.value();
    }
    EXPECT_EQ(page.text(FormPageId::LinkHeader), "Variables");
    EXPECT_TRUE(page.apply());
    EXPECT_EQ(stored(1).lookupFile, 9);
    EXPECT_EQ(stored(1).lineType[0], 40);
    EXPECT_EQ(stored(1).lookupLink[1], 90);
    EXPECT_EQ(stored(1).inputSource[1], 7);
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

TEST_F(FormPageMsqi, LeavingForAnOrdinaryFormRestoresTheTypeLists)
{
    stored(1).lookupFile = 1;
    stored(2).lineType[0] = lineCode(LineType::Msqi);
    stored(2).lineType[2] = lineCode(LineType::Integer);
    auto& page = open();
    page.select(FormPageId::FormList, 1);
    EXPECT_EQ(page.controls().items(typeList(1)).size(), 16U);
    EXPECT_EQ(page.controls().items(typeList(3)).size(), 16U);
    EXPECT_EQ(working(2).lineType[0], lineCode(LineType::Nil));
    EXPECT_EQ(page.selection(typeList(3)), select(LineType::Integer));
    expectEnabling({typeList(1), FormPageId::RecordList, FormPageId::NextList}, true);
}

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

TEST_F(FormPageTest, ResetRestoresTheCurrentFormWithoutAsking)
{
    stored(3).lineType[0] = lineCode(LineType::Text);
    stored(3).prompt[0].assign("Qty");
    stored(3).escTarget = 22;
    auto& page = open();
    page.select(FormPageId::FormList, 2);
    m_page->workingCopy().showInputMark.set(2, 0, true);
    page.click(FormPageId::ResetButton);
    EXPECT_EQ(working(3).lineType[0], lineCode(LineType::Nil));
    EXPECT_TRUE(working(3).prompt[0].isEmpty());
    EXPECT_EQ(working(3).escTarget, 0);
    EXPECT_EQ(working(3).nextTarget, 3);
    EXPECT_EQ(working(3).exportName.str(), "Form  03");
    EXPECT_FALSE(isInputMarkShown(3, 1));
    EXPECT_EQ(page.selection(FormPageId::EscList), 0);
    EXPECT_TRUE(m_host.warnings.empty());
    EXPECT_EQ(m_host.saveChangesQuestions, 0);
}

TEST_F(FormPageTest, CancelAfterEditingSeveralFormsLeavesBlock2Unchanged)
{
    const auto before = m_project->forms;
    auto& page = open();
    page.select(typeList(1), select(LineType::Text));
    page.type(promptEdit(1), "A");
    page.select(FormPageId::FormList, 5);
    page.select(FormPageId::EscList, 3);
    page.click(FormPageId::ResetButton);
    page.select(FormPageId::FormList, 19);
    page.select(typeList(12), select(LineType::Image));
    page.cancelPage();
    EXPECT_FALSE(m_isModified);
    EXPECT_EQ(std::memcmp(&before, &m_project->forms, sizeof before), 0);
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
