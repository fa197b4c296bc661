// SPDX-License-Identifier: MIT
// The Barcode page inside the real property sheet: every page is driven through a harness, so the
// Form and Settings pages show what the Barcode page did to them.
#include "editor/reader/barcode_page.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "editor/dialog_bench.h"
#include "editor/forms/form_page.h"
#include "editor/property_sheet_model.h"
#include "project/reader_fields.h"
#include "resources/barcode_templates.h"
#include "resources/form_templates.h"
#include "resources/imager_templates.h"
#include "resources/rfid_templates.h"
#include "resources/settings_templates.h"

namespace editor::reader {
namespace {

using project::Byte;
using ui::testing::DialogHarness;
using ui::testing::ScriptedHost;
using Id = resources::BarcodePageId;

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

}  // namespace
}  // namespace editor::reader
