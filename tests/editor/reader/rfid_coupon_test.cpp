// SPDX-License-Identifier: MIT
// The RFID parameters and the coupon code: the start position's -1, the delimiter's enabling
// chain, and the coupon procedure of the 2D reader's Barcode page with its setting, content and
// note dialogs. What every registered dialog promises is the registry's loop test.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "editor/dialog_bench.h"
#include "editor/reader/barcode_page.h"
#include "editor/reader/reader_dialogs.h"
#include "resources/barcode_templates.h"
#include "resources/rfid_templates.h"

namespace editor::reader {
namespace {

using bench::DialogHarness;
using project::Byte;
using ui::DialogResult;
using Rfid = resources::RfidParameterId;
using Setting = resources::CouponSettingId;
using Content = resources::CouponContentId;
using RfidCoupon = bench::BenchTest;

// The 2D reader's coupon bytes.
constexpr std::size_t UpcA = 191, Ean13 = 195, Preamble = 202, Coupon = 208, Gs1128 = 211;
constexpr ui::ControlId pageControl(int id) { return ui::ControlId(id); }

TEST_F(RfidCoupon, StartPositionMinusOneIsStoredAs255AndShownAgainAsMinusOne)
{
    struct Row
    {
        const char* typed;
        Byte stored;
        const char* reopened;
    };
    for (const Row& row : {Row{"120", 120, "120"}, Row{"-1", 255, "-1"}, Row{"-", 255, "-1"}, Row{"", 255, "-1"}}) {
        at(312) = at(313) = 1;  // data and delimiter on: both boxes are usable
        DialogHarness dialog = open(rfidDialog());
        dialog.type(Rfid::StartPositionEdit, row.typed);
        dialog.paste(Rfid::DelimiterEdit, "");
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(at(318), row.stored) << row.typed;
        EXPECT_EQ(open(rfidDialog()).text(Rfid::StartPositionEdit), row.reopened) << row.typed;
        EXPECT_EQ(at(314) + at(315), 0);  // an empty delimiter is two zeros
    }
}

TEST_F(RfidCoupon, DelimiterNeedsUidAndDataAndTheDataControlsNeedData)
{
    for (int bits = 0; bits < 8; ++bits) {
        const bool uid = (bits & 1) != 0, data = (bits & 2) != 0, delimiter = (bits & 4) != 0;
        at(311) = uid, at(312) = data, at(313) = delimiter;
        DialogHarness dialog = open(rfidDialog());
        SCOPED_TRACE(bits);
        EXPECT_EQ(dialog.isEnabled(Rfid::AddDelimiterCheck), uid && data);
        EXPECT_EQ(dialog.isChecked(Rfid::AddDelimiterCheck), delimiter);  // kept while disabled
        EXPECT_EQ(dialog.isEnabled(Rfid::DelimiterEdit), uid && data && delimiter);
        for (const Rfid control : {Rfid::StartPositionEdit, Rfid::MaxLengthEdit, Rfid::StartPositionNoteLabel}) {
            EXPECT_EQ(dialog.isEnabled(control), data);
        }
    }
}

// UPC-A and GS1-128 with "System Character" need no dialog: BarcodePageTest.Gs1128OffEndsTheCouponCode.
TEST_F(RfidCoupon, Ean13CouponWithGs1128OffSwitchesTheRowsAndSheetCancelUndoesIt)
{
    project->device.readerType = 3;
    const project::ReaderSettings atCreation = project->reader;
    bool isModified = false;
    DialogHarness page = openPage<BarcodePage>(resources::barcodePageTemplate(), isModified);
    page.click(pageControl(108));  // GS1-128 off: the setting dialog decides
    page.host().onDialog("COUPON_CODE_2D", [](DialogHarness& setting) {
        setting.click(Setting::UpcACouponCheck);  // only "EAN-13 Coupon Code" stays
        return ui::testing::ScriptedHost::pressOk(setting);
    });
    page.host().onDialog("COUPON_CODE_CONTENT", [](DialogHarness& content) {
        EXPECT_EQ(content.text(ui::OkButton), "Proceed");
        return content.ok() ? DialogResult::Ok : DialogResult::Cancel;
    });
    page.click(pageControl(121));
    EXPECT_EQ((std::array{at(UpcA), at(Ean13), at(Gs1128), at(Coupon)}), (std::array<Byte, 4>{0, 1, 1, 1}));
    for (const int row : {105, 108, 121}) {  // checked, with their "more..." buttons enabled
        EXPECT_TRUE(page.isChecked(pageControl(row)) && page.isEnabled(pageControl(row + 400))) << row;
    }
    EXPECT_FALSE(page.isChecked(pageControl(101)) || page.isEnabled(pageControl(501)));
    page.cancelPage();
    EXPECT_EQ(project->reader.bytes, atCreation.bytes);
}

TEST_F(RfidCoupon, UpcACouponWithTheCountryCodeAsksWithTheNote)
{
    for (const DialogResult answer : {DialogResult::Cancel, DialogResult::Ok}) {
        at(Preamble) = 2;
        DialogHarness setting = open(couponSettingImagerDialog());
        EXPECT_FALSE(setting.isChecked(Setting::UpcACouponCheck));  // the country code is no UPC-A coupon
        setting.host().onDialog("COUPON_CODE_NOTE", [answer](DialogHarness&) { return answer; });
        setting.click(Setting::UpcACouponCheck);
        EXPECT_EQ(setting.host().dialogsRun, std::vector<std::string>{"COUPON_CODE_NOTE"});
        EXPECT_EQ(setting.isChecked(Setting::UpcACouponCheck), answer == DialogResult::Ok);
        EXPECT_EQ(at(Preamble), answer == DialogResult::Ok ? 1 : 2);
        setting.cancel();
    }
}

TEST_F(RfidCoupon, CancelInTheContentDialogRestoresEveryByteThePreambleIncluded)
{
    at(Preamble) = 2;
    at(Ean13) = 0;
    const project::ReaderSettings before = project->reader;
    DialogHarness setting = open(couponSettingImagerDialog());
    setting.host().onDialog("COUPON_CODE_NOTE", [](DialogHarness&) { return DialogResult::Ok; });
    setting.click(Setting::UpcACouponCheck);
    ASSERT_EQ(at(Preamble), 1);
    EXPECT_FALSE(setting.ok());  // the content dialog is cancelled
    EXPECT_EQ(setting.result(), DialogResult::Cancel);
    EXPECT_EQ(project->reader.bytes, before.bytes);
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
        DialogHarness content = open(couponContentImagerDialog());
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
