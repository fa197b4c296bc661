// SPDX-License-Identifier: MIT
// The special rules of the 1D laser/CCD reader's symbology dialogs. What every dialog promises
// (bindings, flags, Cancel) is the registry's loop test; the length group is the engine's test.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/dialog_registry.h"
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::reader {
namespace {

using ui::testing::DialogHarness;
using Bytes = std::vector<std::pair<std::size_t, project::Byte>>;

class LaserDialogs : public ::testing::Test
{
protected:
    DialogHarness open(const ParameterDialogSpec& spec)
    {
        return DialogHarness(spec.dialogTemplate(), ParameterDialogModel(spec, {project->reader.bytes, device(), {}, 0},
                                                                         texts, ui::LanguageState::BuiltinOnly));
    }
    std::span<project::Byte> device()
    {
        return {reinterpret_cast<project::Byte*>(&project->device), sizeof(project::DeviceSettings)};
    }
    project::Byte& at(std::size_t offset) { return project->reader[offset]; }

    std::unique_ptr<project::Project> project = testing_support::startedProject();
    texts::BuiltinTextSource texts;
};

TEST_F(LaserDialogs, EachChoiceStoresTheValueTheTerminalReads)
{
    using TwoOfFive = resources::LaserTwoOfFiveId;
    using DataBar = resources::LaserDataBarId;
    struct Row
    {
        const char* name;
        const ParameterDialogSpec& spec;
        Bytes stored;
        std::function<void(DialogHarness&)> act;
        Bytes expected;
    };
    const Row rows[] = {
        {"Matrix 25 start/stop in the Interleaved 25 dialog",
         laserInterleaved25Dialog(),
         {{18, 1}},
         [](DialogHarness& d) { d.click(TwoOfFive::Matrix25Radio); },
         {{18, 2}, {11, 0}, {25, 2}}},
        {"MSI both digits not transmitted, max/min lengths",
         laserMsiDialog(),
         {{35, 1}, {36, 0}},
         [](DialogHarness& d) {
             d.click(ui::ControlId(706));
             d.click(resources::LaserMsiId::MaxMinLengthRadio);
             EXPECT_TRUE(d.isChecked(resources::LaserMsiId::MaxMinLengthRadio));
             EXPECT_FALSE(d.isChecked(resources::LaserMsiId::FixedLengthRadio));
         },
         {{35, 2}, {36, 1}}},
        {"Telepen AIM is stored as 0",
         telepenDialog(),
         {{63, 1}},
         [](DialogHarness& d) { d.click(resources::TelepenId::AimRadio); },
         {{63, 0}}},
        {"Telepen original is stored as 1",
         telepenDialog(),
         {{63, 0}},
         [](DialogHarness& d) { d.click(resources::TelepenId::OriginalRadio); },
         {{63, 1}}},
        {"DataBar-14 code ID only: its boxes run against its bytes",
         laserDataBar14Dialog(),
         {{65, 0}, {66, 0}, {67, 0}},
         [](DialogHarness& d) { d.click(DataBar::TransmitCodeIdCheck); },
         {{65, 0}, {66, 0}, {67, 1}}},
        {"DataBar Limited check digit only",
         laserDataBarLimitedDialog(),
         {{69, 0}, {70, 0}, {71, 0}},
         [](DialogHarness& d) { d.click(DataBar::TransmitCheckDigitCheck); },
         {{69, 1}, {70, 0}, {71, 0}}},
        {"Codabar ABCD / TN*E",
         laserCodabarDialog(),
         {{32, 0}},
         [](DialogHarness& d) { d.click(ui::ControlId(705)); },
         {{32, 4}}},
        {"transmit check digit stays free without verification",
         laserIndustrial25Dialog(),
         {{12, 0}, {13, 1}},
         [](DialogHarness& d) {
             EXPECT_TRUE(d.isEnabled(TwoOfFive::TransmitCheckDigitCheck));
             d.click(TwoOfFive::TransmitCheckDigitCheck);
         },
         {{12, 0}, {13, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        project = testing_support::startedProject();
        for (const auto& [offset, value] : row.stored) {
            at(offset) = value;
        }
        DialogHarness dialog = open(row.spec);
        const std::vector<project::Byte> before(project->reader.bytes.begin(), project->reader.bytes.end());
        row.act(dialog);
        EXPECT_EQ(std::vector<project::Byte>(project->reader.bytes.begin(), project->reader.bytes.end()), before)
            << "nothing is written before OK";
        ASSERT_TRUE(dialog.ok());
        for (const auto& [offset, value] : row.expected) {
            EXPECT_EQ(at(offset), value) << "byte " << offset;
        }
    }
}

// Max/min stores the larger length first, fixed lengths as they are, in each dialog's own bytes;
// the MSI boxes alone take letters (a letter becomes 1).
TEST_F(LaserDialogs, EveryLengthDialogStoresItsLengthsInItsOwnBytes)
{
    using TwoOfFive = resources::LaserTwoOfFiveId;
    using Msi = resources::LaserMsiId;
    struct Row
    {
        const ParameterDialogSpec& spec;
        std::size_t choice;  // followed by the two lengths
        ui::ControlId fixed;
        ui::ControlId maxMin;
        ui::ControlId length1;
        ui::ControlId length2;
        bool isDigitsOnly;
    };
    const Row rows[] = {
        {laserIndustrial25Dialog(), 14, TwoOfFive::FixedLengthRadio, TwoOfFive::MaxMinLengthRadio,
         TwoOfFive::Length1Edit, TwoOfFive::Length2Edit, true},
        {laserInterleaved25Dialog(), 21, TwoOfFive::FixedLengthRadio, TwoOfFive::MaxMinLengthRadio,
         TwoOfFive::Length1Edit, TwoOfFive::Length2Edit, true},
        {laserMatrix25Dialog(), 28, TwoOfFive::FixedLengthRadio, TwoOfFive::MaxMinLengthRadio, TwoOfFive::Length1Edit,
         TwoOfFive::Length2Edit, true},
        {laserMsiDialog(), 36, Msi::FixedLengthRadio, Msi::MaxMinLengthRadio, Msi::Length1Edit, Msi::Length2Edit,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.spec.dialogTemplate().name);
        for (const bool isMaxMin : {true, false}) {
            project = testing_support::startedProject();
            DialogHarness dialog = open(row.spec);
            EXPECT_TRUE(dialog.isChecked(row.maxMin));  // a new project's choice
            EXPECT_EQ(dialog.text(row.length1), "127");
            EXPECT_EQ(dialog.text(row.length2), "4");
            EXPECT_EQ(dialog.controls().isDigitsOnly(row.length1), row.isDigitsOnly);
            dialog.click(isMaxMin ? row.maxMin : row.fixed);
            dialog.enter(row.length1, "10");
            dialog.enter(row.length2, "50");
            ASSERT_TRUE(dialog.ok());
            EXPECT_EQ(at(row.choice), isMaxMin ? 1 : 0);
            EXPECT_EQ(at(row.choice + 1), isMaxMin ? 50 : 10);
            EXPECT_EQ(at(row.choice + 2), isMaxMin ? 10 : 50);
        }
        if (!row.isDigitsOnly) {
            DialogHarness dialog = open(row.spec);
            dialog.enter(row.length1, "ab");
            EXPECT_EQ(dialog.text(row.length1), "1");
        }
    }
}

TEST_F(LaserDialogs, Gs1128StoresTheCodeIdAndTheSharedSeparator)
{
    using Id = resources::LaserGs1128Id;
    project->device.gs1Separator = 0;
    DialogHarness dialog = open(laserGs1128Dialog());
    EXPECT_EQ(dialog.text(Id::SeparatorEdit), "");
    dialog.click(Id::TransmitCodeIdCheck);
    dialog.paste(Id::SeparatorEdit, "#");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(at(77), 1);
    EXPECT_EQ(project->device.gs1Separator, '#');
}

TEST(LaserButtons, EachLaserButtonOpensItsDialogAndNoOther)
{
    struct Row
    {
        int button;
        const char* dialog;  // nullptr: no parameter dialog
    };
    const Row rows[] = {
        {501, "CODE39_1DDLG"},
        {502, "ITALYPHARMA_1DDLG"},
        {503, "FRENCHPHARMA_1DDLG"},
        {504, "INDUSTRIAL25_1DDLG"},
        {505, "INTERLEAVE25_1DDLG"},
        {506, "MATRIX25_1DDLG"},
        {507, "CODABAR_1DDLG"},
        {508, "MSI_1DDLG"},
        {509, "PLESSEY_1DDLG"},
        {510, "UPCE_1DDLG"},
        {513, "EAN8_1DDLG"},
        {516, "EAN13_1DDLG"},
        {519, "TELEPEN_1DDLG"},
        {520, "RSS14_1DDLG"},
        {521, "RSS14LIMITED_1DDLG"},
        {522, "RSS14EXPANDED_1DDLG"},
        {525, "EAN128_1DDLG"},
        {511, nullptr},
        {523, nullptr},
        {531, nullptr},
    };
    std::set<std::string_view> opened;
    for (const int readerType : {1, 11}) {  // with and without the RFID reader
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(readerType) + " " + std::to_string(row.button));
            const ParameterDialogSpec* spec = parameterDialogForButton(readerType, ui::ControlId(row.button));
            if (row.dialog == nullptr) {
                EXPECT_EQ(spec, nullptr);
                continue;
            }
            ASSERT_NE(spec, nullptr);
            EXPECT_EQ(spec->dialogTemplate().name, row.dialog);
            opened.insert(row.dialog);
        }
    }
    for (const RegisteredParameterDialog& entry : allParameterDialogs()) {
        if (entry.name.ends_with("_1DDLG")) {
            EXPECT_TRUE(opened.contains(entry.name)) << entry.name;
        }
    }
}

}  // namespace
}  // namespace editor::reader
