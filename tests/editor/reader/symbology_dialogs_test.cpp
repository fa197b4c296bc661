// SPDX-License-Identifier: MIT
// The special rules of the symbology dialogs of the three readers (2D imager, laser/CCD, long
// range). What every dialog promises (bindings, flags, Cancel) is the registry's loop test; the
// length group and the binding kinds are the engine's test.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/dialog_bench.h"
#include "editor/dialog_registry.h"
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"
#include "resources/laser_templates.h"
#include "resources/reader_templates.h"

namespace editor::reader {
namespace {

using bench::DialogHarness;
using Bytes = std::vector<std::pair<std::size_t, project::Byte>>;
using Act = std::function<void(DialogHarness&)>;
using Imager = resources::UpcAImagerId;  // the UPC/EAN dialogs share their IDs
using TwoOfFive = resources::LaserTwoOfFiveId;

class SymbologyDialogs : public bench::BenchTest
{
protected:
    void store(const Bytes& bytes)
    {
        for (const auto& [offset, value] : bytes) {
            at(offset) = value;
        }
    }
};

// Every reader byte that changes is listed: each dialog writes its own bytes and no other's.
TEST_F(SymbologyDialogs, EachChoiceStoresTheValueTheTerminalReadsAndNothingElse)
{
    using LongEan13 = resources::Ean13LongRangeId;
    using Code39 = resources::Code39ImagerId;
    struct Row
    {
        const char* name;
        const ParameterDialogSpec& spec;
        Bytes stored;
        Act act;
        Bytes expected;
    };
    const auto disables = [](ui::ControlId control, ui::ControlId dependent, int selection = -1) -> Act {
        return [=](DialogHarness& d) {
            EXPECT_TRUE(d.isEnabled(dependent));
            selection < 0 ? d.click(control) : d.select(control, selection);
            EXPECT_FALSE(d.isEnabled(dependent));
        };
    };
    const Row rows[] = {
        {"laser Matrix 25 start/stop in the Interleaved 25 dialog", laserInterleaved25Dialog, {{18, 1}},
         [](DialogHarness& d) { d.click(TwoOfFive::Matrix25Radio); }, {{18, 2}}},
        {"laser MSI both digits not transmitted, max/min", laserMsiDialog, {{35, 1}, {36, 0}},
         [](DialogHarness& d) {
             d.click(ui::ControlId(706));
             d.click(resources::LaserMsiId::MaxMinLengthRadio);
         },
         {{35, 2}, {36, 1}}},
        {"Telepen AIM is stored as 0", telepenDialog, {{63, 1}},
         [](DialogHarness& d) { d.click(resources::TelepenId::AimRadio); }, {{63, 0}}},
        {"DataBar-14 code ID only: its boxes run against its bytes", laserDataBar14Dialog, {{65, 0}, {66, 0}, {67, 0}},
         [](DialogHarness& d) { d.click(resources::LaserDataBarChecks.at(0)); }, {{67, 1}}},
        {"Codabar ABCD / TN*E", laserCodabarDialog, {{32, 0}}, [](DialogHarness& d) { d.click(ui::ControlId(705)); },
         {{32, 4}}},
        {"laser transmit check digit stays free without verification", laserIndustrial25Dialog, {{12, 0}, {13, 1}},
         [](DialogHarness& d) {
             EXPECT_TRUE(d.isEnabled(TwoOfFive::TransmitCheckDigitCheck));
             d.click(TwoOfFive::TransmitCheckDigitCheck);
         },
         {{13, 0}}},
        {"laser GS1-128 code ID", laserGs1128Dialog, {},
         [](DialogHarness& d) { d.click(resources::LaserGs1128Id::TransmitCodeIdCheck); }, {{77, 1}}},
        {"long-range UPC-E0 supplementals: byte 107, not the 2D byte 197", upcE0LongRangeDialog, {},
         [](DialogHarness& d) { d.select(resources::UpcE0ImagerId::SupplementalsList, 1); }, {{107, 1}}},
        {"long-range EAN-13 supplementals and redundancy", ean13LongRangeDialog, {},
         [](DialogHarness& d) {
             d.select(LongEan13::SupplementalsList, 2);
             d.enter(LongEan13::RedundancyEdit, "20");
         },
         {{107, 2}, {108, 20}}},
        {"long-range Interleaved 25 \"Disable\" clears Transmit Check Digit", interleaved25LongRangeDialog,
         {{141, 1}, {142, 1}},
         disables(resources::Interleaved25ImagerId::VerifyCheckDigitList,
                  resources::Interleaved25ImagerId::TransmitCheckDigitCheck, 0),
         {{141, 0}, {142, 0}}},
        {"long-range Code 39 range stored ascending", code39LongRangeDialog, {},
         [](DialogHarness& d) {
             d.enter(Code39::Length1Edit, "40");
             d.enter(Code39::Length2Edit, "10");
         },
         {{128, 10}, {129, 40}}},
        {"2D MicroPDF417 off keeps Code 128 Emulation's mark", symbologiesImagerDialog, {{275, 1}, {276, 1}},
         disables(resources::SymbologiesImagerId::MicroPdf417Check, resources::SymbologiesImagerId::Code128EmulationCheck),
         {{275, 0}, {276, 1}}},
        {"2D Interleaved 25 \"Disable\" clears Transmit Check Digit", interleaved25ImagerDialog, {{237, 1}, {238, 1}},
         disables(resources::Interleaved25ImagerId::VerifyCheckDigitList,
                  resources::Interleaved25ImagerId::TransmitCheckDigitCheck, 0),
         {{237, 0}, {238, 0}}},
        {"2D Code 11 \"No verification\" clears Transmit Check Digit", code11ImagerDialog, {{231, 2}, {232, 1}},
         disables(resources::Code11ImagerId::VerifyCheckDigitList, resources::Code11ImagerId::TransmitCheckDigitCheck, 0),
         {{231, 0}, {232, 0}}},
        {"2D MSI one check digit keeps the algorithm", msiImagerDialog, {{254, 1}, {256, 1}},
         disables(resources::MsiImagerId::CheckDigitsList, resources::MsiImagerId::CheckAlgorithmList, 0),
         {{254, 0}, {256, 1}}},
        {"2D Code 39 verification off clears Transmit; a prefix without Code 32 is cleared", code39ImagerDialog,
         {{215, 0}, {216, 1}, {220, 1}, {221, 1}},
         [disables](DialogHarness& d) {
             EXPECT_FALSE(d.isEnabled(Code39::Code32PrefixCheck) || d.isChecked(Code39::Code32PrefixCheck));
             disables(Code39::VerifyCheckDigitCheck, Code39::TransmitCheckDigitCheck)(d);
         },
         {{216, 0}, {220, 0}, {221, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        project = testing_support::startedProject();
        store(row.stored);
        const std::vector<project::Byte> before(project->reader.bytes.begin(), project->reader.bytes.end());
        DialogHarness dialog = open(row.spec);
        row.act(dialog);
        ASSERT_TRUE(dialog.ok());
        std::set<std::size_t> expected;
        for (const auto& [offset, value] : row.expected) {
            EXPECT_EQ(at(offset), value) << "byte " << offset;
            if (before[offset] != value) {
                expected.insert(offset);
            }
        }
        std::set<std::size_t> changed;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (at(i) != before[i]) {
                changed.insert(i);
            }
        }
        EXPECT_EQ(changed, expected);
    }
}

// Supplementals (2D 197, long range 107) enable the redundancy (198, 108), one setting for all
// UPC/EAN types of a reader; a stored redundancy is checked at OK only while it is enabled.
TEST_F(SymbologyDialogs, RedundancyFollowsTheSupplementalsAndIsCheckedOnlyWhileEnabled)
{
    DialogHarness upcE0 = open(upcE0ImagerDialog);
    EXPECT_FALSE(upcE0.isEnabled(Imager::RedundancyEdit));  // "Ignore Supplementals"
    upcE0.select(Imager::SupplementalsList, 2);
    EXPECT_TRUE(upcE0.isEnabled(Imager::RedundancyEdit) && upcE0.isEnabled(Imager::RedundancyLabel));
    upcE0.enter(Imager::RedundancyEdit, "1");
    EXPECT_EQ(upcE0.text(Imager::RedundancyEdit), "2");
    upcE0.type(Imager::RedundancyEdit, "45");
    EXPECT_EQ(upcE0.text(Imager::RedundancyEdit), "30");
    ASSERT_TRUE(upcE0.ok());
    EXPECT_EQ(at(197), 2);
    EXPECT_EQ(at(198), 30);
    const std::pair<const ParameterDialogSpec*, ui::ControlId> others[] = {
        {&upcAImagerDialog, Imager::SupplementalsList},
        {&upcE1ImagerDialog, resources::UpcE1ImagerId::SupplementalsList},
        {&ean8ImagerDialog, resources::Ean8ImagerId::SupplementalsList},
        {&ean13ImagerDialog, resources::Ean13ImagerId::SupplementalsList}};
    for (const auto& [spec, supplementals] : others) {
        DialogHarness dialog = open(*spec);
        EXPECT_EQ(dialog.selection(supplementals), 2) << spec->dialogTemplate.name;
        EXPECT_EQ(dialog.text(Imager::RedundancyEdit), "30") << spec->dialogTemplate.name;
    }

    struct Row
    {
        const char* name;
        const ParameterDialogSpec& spec;
        Bytes stored;  // supplementals, redundancy
        ui::ControlId other;  // another box the user changes
        bool isAccepted;
    };
    const ui::ControlId toEan13 = resources::Ean8ImagerId::ConvertToEan13Check;
    const Row rows[] = {
        {"disabled zero is kept", ean8ImagerDialog, {{197, 0}, {198, 0}}, toEan13, true},
        {"enabled zero is refused", ean8ImagerDialog, {{197, 2}, {198, 0}}, toEan13, false},
        {"stored 45 is shown and kept", ean8ImagerDialog, {{197, 2}, {198, 45}}, toEan13, true},
        {"disabled 99 is kept", ean8ImagerDialog, {{197, 1}, {198, 99}}, toEan13, true},
        {"long range: enabled zero is refused", upcE1LongRangeDialog, {{107, 2}, {108, 0}},
         resources::UpcE1ImagerId::ConvertToUpcACheck, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        project = testing_support::startedProject();
        store(row.stored);
        const std::vector<project::Byte> before = image();
        DialogHarness dialog = open(row.spec);
        EXPECT_EQ(dialog.text(Imager::RedundancyEdit), std::to_string(row.stored[1].second));
        dialog.click(row.other);
        EXPECT_EQ(dialog.ok(), row.isAccepted);
        EXPECT_EQ(dialog.host().hasWarned(2602, 2854), !row.isAccepted);
        EXPECT_EQ(at(row.stored[1].first), row.stored[1].second);
        EXPECT_EQ(image() != before, row.isAccepted);
        if (!row.isAccepted) {
            EXPECT_EQ(image(), before);  // a refused OK stores nothing
            EXPECT_EQ(dialog.controls().focus(), ui::ControlId(Imager::RedundancyEdit));
        }
    }
}

// Bytes 280 mode, 281 control header (written live by the mode), 282 escape characters.
TEST_F(SymbologyDialogs, MacroPdfControlHeaderFollowsTheModeWhileOpenAndCancelTakesItBack)
{
    using Id = resources::MacroPdfImagerId;
    at(281) = 1;
    {
        DialogHarness dialog = open(macroPdfImagerDialog);
        EXPECT_EQ(at(281), 0);  // "Pass Through All Symbols" at opening
        dialog.select(Id::ModeList, 1);
        EXPECT_EQ(at(281), 1);
        dialog.cancel();
        EXPECT_EQ(at(281), 1);
    }
    {
        DialogHarness dialog = open(macroPdfImagerDialog);
        dialog.select(Id::ModeList, 1);
        dialog.select(Id::ModeList, 2);
        dialog.select(Id::EscapeList, 1);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ((std::array{at(280), at(281), at(282)}), (std::array<project::Byte, 3>{2, 0, 2}));
    }
    at(282) = 1;  // never written by the editor: shown as no choice and kept
    DialogHarness dialog = open(macroPdfImagerDialog);
    EXPECT_EQ(dialog.selection(Id::EscapeList), -1);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(at(282), 1);
}

// The separator lives in the system settings (block 5), shared by both GS1-128 dialogs.
TEST_F(SymbologyDialogs, Gs1128SeparatorIsOneCharacterOrNone)
{
    struct Row
    {
        const ParameterDialogSpec& spec;
        ui::ControlId edit;
        const char* typed;
        project::Byte stored;
    };
    const ui::ControlId imagerEdit = resources::Gs1128ImagerId::SeparatorEdit;
    const Row rows[] = {
        {gs1128ImagerDialog, imagerEdit, "#", '#'},
        {gs1128ImagerDialog, imagerEdit, "", 0},
        {gs1128ImagerDialog, imagerEdit, "\xA7", 0xA7},
        {gs1128ImagerDialog, imagerEdit, "ab", 'a'},
        {laserGs1128Dialog, resources::LaserGs1128Id::SeparatorEdit, "#", '#'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        project->device.gs1Separator = '~';
        DialogHarness dialog = open(row.spec);
        EXPECT_EQ(dialog.text(row.edit), "~");
        dialog.paste(row.edit, row.typed);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(project->device.gs1Separator, row.stored);
    }
}

}  // namespace
}  // namespace editor::reader
