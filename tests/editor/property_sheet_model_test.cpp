// SPDX-License-Identifier: MIT
#include "editor/property_sheet_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "editor/dialog_bench.h"
#include "editor/menus/menu_page.h"
#include "resources/form_templates.h"
#include "resources/menu_templates.h"
#include "resources/sheet_templates.h"

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
    return {&resources::pendingPageTemplate, std::make_unique<RecordingPage<Name>>()};
}

constexpr PageEntry recordingPages[] = {
    {texts::sid(3), &createRecording<'A'>},
    {texts::sid(4), &createRecording<'B'>},
    {texts::sid(5), &createRecording<'C'>},
};

using Journal = std::vector<std::string>;

class PropertySheetModelTest : public bench::BenchTest
{
protected:
    void SetUp() override { journal = &m_journal; }
    void TearDown() override { journal = nullptr; }

    PropertySheetModel sheet(std::span<const PageEntry> pages = sheetPages())
    {
        return {*project, texts, ui::LanguageState::BuiltinOnly, project::Model::Q720CE, m_isModified, "",
                m_host,   pages};
    }

    ui::testing::ScriptedHost m_host;
    bool m_isModified = false;
    Journal m_journal;
};

TEST_F(PropertySheetModelTest, PagesAreToldOfEveryStepInTabOrder)
{
    struct Row
    {
        const char* name;
        std::function<void(PropertySheetModel&)> act;
        Journal expected;
        int current;
    };
    const Row rows[] = {
        {"show 3 then 1",
         [](PropertySheetModel& e) { EXPECT_TRUE(e.showPage(2) && e.showPage(0) && !e.isCreated(1)); },
         {"A init", "A active", "A left", "C init", "C active", "C left", "A active"},
         0},
        {"leaving refused",
         [](PropertySheetModel& e) {
             refuseLeaving = true;
             EXPECT_FALSE(e.showPage(1) || e.isCreated(1) || e.ok());
         },
         {"A init", "A active", "A left", "A left"},
         0},
        {"OK",
         [](PropertySheetModel& e) { EXPECT_TRUE(e.showPage(2) && e.ok()); },
         {"A init", "A active", "A left", "C init", "C active", "C left", "A apply", "C apply"},
         2},
        {"apply refused",
         [](PropertySheetModel& e) {
             EXPECT_TRUE(e.showPage(1) && e.showPage(2));
             refuseApply = true;
             EXPECT_FALSE(e.ok());
         },
         {"A init", "A active", "A left", "B init", "B active", "B left", "C init", "C active", "C left", "A apply",
          "B apply", "B active"},
         1},
        {"Cancel",
         [](PropertySheetModel& e) {
             EXPECT_TRUE(e.showPage(1));
             e.cancel();
         },
         {"A init", "A active", "A left", "B init", "B active", "A cancel", "B cancel"},
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_journal.clear();
        refuseLeaving = false;
        refuseApply = false;
        auto editor = sheet(recordingPages);
        row.act(editor);
        EXPECT_EQ(m_journal, row.expected);
        EXPECT_EQ(editor.currentPage(), row.current);
    }
}

TEST_F(PropertySheetModelTest, OkOnTheFirstPageCommitsOnlyTheFormsAndSetsTheModifiedFlag)
{
    project->menu(1).itemName[0].assign("Receive");  // stale item count 0: shows a Menu page apply
    const auto before = *project;
    auto editor = sheet();
    editor.pageModel(SheetPage::Form)->select(resources::typeList(1), 1);
    ASSERT_TRUE(editor.ok());
    EXPECT_EQ(project->form(1).lineType[0], 1);
    EXPECT_EQ(project->form(1).lastInputLine, 1);
    EXPECT_TRUE(m_isModified);
    auto expected = before;
    expected.forms = project->forms;
    EXPECT_EQ(std::memcmp(project.get(), &expected, sizeof expected), 0);
}

// The Menu page keeps its edits in a working copy until the sheet's OK.
using MenuPageTest = PropertySheetModelTest;

TEST_F(MenuPageTest, WorkingCopyKeepsEditsAcrossMenuSwitchesAndApplyCountsNamedItems)
{
    project->menu(3).itemName[13].assign("Beyond the page");
    bench::DialogHarness page = openPage<menus::MenuPage>(resources::menuPageTemplate);
    page.type(resources::itemNameEdit(1), "Receive");
    page.type(resources::itemNameEdit(3), "Three");
    page.select(resources::MenuPageId::MenuList, 2);
    EXPECT_EQ(page.text(resources::itemNameEdit(1)), "");
    page.type(resources::itemNameEdit(1), "Ship");
    page.select(resources::itemNextList(1), 21);
    page.select(resources::MenuPageId::MenuList, 0);
    EXPECT_EQ(page.text(resources::itemNameEdit(1)), "Receive");
    EXPECT_EQ(page.selection(resources::itemNextList(1)), 0);
    EXPECT_TRUE(project->menu(1).itemName[0].isEmpty()) << "edits stay in the working copy until OK";

    ASSERT_TRUE(page.apply());
    EXPECT_EQ(project->menu(1).itemName[0].str(), "Receive");
    EXPECT_EQ(project->menu(3).itemName[0].str(), "Ship");
    EXPECT_EQ(project->menu(3).itemNext[0], 21);
    EXPECT_EQ(project->menu(1).itemCount, 2) << "gaps are not counted";
    EXPECT_EQ(project->menu(3).itemCount, 2) << "items beyond the ten shown are counted";
    EXPECT_EQ(project->menu(2).itemCount, 0);
}

}  // namespace
}  // namespace editor
