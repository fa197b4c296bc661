// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstring>

#include "editor/forms/form_page.h"
#include "editor/property_sheet_model.h"
#include "resources/form_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::forms {
namespace {

class FormPageInSheet : public ::testing::Test
{
protected:
    PropertySheetModel sheet()
    {
        return {*m_project, m_texts, ui::LanguageState::BuiltinOnly, project::Model::Q720CE, m_isModified, "", m_host};
    }

    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    texts::BuiltinTextSource m_texts;
    bool m_isModified = false;
    ui::testing::ScriptedHost m_host;
};

TEST_F(FormPageInSheet, SheetOpensOnTheFormPage)
{
    auto editor = sheet();
    EXPECT_EQ(editor.pageTemplate(0), &resources::formPageTemplate());
    EXPECT_NE(dynamic_cast<FormPage*>(editor.pageModel(SheetPage::Form)), nullptr);
}

TEST_F(FormPageInSheet, OkCommitsTheFormsAndSetsTheModifiedFlag)
{
    auto editor = sheet();
    auto* page = dynamic_cast<FormPage*>(editor.pageModel(SheetPage::Form));
    ASSERT_NE(page, nullptr);
    page->select(resources::typeList(1), 1);
    ASSERT_TRUE(editor.ok());
    EXPECT_EQ(m_project->form(1).lineType[0], 1);
    EXPECT_EQ(m_project->form(1).lastInputLine, 1);
    EXPECT_TRUE(m_isModified);
}

TEST_F(FormPageInSheet, CancelAfterEditingSeveralFormsChangesNothing)
{
    const auto before = m_project->forms;
    auto editor = sheet();
    auto* page = dynamic_cast<FormPage*>(editor.pageModel(SheetPage::Form));
    ASSERT_NE(page, nullptr);
    page->select(resources::typeList(1), 1);
    page->select(resources::FormPageId::FormList, 8);
    page->select(resources::FormPageId::RecordList, 3);
    ASSERT_TRUE(editor.showPage(static_cast<int>(SheetPage::Menu)));
    editor.cancel();
    EXPECT_EQ(std::memcmp(&before, &m_project->forms, sizeof before), 0);
    EXPECT_FALSE(m_isModified);
}

} // namespace
} // namespace editor::forms
