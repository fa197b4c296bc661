// SPDX-License-Identifier: MIT
// The reader's settings. The Barcode page inside the real property sheet: every page is driven
// through a harness, so the Form and Settings pages show what the Barcode page did to them. Then
// the special rules of the reader's parameter dialogs: the symbology dialogs of the three readers
// (2D imager, laser/CCD, long range), image capture, the RFID parameters (the start position's -1,
// the delimiter's enabling chain) and the coupon code's setting and content dialogs. What every
// dialog promises (bindings, flags, Cancel) is the registry's loop test; the length group and the
// binding kinds are the engine's test.
#include "editor/reader/barcode_page.h"
#include "editor/reader/reader_dialogs.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/dialog_bench.h"
#include "editor/forms/form_page.h"
#include "editor/property_sheet_model.h"
#include "project/reader_fields.h"
#include "resources/barcode_templates.h"
#include "resources/form_templates.h"
#include "resources/imager_templates.h"
#include "resources/laser_templates.h"
#include "resources/rfid_templates.h"
#include "resources/settings_templates.h"

namespace editor::reader {
namespace {

using project::Byte;
using ui::testing::DialogHarness;
using ui::testing::ScriptedHost;
using Id = resources::BarcodePageId;
using Bytes = std::vector<std::pair<std::size_t, project::Byte>>;
using Act = std::function<void(DialogHarness&)>;
using Imager = resources::UpcAImagerId;  // the UPC/EAN dialogs share their IDs
using TwoOfFive = resources::LaserTwoOfFiveId;

constexpr ui::ControlId check(int id) { return ui::ControlId(id); }

// Whether the row of check box `row` is ticked and its "more..." button (400 above it) usable.
void expectRow(const DialogHarness& page, int row, bool isOn)
{
    EXPECT_EQ(page.isChecked(check(row)), isOn) << "row " << row;
    EXPECT_EQ(page.isEnabled(check(row + 400)), isOn) << "row " << row;
}

class BarcodePageTest : public bench::BenchTest
{
protected:
    // Opens the sheet and shows the Barcode page; `first` pages are shown before it.
    DialogHarness& showBarcodePage(std::vector<SheetPage> first = {})
    {
        m_pages = {};  // a sheet opened before goes first, harnesses before their pages
        m_sheet.reset();
        m_sheet = std::make_unique<PropertySheetModel>(
            *project, texts, ui::LanguageState::BuiltinOnly, project::Model::Q720CE, isModified, "", host, sheetPages(),
            [this](int index, const ui::DialogTemplate& dialog, ui::DialogModel& model) {
                m_pages[static_cast<std::size_t>(index)] = std::make_unique<DialogHarness>(dialog, model, host);
            });
        first.push_back(SheetPage::Barcode);
        for (const SheetPage page : first) {
            EXPECT_TRUE(m_sheet->showPage(static_cast<int>(page)));
        }
        return page(SheetPage::Barcode);
    }
    DialogHarness& page(SheetPage shown) { return *m_pages[static_cast<std::size_t>(shown)]; }
    PropertySheetModel& sheet() { return *m_sheet; }
    forms::FormPage& formPage() { return page(SheetPage::Form).modelAs<forms::FormPage>(); }

    ScriptedHost host;
    bool isModified = false;

private:
    std::unique_ptr<PropertySheetModel> m_sheet;
    std::array<std::unique_ptr<DialogHarness>, SheetPageCount> m_pages;
};

// Applied settings of one type survive switching to another; what was not applied is dropped.
TEST_F(BarcodePageTest, SwitchingTypesKeepsAppliedSettingsAndDropsUnappliedControls)
{
    project->device.readerType = 3;
    DialogHarness& barcode = showBarcodePage();
    barcode.click(check(110));  // Code 39 of the 2D reader
    barcode.select(Id::FocusList, 2);
    ASSERT_TRUE(barcode.apply());
    EXPECT_EQ(at(213), 0);
    EXPECT_EQ(at(288), 2);

    barcode.select(Id::ReaderList, 0);
    EXPECT_EQ(project->device.readerType, 1);  // written at once
    barcode.click(check(101));                 // Code 39 of the laser reader, not applied
    barcode.enter(Id::TimeoutEdit, "12");
    barcode.select(Id::ReaderList, 2);
    barcode.select(Id::ReaderList, 0);
    EXPECT_TRUE(barcode.isChecked(check(101)));
    EXPECT_EQ(barcode.text(Id::TimeoutEdit), "3");

    const project::ReaderSettings before = project->reader;
    barcode.click(check(101));
    ASSERT_TRUE(barcode.apply());
    EXPECT_EQ(at(1), 0);
    for (std::size_t offset = 101; offset < project::readerSpec().bytes; ++offset) {
        EXPECT_EQ(at(offset), before[offset]) << "byte " << offset;  // no other type's byte moved
    }
    barcode.select(Id::ReaderList, 2);
    EXPECT_FALSE(barcode.isChecked(check(110)));
    EXPECT_EQ(barcode.selection(Id::FocusList), 2);
    EXPECT_TRUE(isModified);
}

// The RFID switch reaches the Form page at once: its forms lose "RFID" and "all" (the mapping is
// the form rules' test) and its source lists offer three entries.
TEST_F(BarcodePageTest, RfidOffTurnsRfidAndAllIntoBothAndTheFormPageOffersThreeSources)
{
    project->device.readerType = 11;
    project->form(20).inputSource[3] = 4;
    DialogHarness& barcode = showBarcodePage();
    const auto sources = [this] {
        return page(SheetPage::Form).controls().items(resources::inputSourceList(1)).size();
    };
    EXPECT_EQ(sources(), 5U);
    barcode.click(Id::RfidCheck);
    EXPECT_EQ(project->device.readerType, 1);
    EXPECT_FALSE(barcode.isEnabled(Id::RfidMoreButton));
    EXPECT_EQ(formPage().workingCopy().forms[19].inputSource[3], 2);
    EXPECT_EQ(sources(), 3U);
    barcode.click(Id::RfidCheck);
    EXPECT_EQ(project->device.readerType, 11);
    EXPECT_EQ(sources(), 5U);
    ASSERT_TRUE(sheet().ok());
    EXPECT_EQ(project->form(20).inputSource[3], 2);
}

TEST_F(BarcodePageTest, LaserDataBar14AndExpandedAreSwitchedTogether)
{
    DialogHarness& barcode = showBarcodePage();
    barcode.click(check(120));
    expectRow(barcode, 120, true);
    expectRow(barcode, 122, true);
    expectRow(barcode, 121, false);  // Limited is not part of the pair
    ASSERT_TRUE(barcode.apply());
    EXPECT_EQ((std::array{at(64), at(72)}), (std::array<Byte, 2>{1, 1}));

    barcode.click(check(122));
    expectRow(barcode, 120, false);
    expectRow(barcode, 122, false);
}

// The laser reader's UPC/EAN bytes; the 2D reader's lie 90 above them.
constexpr std::size_t UpcA = 101, Ean13 = 105, Bookland = 106, Gs1128 = 121, Coupon = 118, TwoDShift = 90;

// The 2D UPC-A dialog can end the coupon code; the EAN-13 dialog switches GS1-128 on for it.
TEST_F(BarcodePageTest, UpcAAndEan13DialogsOfThe2DReaderKeepTheCouponRowsTrue)
{
    project->device.readerType = 3;
    at(208) = 1;  // coupon code on, GS1-128 off: a state only a file gives
    at(211) = 0;
    DialogHarness& barcode = showBarcodePage();
    ASSERT_FALSE(barcode.isChecked(check(108)));
    barcode.click(check(505));
    EXPECT_EQ(host.dialogsRun, std::vector<std::string>{"EAN13DLG_2D"});
    EXPECT_EQ(at(211), 1);
    expectRow(barcode, 108, true);

    // The country-code preamble without EAN-13 ends the coupon code once the note is accepted.
    barcode.click(check(105));
    host.onDialog("COUPON_CODE_NOTE", ScriptedHost::pressOk);
    host.onDialog("UPCA_2DDLG", [](DialogHarness& dialog) {
        dialog.select(resources::UpcAImagerId::PreambleList, 2);
        return ScriptedHost::pressOk(dialog);
    });
    barcode.click(check(501));
    EXPECT_EQ((std::array{at(202), at(208)}), (std::array<Byte, 2>{2, 0}));
    expectRow(barcode, 121, false);
}

// The EAN-13 coupon code with GS1-128 off: the setting dialog decides and the content dialog
// proceeds. (UPC-A and GS1-128 with "System Character" need no dialog: Gs1128OffEndsTheCouponCode.)
TEST_F(BarcodePageTest, Ean13CouponWithGs1128OffSwitchesTheRowsThroughBothDialogs)
{
    project->device.readerType = 3;
    DialogHarness& barcode = showBarcodePage();
    barcode.click(check(108));
    host.onDialog("COUPON_CODE_2D", [](DialogHarness& setting) {
        setting.click(resources::CouponSettingId::UpcACouponCheck);  // only "EAN-13 Coupon Code" stays
        return ScriptedHost::pressOk(setting);
    });
    host.onDialog("COUPON_CODE_CONTENT", [](DialogHarness& content) {
        EXPECT_EQ(content.text(ui::OkButton), "Proceed");
        return ScriptedHost::pressOk(content);
    });
    barcode.click(check(121));
    EXPECT_EQ((std::array{at(191), at(195), at(211), at(208)}), (std::array<Byte, 4>{0, 1, 1, 1}));
    for (const int row : {105, 108, 121}) {
        expectRow(barcode, row, true);
    }
    expectRow(barcode, 101, false);
}

// Cancel puts back the record as the page found it, with what the parameter dialogs and the
// at-once rules wrote; the reader type chosen in the list stays.
TEST_F(BarcodePageTest, CancelRestoresTheRecordButNotTheReaderType)
{
    project->device.readerType = 3;
    const project::ReaderSettings before = project->reader;
    DialogHarness& barcode = showBarcodePage();
    barcode.click(check(101));  // UPC-A, at once
    barcode.click(check(120));  // image capture, at once
    host.onDialog("CODE39_2DDLG", [](DialogHarness& dialog) {
        dialog.click(resources::Code39ImagerId::ConvertToCode32Check);
        return ScriptedHost::pressOk(dialog);
    });
    barcode.click(check(510));
    ASSERT_NE(std::memcmp(&project->reader, &before, sizeof before), 0);
    barcode.select(Id::ReaderList, 1);
    sheet().cancel();
    EXPECT_EQ(std::memcmp(&project->reader, &before, sizeof before), 0);
    EXPECT_EQ(project->device.readerType, 2);
    EXPECT_FALSE(isModified);
}

// On both readers' UPC/EAN rows, written at once: GS1-128 carries the coupon code, so switching
// it off ends the coupon code; EAN-13 off unchecks and disables Bookland (written at Apply).
TEST_F(BarcodePageTest, Gs1128OffEndsTheCouponCodeAndEan13OffEndsBookland)
{
    for (const auto& [readerType, shift, couponRow] : {std::tuple{2, std::size_t{0}, 120}, {3, TwoDShift, 121}}) {
        SCOPED_TRACE("reader type " + std::to_string(readerType));
        project = testing_support::startedProject();
        project->device.readerType = static_cast<Byte>(readerType);
        at(shift + Coupon) = 1;
        DialogHarness& barcode = showBarcodePage();
        const ui::ControlId coupon = check(couponRow);
        expectRow(barcode, couponRow, true);
        barcode.click(check(108));
        EXPECT_EQ(at(shift + Coupon) + at(shift + Gs1128), 0);
        expectRow(barcode, couponRow, false);

        // UPC-A and GS1-128 on with the preamble "System Character": on without a dialog.
        barcode.click(check(108));
        barcode.click(coupon);
        EXPECT_TRUE(barcode.isChecked(coupon));
        EXPECT_EQ(at(shift + Coupon), 1);
        barcode.click(coupon);
        EXPECT_EQ(at(shift + Coupon), 0);
        // Without GS1-128 the coupon setting dialog decides: cancelled, the coupon code stays off.
        host.dialogsRun.clear();
        barcode.click(check(108));
        barcode.click(coupon);
        EXPECT_FALSE(barcode.isChecked(coupon));
        EXPECT_EQ(at(shift + Coupon), 0);
        EXPECT_EQ(host.dialogsRun, std::vector<std::string>{"COUPON_CODE_2D"});

        ASSERT_TRUE(barcode.isChecked(check(106)));
        barcode.click(check(105));
        expectRow(barcode, 105, false);
        EXPECT_FALSE(barcode.isChecked(check(106)) || barcode.isEnabled(check(106)));
        EXPECT_EQ(at(shift + Ean13), 0);
        EXPECT_EQ(at(shift + Bookland), 1);
        barcode.click(check(101));
        EXPECT_EQ(at(shift + UpcA), 0);
        barcode.click(check(105));
        EXPECT_TRUE(barcode.isEnabled(check(106)) && !barcode.isChecked(check(106)));
        ASSERT_TRUE(barcode.apply());
        EXPECT_EQ(at(shift + Bookland), 0);
    }
}

// The 2D reader's time-out in tenths of a second keeps to 5..99 as the user leaves the box.
TEST_F(BarcodePageTest, TwoDTimeoutIsHeldToItsRange)
{
    const std::tuple<const char*, const char*, Byte> rows[] = {
        {"0", "5", 5}, {"150", "99", 99}, {"07", "7", 7}, {"42", "42", 42}};
    for (const auto& [typed, shown, stored] : rows) {
        SCOPED_TRACE(typed);
        project->device.readerType = 3;
        DialogHarness& barcode = showBarcodePage();
        barcode.enter(Id::TimeoutEdit, typed);
        EXPECT_EQ(barcode.text(Id::TimeoutEdit), shown);
        ASSERT_TRUE(barcode.apply());
        EXPECT_EQ(at(project::readerByte("imagerTimeout")), stored);
    }
}

// Reset gives a new project's reader: laser reader, RFID off, every default, and the Form and
// Settings pages follow.
TEST_F(BarcodePageTest, ResetGivesTheLaserReaderWithoutRfidAndEveryDefault)
{
    const auto fresh = testing_support::startedProject();
    project->device.readerType = 13;
    project->form(2).inputSource[0] = 4;
    for (std::size_t offset = 0; offset < project::readerSpec().bytes; ++offset) {
        at(offset) = static_cast<Byte>(offset * 7 + 1);
    }
    at(291) = 1;
    project->device.protectImageCapture = 1;
    DialogHarness& barcode = showBarcodePage({SheetPage::Settings});
    ASSERT_TRUE(page(SheetPage::Settings).isChecked(resources::SettingsPageId::ImageCaptureCheck));
    barcode.click(Id::ResetButton);

    EXPECT_EQ(project->device.readerType, 1);
    EXPECT_EQ(std::memcmp(&project->reader, &fresh->reader, sizeof fresh->reader), 0);
    EXPECT_FALSE(barcode.isChecked(Id::RfidCheck) || barcode.isEnabled(Id::RfidMoreButton));
    EXPECT_EQ(barcode.selection(Id::ReaderList), 0);
    EXPECT_EQ(formPage().workingCopy().forms[1].inputSource[0], 2);
    EXPECT_EQ(page(SheetPage::Form).controls().items(resources::inputSourceList(1)).size(), 3U);
    EXPECT_FALSE(page(SheetPage::Settings).isEnabled(resources::SettingsPageId::ImageCaptureCheck) ||
                 page(SheetPage::Settings).isChecked(resources::SettingsPageId::ImageCaptureCheck));

    // Apply after Reset stores the defaults: the controls show them.
    ASSERT_TRUE(barcode.apply());
    EXPECT_EQ(std::memcmp(&project->reader, &fresh->reader, sizeof fresh->reader), 0);
}

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

using Capture = resources::ImageCaptureId;
using ImageCapture = bench::BenchTest;

TEST_F(ImageCapture, FormatChoosesBetweenTheJpegAndTheBmpControls)
{
    DialogHarness dialog = open(imageCaptureDialog);
    const auto expectEnabled = [&](const char* step, bool bmp, bool quality, bool size, bool optimize) {
        EXPECT_EQ(dialog.isEnabled(Capture::BitsPerPixelList), bmp) << step;
        EXPECT_EQ(dialog.isEnabled(Capture::BitsPerPixelLabel), bmp) << step;
        EXPECT_EQ(dialog.isEnabled(Capture::QualityEdit), quality) << step;
        EXPECT_EQ(dialog.isEnabled(Capture::QualityLabel), quality) << step;
        EXPECT_EQ(dialog.isEnabled(Capture::SizeEdit), size) << step;
        EXPECT_EQ(dialog.isEnabled(Capture::SizeLabel), size) << step;
        EXPECT_EQ(dialog.isEnabled(Capture::OptimizedForQualityCheck), optimize) << step;
    };
    expectEnabled("opening: JPEG for quality", false, true, false, true);
    dialog.click(Capture::OptimizedForQualityCheck);
    expectEnabled("JPEG for size", false, false, true, true);
    dialog.select(Capture::FormatList, 1);
    expectEnabled("BMP", true, false, false, false);
    EXPECT_FALSE(dialog.isChecked(Capture::OptimizedForQualityCheck));
    dialog.select(Capture::FormatList, 0);
    expectEnabled("JPEG again, still for size", false, false, true, true);
    dialog.select(Capture::FormatList, 1);
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
        {Capture::SizeEdit, Size, "200", 0, "150"},     {Capture::SizeEdit, Size, "4", 0, "5"},
        {Capture::QualityEdit, Quality, "", 0, "5"},    {Capture::QualityEdit, Quality, "101", 0, "100"},
        {Capture::GainEdit, Gain, "5", 0, "79"},        {Capture::GainEdit, Gain, "128", 0, "127"},
        {Capture::GainEdit, Gain, nullptr, 200, "127"}, {Capture::QualityEdit, Quality, nullptr, 0, "5"},
        {Capture::SizeEdit, Size, nullptr, 255, "150"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.typed ? row.typed : "stored ") + std::to_string(row.stored));
        project = testing_support::startedProject();
        at(Autoexposure) = 0;
        at(OptimizedForQuality) = row.box == ui::ControlId(Capture::SizeEdit) ? 0 : 1;
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

using ui::DialogResult;
using Rfid = resources::RfidParameterId;
using Setting = resources::CouponSettingId;
using Content = resources::CouponContentId;
using RfidCoupon = bench::BenchTest;

// The 2D reader's coupon bytes.
constexpr std::size_t TwoDUpcA = UpcA + TwoDShift, TwoDEan13 = Ean13 + TwoDShift, Preamble = 202,
                      TwoDCoupon = Coupon + TwoDShift, TwoDGs1128 = Gs1128 + TwoDShift;

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
        at(TwoDEan13) = 0;
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
        at(TwoDUpcA) = 1, at(Preamble) = 2, at(TwoDEan13) = 0, at(TwoDGs1128) = 0, at(TwoDCoupon) = 0;
        argument = mode;
        DialogHarness content = open(couponContentImagerDialog);
        SCOPED_TRACE(mode);
        EXPECT_EQ(content.text(Content::UpcALabel), "UPC-A -> System Character && Country Code");
        for (const Content tick : {Content::UpcACouponTick, Content::Ean13CouponTick, Content::UpcATick,
                                   Content::Ean13Tick, Content::Gs1128Tick}) {
            EXPECT_EQ(content.controls().isVisible(tick), rows[mode].ticks.contains(tick)) << static_cast<int>(tick);
        }
        ASSERT_TRUE(content.ok());
        EXPECT_EQ((std::array{at(TwoDUpcA), at(Preamble), at(TwoDEan13), at(TwoDGs1128), at(TwoDCoupon)}),
                  rows[mode].proceeded);
    }
}

}  // namespace
}  // namespace editor::reader
