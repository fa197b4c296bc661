// SPDX-License-Identifier: MIT
#include "editor/settings/settings_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "resources/settings_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::settings {
namespace {

using resources::SettingsPageId;
using ui::testing::DialogHarness;
using Id = SettingsPageId;

class SettingsPageTest : public ::testing::Test
{
protected:
    DialogHarness open(project::Model model = project::Model::Q720CE,
                       ui::LanguageState language = ui::LanguageState::BuiltinOnly)
    {
        return DialogHarness(resources::settingsPageTemplate, SettingsPage(*project, texts, language, model));
    }

    std::unique_ptr<project::Project> project = testing_support::startedProject();
    testing_support::OverrideTextSource texts;
};

TEST_F(SettingsPageTest, SettingsDisablesItsPartsWithoutChangingThemAndApplyStoresAllFlags)
{
    project->reader[project::ReaderByte::ImageCaptureOn] = 1;
    project->device.protectAutoPreload = 1;
    project->device.protectVibrator = 1;
    project->device.reserved93 = 1;
    DialogHarness page = open();
    page.click(Id::SettingsCheck);
    for (const SettingsPageId part : resources::SettingsFunctionChecks) {
        EXPECT_FALSE(page.isEnabled(part)) << static_cast<int>(part);
    }
    EXPECT_TRUE(page.isChecked(Id::AutoPreloadCheck));
    EXPECT_FALSE(page.isChecked(Id::DataDeletionCheck));
    EXPECT_TRUE(page.isChecked(Id::VibratorCheck));
    for (const SettingsPageId check : {Id::OpenCheck, Id::ExportCheck, Id::ImageCaptureCheck}) {
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

}  // namespace
}  // namespace editor::settings
