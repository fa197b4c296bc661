// SPDX-License-Identifier: MIT
#include "editor/property_sheet_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "editor/pending_page_model.h"
#include "editor/shell/editor_session.h"
#include "resources/menu_templates.h"
#include "resources/sheet_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"
#include "ui/dialog_model.h"
#include "ui/dialog_template.h"

namespace editor {
namespace {

// Pages that write down every notification they receive, in one shared journal.
std::vector<std::string>* journal = nullptr;
bool refuseLeaving = false;
bool refuseApply = false;

template <char Name> class RecordingPage final : public ui::DialogModel
{
protected:
    void onInit() override { note("init"); }
    void onSetActive() override { note("active"); }
    bool onKillActive() override
    {
        note("left");
        return !refuseLeaving;
    }
    bool onApply() override
    {
        note("apply");
        return !(Name == 'B' && refuseApply);
    }
    void onCancel() override { note("cancel"); }

private:
    static void note(const char* what) { journal->push_back(std::string(1, Name) + ' ' + what); }
};

template <char Name> CreatedPage createRecording(const SheetContext&)
{
    return {&resources::pendingPageTemplate(), std::make_unique<RecordingPage<Name>>()};
}

constexpr PageEntry recordingPages[] = {
    {texts::sid(3), &createRecording<'A'>},
    {texts::sid(4), &createRecording<'B'>},
    {texts::sid(5), &createRecording<'C'>},
};

class PropertySheetModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        journal = &m_journal;
        refuseLeaving = false;
        refuseApply = false;
    }
    void TearDown() override { journal = nullptr; }

    // The sheet's pages with the Form page, which always applies and sets the modified flag,
    // left out: what the other pages apply shows on its own.
    static std::array<PageEntry, SheetPageCount> withoutFormPage()
    {
        std::array<PageEntry, SheetPageCount> pages{};
        std::copy(sheetPages().begin(), sheetPages().end(), pages.begin());
        pages[static_cast<std::size_t>(SheetPage::Form)].create = nullptr;
        return pages;
    }

    PropertySheetModel sheet(std::span<const PageEntry> pages = sheetPages(), std::string_view path = "")
    {
        return {*m_project, m_texts, ui::LanguageState::BuiltinOnly, project::Model::Q720CE, m_isModified, path,
                m_host,     pages};
    }

    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    texts::BuiltinTextSource m_texts;
    ui::testing::ScriptedHost m_host;
    bool m_isModified = false;
    std::vector<std::string> m_journal;
};

TEST_F(PropertySheetModelTest, FiveTabsInOrderWithBuiltinTitles)
{
    auto editor = sheet();
    ASSERT_EQ(editor.pageCount(), 5);
    EXPECT_EQ(editor.pageTitle(0), "Form");
    EXPECT_EQ(editor.pageTitle(1), "Menu");
    EXPECT_EQ(editor.pageTitle(2), "Lookup");
    EXPECT_EQ(editor.pageTitle(3), "Barcode");
    EXPECT_EQ(editor.pageTitle(4), "Settings");
}

TEST_F(PropertySheetModelTest, TranslatedTitlesComeFromTheLanguage)
{
    testing_support::OverrideTextSource language;
    language.set(4, "Menue");
    language.set(7, "Einstellungen");
    PropertySheetModel editor(*m_project, language, ui::LanguageState::Loaded, project::Model::Q720CE, m_isModified, "",
                              m_host);
    EXPECT_EQ(editor.pageTitle(1), "Menue");
    EXPECT_EQ(editor.pageTitle(4), "Einstellungen");
    EXPECT_EQ(editor.pageTitle(0), "Form");
}

TEST_F(PropertySheetModelTest, CaptionNamesModelAndFile)
{
    EXPECT_EQ(sheet(sheetPages(), "").caption(), "Q720CE Formwright - [ New file ]");
    EXPECT_EQ(sheet(sheetPages(), "Unknow").caption(), "Q720CE Formwright - [ New file ]");
    EXPECT_EQ(sheet(sheetPages(), "/data/stock.Q72").caption(), "Q720CE Formwright - [ /data/stock.Q72 ]");
}

TEST_F(PropertySheetModelTest, EditCommandSessionGivesProjectModelAndFile)
{
    const editor::EditorSession session{
        *m_project, m_isModified,          m_texts, ui::LanguageState::BuiltinOnly, project::Model::Q720PPC,
        m_host,     "C:\\stock\\count.Q72"};
    std::vector<int> opened;
    PropertySheetModel editor(session,
                              [this, &opened](int index, const ui::DialogTemplate& dialog, ui::DialogModel& page) {
                                  opened.push_back(index);
                                  page.open(dialog, m_host);
                              });
    EXPECT_EQ(editor.caption(), "Q720PPC Formwright - [ C:\\stock\\count.Q72 ]");
    ASSERT_TRUE(editor.showPage(1));
    EXPECT_EQ(opened, (std::vector<int>{0, 1})) << "the opener builds each page once, when first shown";
}

TEST_F(PropertySheetModelTest, OpensOnTheFirstPageAndCreatesNoOther)
{
    auto editor = sheet(recordingPages);
    EXPECT_EQ(editor.currentPage(), 0);
    EXPECT_TRUE(editor.isCreated(0));
    EXPECT_FALSE(editor.isCreated(1));
    EXPECT_FALSE(editor.isCreated(2));
    EXPECT_EQ(m_journal, (std::vector<std::string>{"A init", "A active"}));
}

TEST_F(PropertySheetModelTest, SwitchingTabsTellsTheLeftPageThenCreatesAndActivatesTheNext)
{
    auto editor = sheet(recordingPages);
    m_journal.clear();
    ASSERT_TRUE(editor.showPage(2));
    ASSERT_TRUE(editor.showPage(0));
    EXPECT_EQ(m_journal, (std::vector<std::string>{"A left", "C init", "C active", "C left", "A active"}));
    EXPECT_FALSE(editor.isCreated(1));
}

TEST_F(PropertySheetModelTest, PageRefusingToBeLeftStaysShown)
{
    auto editor = sheet(recordingPages);
    refuseLeaving = true;
    EXPECT_FALSE(editor.showPage(1));
    EXPECT_EQ(editor.currentPage(), 0);
    EXPECT_FALSE(editor.isCreated(1));
    EXPECT_FALSE(editor.ok());
}

TEST_F(PropertySheetModelTest, OkAppliesOnlyShownPagesInTabOrder)
{
    auto editor = sheet(recordingPages);
    ASSERT_TRUE(editor.showPage(2));
    m_journal.clear();
    EXPECT_TRUE(editor.ok());
    EXPECT_EQ(m_journal, (std::vector<std::string>{"C left", "A apply", "C apply"}));
}

TEST_F(PropertySheetModelTest, RefusedApplyKeepsTheSheetOpenOnThatPage)
{
    auto editor = sheet(recordingPages);
    ASSERT_TRUE(editor.showPage(1));
    ASSERT_TRUE(editor.showPage(2));
    refuseApply = true;
    EXPECT_FALSE(editor.ok());
    EXPECT_EQ(editor.currentPage(), 1);
}

TEST_F(PropertySheetModelTest, CancelTellsEveryShownPage)
{
    auto editor = sheet(recordingPages);
    ASSERT_TRUE(editor.showPage(1));
    m_journal.clear();
    editor.cancel();
    EXPECT_EQ(m_journal, (std::vector<std::string>{"A cancel", "B cancel"}));
}

TEST_F(PropertySheetModelTest, PagesStillToBeBuiltShowANotice)
{
    auto editor = sheet();
    ASSERT_TRUE(editor.showPage(static_cast<int>(SheetPage::Lookup)));
    EXPECT_EQ(editor.pageTemplate(2), &resources::pendingPageTemplate());
    EXPECT_NE(dynamic_cast<PendingPageModel*>(editor.pageModel(SheetPage::Lookup)), nullptr);
}

TEST_F(PropertySheetModelTest, OkWithoutVisitingTheMenuPageLeavesBlockOne)
{
    // A stale item count shows whether the Menu page applied.
    m_project->menu(1).itemName[0].assign("Receive");
    const auto projectBefore = *m_project;
    const auto pages = withoutFormPage();
    auto editor = sheet(pages);
    ASSERT_TRUE(editor.ok());
    EXPECT_EQ(std::memcmp(m_project.get(), &projectBefore, sizeof projectBefore), 0);
    EXPECT_FALSE(m_isModified);
}

TEST_F(PropertySheetModelTest, OkOnTheFirstPageLeavesTheBlocksOfUnvisitedPages)
{
    m_project->menu(1).itemName[0].assign("Receive"); // stale item count 0
    const auto menusBefore = m_project->menus;
    const auto lookupsBefore = m_project->lookups;
    auto editor = sheet();
    ASSERT_TRUE(editor.ok());
    EXPECT_EQ(std::memcmp(&m_project->menus, &menusBefore, sizeof menusBefore), 0);
    EXPECT_EQ(std::memcmp(&m_project->lookups, &lookupsBefore, sizeof lookupsBefore), 0);
}

TEST_F(PropertySheetModelTest, MenuPageAppliesOnOkWithoutSettingTheModifiedFlag)
{
    m_project->menu(1).itemName[0].assign("Receive");
    const auto pages = withoutFormPage();
    auto editor = sheet(pages);
    ASSERT_TRUE(editor.showPage(static_cast<int>(SheetPage::Menu)));
    ASSERT_TRUE(editor.ok());
    EXPECT_EQ(m_project->menu(1).itemCount, 1);
    EXPECT_FALSE(m_isModified);
}

TEST_F(PropertySheetModelTest, CancelAfterMenuEditsLeavesBlockOne)
{
    const auto menusBefore = m_project->menus;
    auto editor = sheet();
    ASSERT_TRUE(editor.showPage(static_cast<int>(SheetPage::Menu)));
    ui::DialogModel& menuPage = *editor.pageModel(SheetPage::Menu);
    menuPage.edit(resources::itemNameEdit(1), "Lost");
    menuPage.click(resources::MenuId::SaveCaptionCheck);
    editor.cancel();
    EXPECT_EQ(std::memcmp(&m_project->menus, &menusBefore, sizeof menusBefore), 0);
}

} // namespace
} // namespace editor
