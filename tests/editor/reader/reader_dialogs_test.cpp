// SPDX-License-Identifier: MIT
// The special rules of the reader's parameter dialogs: the symbology dialogs of the three readers
// (2D imager, laser/CCD, long range), image capture, the RFID parameters (the start position's -1,
// the delimiter's enabling chain) and the coupon code's setting and content dialogs. What every
// dialog promises (bindings, flags, Cancel) is the registry's loop test; the length group and the
// binding kinds are the engine's test.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/dialog_bench.h"
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"
#include "resources/laser_templates.h"
#include "resources/rfid_templates.h"

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
        {"long-range UPC-E0 supplementals: byte 107, not the 2D byte 197", upcE0LongRangeDialog, {},
         [](DialogHarness& d) { d.select(resources::UpcE0ImagerId::SupplementalsList, 1); }, {{107, 1}}},
        {"long-range EAN-13 supplementals and redundancy", ean13LongRangeDialog, {},
         [](DialogHarness& d) {
             d.select(LongEan13::SupplementalsList, 2);
             d.enter(LongEan13::RedundancyEdit, "20");
         },
         {{107, 2}, {108, 20}}},
        {"Interleaved 25 (both readers) \"Disable\" clears Transmit Check Digit", interleaved25LongRangeDialog,
         {{141, 1}, {142, 1}},
         disables(resources::Interleaved25ImagerId::VerifyCheckDigitList,
                  resources::Interleaved25ImagerId::TransmitCheckDigitCheck, 0),
         {{141, 0}, {142, 0}}},
        {"2D MicroPDF417 off keeps Code 128 Emulation's mark", symbologiesImagerDialog, {{275, 1}, {276, 1}},
         disables(resources::SymbologiesImagerId::MicroPdf417Check, resources::SymbologiesImagerId::Code128EmulationCheck),
         {{275, 0}, {276, 1}}},
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
        std::vector<project::Byte> expected = before;
        for (const auto& [offset, value] : row.expected) {
            expected[offset] = value;
        }
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(at(i), expected[i]) << "byte " << i;
        }
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
    upcE0.enter(Imager::RedundancyEdit, "30");
    ASSERT_TRUE(upcE0.ok());
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
        if (!row.isAccepted) {  // a refused OK stores nothing and focuses the box
            EXPECT_EQ(dialog.controls().focus(), ui::ControlId(Imager::RedundancyEdit));
        }
    }
}

// Bytes 280 mode, 281 control header (written live by the mode), 282 escape characters.
TEST_F(SymbologyDialogs, MacroPdfControlHeaderFollowsTheModeWhileOpen)
{
    using Id = resources::MacroPdfImagerId;
    at(281) = 1;
    {
        DialogHarness dialog = open(macroPdfImagerDialog);
        EXPECT_EQ(at(281), 0);  // "Pass Through All Symbols" at opening
        dialog.select(Id::ModeList, 1);
        EXPECT_EQ(at(281), 1);
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

// The image-capture bytes of block 4.
constexpr std::size_t Autoexposure = 293, Gain = 295, OptimizedForQuality = 299, Quality = 300, Size = 301,
                      Format = 302;

using Id = resources::ImageCaptureId;
using ImageCapture = bench::BenchTest;

TEST_F(ImageCapture, FormatChoosesBetweenTheJpegAndTheBmpControls)
{
    DialogHarness dialog = open(imageCaptureDialog);
    const auto expectEnabled = [&](const char* step, bool bmp, bool quality, bool size, bool optimize) {
        EXPECT_EQ(dialog.isEnabled(Id::BitsPerPixelList), bmp) << step;
        EXPECT_EQ(dialog.isEnabled(Id::BitsPerPixelLabel), bmp) << step;
        EXPECT_EQ(dialog.isEnabled(Id::QualityEdit), quality) << step;
        EXPECT_EQ(dialog.isEnabled(Id::QualityLabel), quality) << step;
        EXPECT_EQ(dialog.isEnabled(Id::SizeEdit), size) << step;
        EXPECT_EQ(dialog.isEnabled(Id::SizeLabel), size) << step;
        EXPECT_EQ(dialog.isEnabled(Id::OptimizedForQualityCheck), optimize) << step;
    };
    expectEnabled("opening: JPEG for quality", false, true, false, true);
    dialog.click(Id::OptimizedForQualityCheck);
    expectEnabled("JPEG for size", false, false, true, true);
    dialog.select(Id::FormatList, 1);
    expectEnabled("BMP", true, false, false, false);
    EXPECT_FALSE(dialog.isChecked(Id::OptimizedForQualityCheck));
    dialog.select(Id::FormatList, 0);
    expectEnabled("JPEG again, still for size", false, false, true, true);
    dialog.select(Id::FormatList, 1);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(at(Format), 3);
}

// Typed numbers are held to their ranges as typed or when editing finishes; stored numbers outside
// them open corrected, and OK stores the correction.
TEST_F(ImageCapture, NumberBoxesKeepToTheirRangesTypedOrStored)
{
    struct Row
    {
        ui::ControlId box;
        std::size_t offset;
        const char* typed;  // nullptr: the stored byte is shown
        project::Byte stored;  // before typing
        const char* shown;
    };
    const Row rows[] = {
        {Id::SizeEdit, Size, "200", 0, "150"},     {Id::SizeEdit, Size, "4", 0, "5"},
        {Id::QualityEdit, Quality, "", 0, "5"},    {Id::QualityEdit, Quality, "101", 0, "100"},
        {Id::GainEdit, Gain, "5", 0, "79"},        {Id::GainEdit, Gain, "128", 0, "127"},
        {Id::GainEdit, Gain, nullptr, 200, "127"}, {Id::QualityEdit, Quality, nullptr, 0, "5"},
        {Id::SizeEdit, Size, nullptr, 255, "150"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.typed ? row.typed : "stored ") + std::to_string(row.stored));
        project = testing_support::startedProject();
        at(Autoexposure) = 0;
        at(OptimizedForQuality) = row.box == ui::ControlId(Id::SizeEdit) ? 0 : 1;
        at(row.offset) = row.stored;
        DialogHarness dialog = open(imageCaptureDialog);
        if (row.typed != nullptr) {
            dialog.enter(row.box, row.typed);
        }
        EXPECT_EQ(dialog.text(row.box), row.shown);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(std::to_string(at(row.offset)), row.shown);
    }
}

using project::Byte;
using ui::DialogResult;
using Rfid = resources::RfidParameterId;
using Setting = resources::CouponSettingId;
using Content = resources::CouponContentId;
using RfidCoupon = bench::BenchTest;

// The 2D reader's coupon bytes.
constexpr std::size_t UpcA = 191, Ean13 = 195, Preamble = 202, Coupon = 208, Gs1128 = 211;

TEST_F(RfidCoupon, StartPositionMinusOneIsStoredAs255AndShownAgainAsMinusOne)
{
    at(312) = at(313) = 1;  // data and delimiter on: both boxes are usable
    DialogHarness dialog = open(rfidDialog);
    dialog.type(Rfid::StartPositionEdit, "-1");  // the rest of the signed box is the engine's test
    dialog.paste(Rfid::DelimiterEdit, "");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(at(318), 255);
    EXPECT_EQ(open(rfidDialog).text(Rfid::StartPositionEdit), "-1");
    EXPECT_EQ(at(314) + at(315), 0);  // an empty delimiter is two zeros
}

TEST_F(RfidCoupon, DelimiterNeedsUidAndDataAndTheDataControlsNeedData)
{
    for (int bits = 0; bits < 8; ++bits) {
        const bool uid = (bits & 1) != 0, data = (bits & 2) != 0, delimiter = (bits & 4) != 0;
        at(311) = uid, at(312) = data, at(313) = delimiter;
        DialogHarness dialog = open(rfidDialog);
        SCOPED_TRACE(bits);
        EXPECT_EQ(dialog.isEnabled(Rfid::AddDelimiterCheck), uid && data);
        EXPECT_EQ(dialog.isChecked(Rfid::AddDelimiterCheck), delimiter);  // kept while disabled
        EXPECT_EQ(dialog.isEnabled(Rfid::DelimiterEdit), uid && data && delimiter);
        for (const Rfid control : {Rfid::StartPositionEdit, Rfid::MaxLengthEdit, Rfid::StartPositionNoteLabel}) {
            EXPECT_EQ(dialog.isEnabled(control), data);
        }
    }
}

// The note decides; once it is accepted, OK needs the content dialog, and Cancel there restores
// every byte, the preamble included.
TEST_F(RfidCoupon, UpcACouponWithTheCountryCodeAsksWithTheNote)
{
    for (const DialogResult answer : {DialogResult::Cancel, DialogResult::Ok}) {
        at(Preamble) = 2;
        at(Ean13) = 0;
        const project::ReaderSettings before = project->reader;
        DialogHarness setting = open(couponSettingImagerDialog);
        EXPECT_FALSE(setting.isChecked(Setting::UpcACouponCheck));  // the country code is no UPC-A coupon
        setting.host().onDialog("COUPON_CODE_NOTE", [answer](DialogHarness&) { return answer; });
        setting.click(Setting::UpcACouponCheck);
        EXPECT_EQ(setting.host().dialogsRun, std::vector<std::string>{"COUPON_CODE_NOTE"});
        EXPECT_EQ(setting.isChecked(Setting::UpcACouponCheck), answer == DialogResult::Ok);
        EXPECT_EQ(at(Preamble), answer == DialogResult::Ok ? 1 : 2);
        if (answer == DialogResult::Ok) {
            EXPECT_FALSE(setting.ok());  // the content dialog is cancelled
            EXPECT_EQ(setting.result(), DialogResult::Cancel);
            EXPECT_EQ(project->reader.bytes, before.bytes);
        }
    }
}

// UPC-A on with the country code, EAN-13, GS1-128 and the coupon code off; every mode.
TEST_F(RfidCoupon, ContentTicksWhatProceedSwitchesOn)
{
    struct Row
    {
        std::set<Content> ticks;
        std::array<Byte, 5> proceeded;  // UPC-A, preamble, EAN-13, GS1-128, coupon code
    };
    const Row rows[] = {
        {{}, {1, 2, 0, 0, 0}},
        {{Content::UpcACouponTick, Content::UpcATick, Content::Gs1128Tick}, {1, 1, 0, 1, 1}},
        {{Content::Ean13CouponTick, Content::Ean13Tick, Content::Gs1128Tick}, {0, 2, 1, 1, 1}},
        {{Content::UpcACouponTick, Content::Ean13CouponTick, Content::UpcATick, Content::Ean13Tick,
          Content::Gs1128Tick},
         {1, 1, 1, 1, 1}},
    };
    for (int mode = 0; mode < 4; ++mode) {
        project = testing_support::startedProject();
        at(UpcA) = 1, at(Preamble) = 2, at(Ean13) = 0, at(Gs1128) = 0, at(Coupon) = 0;
        argument = mode;
        DialogHarness content = open(couponContentImagerDialog);
        SCOPED_TRACE(mode);
        EXPECT_EQ(content.text(Content::UpcALabel), "UPC-A -> System Character && Country Code");
        for (const Content tick : {Content::UpcACouponTick, Content::Ean13CouponTick, Content::UpcATick,
                                   Content::Ean13Tick, Content::Gs1128Tick}) {
            EXPECT_EQ(content.controls().isVisible(tick), rows[mode].ticks.contains(tick)) << static_cast<int>(tick);
        }
        ASSERT_TRUE(content.ok());
        EXPECT_EQ((std::array{at(UpcA), at(Preamble), at(Ean13), at(Gs1128), at(Coupon)}), rows[mode].proceeded);
    }
}

}  // namespace
}  // namespace editor::reader
