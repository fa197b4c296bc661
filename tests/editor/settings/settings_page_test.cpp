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

using resources::SettingsId;
using resources::TransactionFileId;
using ui::testing::DialogHarness;
using Id = SettingsId;

class SettingsPageTest : public ::testing::Test
{
protected:
    DialogHarness open(project::Model model = project::Model::Q720CE,
                       ui::LanguageState language = ui::LanguageState::BuiltinOnly)
    {
        return DialogHarness(resources::settingsPageTemplate(), SettingsPage(*project, texts, language, model));
    }

    std::unique_ptr<project::Project> project = testing_support::startedProject();
    testing_support::OverrideTextSource texts;
};

// What the user leaves in an edit box, what it shows then, and what Apply stores.
TEST_F(SettingsPageTest, EditsAreCorrectedWhenLeftAndStoredAtApply)
{
    struct Row
    {
        const char* name;
        SettingsId edit;
        const char* typed;
        const char* shown;
        std::optional<SettingsId> paired;
        const char* pairedShown;
        std::size_t byte;
        int stored;
        bool isRefused;
    };
    const Row rows[] = {
        {"code 59 is a semicolon", Id::FirstDelimiterCodeEdit, "59", "59", Id::FirstDelimiterCharacterEdit, ";", 64, 59,
         false},
        {"code 13 is refused", Id::FirstDelimiterCodeEdit, "13", "44", Id::FirstDelimiterCharacterEdit, ",", 64, 44,
         true},
        {"code above 255", Id::FirstDelimiterCodeEdit, "300", "255", Id::FirstDelimiterCharacterEdit, "\xff", 64, 255,
         false},
        {"leading zeros", Id::FirstDelimiterCodeEdit, "007", "7", Id::FirstDelimiterCharacterEdit, "\x07", 64, 7,
         false},
        {"emptied code", Id::FirstDelimiterCodeEdit, "", "0", Id::FirstDelimiterCharacterEdit, "", 64, 0, false},
        {"character", Id::FirstDelimiterCharacterEdit, "|", "|", Id::FirstDelimiterCodeEdit, "124", 64, 124, false},
        {"pasted carriage return", Id::FirstDelimiterCharacterEdit, "\r", ",", Id::FirstDelimiterCodeEdit, "44", 64, 44,
         true},
        {"stay 0", Id::StayEdit, "0", "1", std::nullopt, "", 69, 1, false},
        {"stay emptied", Id::StayEdit, "", "1", std::nullopt, "", 69, 1, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        project = testing_support::startedProject();
        DialogHarness page = open();
        page.enter(row.edit, row.typed);
        EXPECT_EQ(page.text(row.edit), row.shown);
        if (row.paired) {
            EXPECT_EQ(page.text(*row.paired), row.pairedShown);
        }
        EXPECT_EQ(page.host().hasWarned(2602, 2854), row.isRefused);
        ASSERT_TRUE(page.apply());
        EXPECT_EQ(reinterpret_cast<const project::Byte*>(&project->device)[row.byte], row.stored);
    }
}

TEST_F(SettingsPageTest, NumberOfDelimitersDecidesWhatApplyStores)
{
    const int expected[][2] = {{0, 0}, {44, 0}, {44, 59}};
    for (int count = 0; count <= 2; ++count) {
        SCOPED_TRACE(count);
        project->device.delimiter1 = 44;
        project->device.delimiter2 = 59;
        DialogHarness page = open();
        EXPECT_EQ(page.selection(Id::DelimiterCountList), 2);
        page.select(Id::DelimiterCountList, count);
        EXPECT_EQ(page.isEnabled(Id::FirstDelimiterCodeEdit), count >= 1);
        EXPECT_EQ(page.isEnabled(Id::SecondDelimiterCharacterEdit), count == 2);
        ASSERT_TRUE(page.apply());
        EXPECT_EQ(project->device.delimiter1, expected[count][0]);
        EXPECT_EQ(project->device.delimiter2, expected[count][1]);
    }
}

TEST_F(SettingsPageTest, PasswordOfOtherThanLettersAndDigitsIsRefusedAndTheStoredOneShownAgain)
{
    struct Row
    {
        const char* pasted;
        int warning;  // 0: accepted
        const char* kept;
    };
    const Row rows[] = {{"ab c", 2852, "abc1"},
                        {"abc!", 2852, "abc1"},
                        {"\xe4\x62", 2852, "abc1"},
                        {"Zz09", 0, "Zz09"},
                        {"", 0, ""},
                        {"abcdefghijkl", 0, "abcdefghij"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pasted);
        project->device.password.assign("abc1");
        DialogHarness page = open();
        page.paste(Id::PasswordEdit, row.pasted);
        EXPECT_EQ(page.host().warnings.size(), row.warning == 0 ? 0U : 1U);
        EXPECT_EQ(page.host().hasWarned(2602, row.warning), row.warning != 0);
        EXPECT_EQ(page.text(Id::PasswordEdit), row.kept);
        ASSERT_TRUE(page.apply());
        EXPECT_EQ(project->device.password.view(), row.kept);
    }
}

TEST_F(SettingsPageTest, SettingsDisablesItsPartsWithoutChangingThemAndApplyStoresAllFlags)
{
    project->reader[project::ReaderByte::ImageCaptureOn] = 1;
    project->device.protectAutoPreload = 1;
    project->device.protectVibrator = 1;
    project->device.reserved93 = 1;
    DialogHarness page = open();
    page.click(Id::SettingsCheck);
    for (const SettingsId part : resources::SettingsFunctionChecks) {
        EXPECT_FALSE(page.isEnabled(part)) << static_cast<int>(part);
    }
    EXPECT_TRUE(page.isChecked(Id::AutoPreloadCheck));
    EXPECT_FALSE(page.isChecked(Id::DataDeletionCheck));
    EXPECT_TRUE(page.isChecked(Id::VibratorCheck));
    for (const SettingsId check : {Id::OpenCheck, Id::ExportCheck, Id::ImageCaptureCheck}) {
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

// "2D Image Capture" is offered only for the Q720CE with image capture on; otherwise Apply
// stores 0 whatever the project held.
TEST_F(SettingsPageTest, ImageCaptureProtectionNeedsTheQ720ceWithImageCaptureOn)
{
    for (const project::Model model : {project::Model::Q720CE, project::Model::Q720PPC}) {
        for (const project::Byte isCaptureOn : {0, 1}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(model)) + " capture " + std::to_string(isCaptureOn));
            const bool isOffered = model == project::Model::Q720CE && isCaptureOn == 1;
            project->reader[project::ReaderByte::ImageCaptureOn] = isCaptureOn;
            project->device.protectImageCapture = 1;
            DialogHarness page = open(model);
            EXPECT_EQ(page.isEnabled(Id::ImageCaptureCheck), isOffered);
            EXPECT_EQ(page.isChecked(Id::ImageCaptureCheck), isOffered);
            ASSERT_TRUE(page.apply());
            EXPECT_EQ(project->device.protectImageCapture, isOffered ? 1 : 0);
        }
    }
}

TEST_F(SettingsPageTest, CancelKeepsWhatTheTransactionFileDialogStored)
{
    DialogHarness page = open();
    page.click(Id::OneDataFileCheck);
    ASSERT_TRUE(page.isEnabled(Id::MoreButton));
    page.host().onDialog("ADVANCEDLG1", [](DialogHarness& dialog) {
        dialog.paste(TransactionFileId::ExportNameEdit, "STOCK_COUNT_OF_THE_YEAR");
        dialog.click(TransactionFileId::AutoExportCheck);
        dialog.click(TransactionFileId::AppendRadio);
        dialog.click(TransactionFileId::ChangeExportNameCheck);
        EXPECT_TRUE(dialog.ok());
        return ui::DialogResult::Ok;
    });
    page.click(Id::MoreButton);
    page.cancelPage();
    const project::TransactionFileSettings& t = project->transaction;
    EXPECT_EQ(t.exportName.view(), "STOCK_COUNT_OF_THE_Y");  // 20 characters
    EXPECT_EQ(t.changeExportName, 0);
    EXPECT_EQ(t.autoExport, 1);
    EXPECT_EQ(t.saveMode, 1);
    EXPECT_EQ(t.oneDataFile, 0);  // the page's own box is stored at Apply only
}

TEST_F(SettingsPageTest, ResetRestoresTheNewProjectsSettingsAndRefillsTheTextsAtOnce)
{
    const auto fresh = testing_support::startedProject();
    project->device.password.assign("abc");
    project->device.protectSettings = 1;
    project->device.exportStore.assign("\\SD");
    project->device.deleteDatabaseOnOpen = 1;
    project->device.sound = 0;
    project->transaction.exportName.assign("OLD");
    project->transaction.oneDataFile = 1;
    project->texts.slot(7, 0)[0] = 'X';
    DialogHarness page = open();
    page.select(Id::VibratorList, 3);
    page.click(Id::PressEnterRadio);
    page.click(Id::OpenCheck);
    page.click(Id::ResetButton);
    EXPECT_EQ(page.text(Id::PasswordEdit), "");
    EXPECT_TRUE(page.isChecked(Id::StayRadio));
    EXPECT_FALSE(page.isChecked(Id::OpenCheck));
    EXPECT_TRUE(page.isEnabled(Id::AutoPreloadCheck));
    EXPECT_FALSE(page.isChecked(Id::OneDataFileCheck));
    EXPECT_EQ(std::memcmp(&project->transaction, &fresh->transaction, sizeof fresh->transaction), 0);
    EXPECT_EQ(std::memcmp(&project->texts, &fresh->texts, sizeof fresh->texts), 0);

    page.cancelPage();  // the page's bytes stay as they were, block 61 and the texts stay reset
    EXPECT_EQ(project->device.password.view(), "abc");
    EXPECT_EQ(project->transaction.exportName.view(), "DAT");

    DialogHarness again = open();
    again.click(Id::ResetButton);
    ASSERT_TRUE(again.apply());
    EXPECT_EQ(std::memcmp(&project->device, &fresh->device, sizeof fresh->device), 0);
}

}  // namespace
}  // namespace editor::settings
