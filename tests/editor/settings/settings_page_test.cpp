// SPDX-License-Identifier: MIT
#include "editor/settings/settings_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "editor/dialog_bench.h"
#include "editor/settings/character_grid_dialog.h"
#include "resources/settings_templates.h"

namespace editor::settings {
namespace {

using bench::DialogHarness;
using resources::CharacterGridId;
using Id = resources::SettingsPageId;

class SettingsPageTest : public bench::BenchTest
{
protected:
    DialogHarness open() { return openPage<SettingsPage>(resources::settingsPageTemplate, project::Model::Q720CE); }
};

TEST_F(SettingsPageTest, SettingsDisablesItsPartsWithoutChangingThemAndApplyStoresAllFlags)
{
    project->reader[project::ReaderByte::ImageCaptureOn] = 1;
    project->device.protectAutoPreload = 1;
    project->device.protectVibrator = 1;
    project->device.reserved93 = 1;
    DialogHarness page = open();
    page.click(Id::SettingsCheck);
    for (const Id part : resources::SettingsFunctionChecks) {
        EXPECT_FALSE(page.isEnabled(part)) << static_cast<int>(part);
    }
    for (const Id check : {Id::OpenCheck, Id::ExportCheck, Id::ImageCaptureCheck}) {
        page.click(check);
    }
    ASSERT_TRUE(page.apply());
    const project::DeviceSettings& d = project->device;
    const project::Byte flags[] = {d.protectOpen,        d.protectImport,       d.protectExport,
                                   d.protectEditData,    d.protectDeleteData,   d.protectSettings,
                                   d.protectAutoPreload, d.protectDataDeletion, d.protectEntryOptions,
                                   d.reserved93,         d.protectVibrator,     d.protectImageCapture};
    const project::Byte expected[] = {1, 0, 1, 0, 0, 1, 1, 0, 0, 0, 1, 1};
    EXPECT_EQ(std::memcmp(flags, expected, sizeof expected), 0);
}

TEST_F(SettingsPageTest, PressEnterStoresZeroAndStayingAgainStartsAtOne)
{
    DialogHarness page = open();
    page.click(Id::PressEnterRadio);
    EXPECT_EQ(page.text(Id::StayEdit), "0");
    EXPECT_FALSE(page.isEnabled(Id::StayEdit));
    EXPECT_FALSE(page.isEnabled(Id::StayUnitLabel));
    page.click(Id::StayRadio);
    EXPECT_EQ(page.text(Id::StayEdit), "1");
    EXPECT_TRUE(page.isEnabled(Id::StayEdit));
    page.click(Id::PressEnterRadio);
    page.select(Id::EntryOptionsList, 0);  // "No prompt": neither choice is offered
    EXPECT_FALSE(page.isEnabled(Id::StayRadio));
    EXPECT_FALSE(page.isEnabled(Id::PressEnterRadio));
    ASSERT_TRUE(page.apply());
    EXPECT_EQ(project->device.promptStay, 0);
    EXPECT_EQ(project->device.entryOptions, 0);
}

// Clicks the grid cell of a code: its column and row, counted from the headers.
void clickCode(DialogHarness& dialog, int code)
{
    dialog.modelAs<CharacterGridDialog>().clickCell(code / 16 + 1, code % 16 + 1);
}

TEST(CharacterGridDialog, ClicksAppendChoosableCodesUpToTheCapacity)
{
    const texts::BuiltinTextSource texts;
    const std::vector<project::Byte> held = {13, 0};
    DialogHarness dialog(resources::characterGridTemplate,
                         CharacterGridDialog(held, 10, texts, ui::LanguageState::BuiltinOnly));
    EXPECT_EQ(dialog.text(CharacterGridId::ResultingText), "Enter ");  // held codes stay
    for (const int refused : {0, 10, 13, 29, 30, 31}) {
        clickCode(dialog, refused);
    }
    dialog.modelAs<CharacterGridDialog>().clickCell(0, 5);   // a header
    dialog.modelAs<CharacterGridDialog>().clickCell(17, 5);  // outside
    EXPECT_EQ(dialog.modelAs<CharacterGridDialog>().codes(), std::vector<project::Byte>{13});
    for (int i = 0; i < 9; ++i) {
        clickCode(dialog, 'A' + i);
    }
    EXPECT_TRUE(dialog.host().warnings.empty());
    clickCode(dialog, 'Z');
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2853));
    EXPECT_EQ(dialog.modelAs<CharacterGridDialog>().codes().size(), 10U);
    EXPECT_EQ(dialog.modelAs<CharacterGridDialog>().currentColumn(), 'Z' / 16 + 1);  // the highlight moves
    EXPECT_EQ(dialog.text(CharacterGridId::ResultingText), "Enter A B C D E F G H I ");
}

}  // namespace
}  // namespace editor::settings
