// SPDX-License-Identifier: MIT
#include "resources/rfid_templates.h"

#include "resources/parameter_layout.h"

namespace resources {
namespace {

using namespace layout;

constexpr Columns Rfid{200, 80};

constexpr ui::ControlTemplate rfidParameterControls[] = {
    check(RfidParameterId::DecodeUidCheck, "Decode Tag's UID", 0, Rfid),
    check(RfidParameterId::DecodeDataCheck, "Decode Tag's Data", 1, Rfid),
    label(RfidParameterId::StartPositionLabel, "Start Position :", 2, Rfid),
    edit(RfidParameterId::StartPositionEdit, 2, 24, Rfid),
    {ui::ControlKind::Label,
     RfidParameterId::StartPositionNoteLabel,
     "(-1 : byte 0 of the default page)",
     {Margin + 8, rowY(3), Rfid.width - 2 * Margin - 8, 8}},
    label(RfidParameterId::MaxLengthLabel, "Maximum Length :", 4, Rfid),
    edit(RfidParameterId::MaxLengthEdit, 4, 24, Rfid),
    {ui::ControlKind::CheckBox,
     RfidParameterId::AddDelimiterCheck,
     "Add Delimiter :",
     {Margin, rowY(5), Rfid.labelWidth, 10}},
    edit(RfidParameterId::DelimiterEdit, 5, 16, Rfid),
    okButton(6, Rfid),
    cancelButton(6, Rfid),
};

constexpr ui::ControlTemplate couponSettingControls[] = {
    check(CouponSettingId::UpcACouponCheck, "UPC-A Coupon Code", 0),
    check(CouponSettingId::Ean13CouponCheck, "EAN-13 Coupon Code", 1),
    okButton(2),
    cancelButton(2),
};

constexpr Columns Content{230, 0};
constexpr int TickX = Margin + 8;
constexpr int TextX = TickX + 14;
constexpr int TextWidth = Content.width - TextX - Margin - 4;

// A tick mark and its line inside a group box.
constexpr ui::ControlTemplate tick(CouponContentId id, int row)
{
    return {ui::ControlKind::Icon, id, ui::TickIcon, {TickX, rowY(row) - 1, 10, 10}, ui::ControlStyle::Hidden};
}
constexpr ui::ControlTemplate line(CouponContentId id, std::string_view text, int row)
{
    return {ui::ControlKind::Label, id, text, {TextX, rowY(row), TextWidth, 8}};
}

constexpr ui::ControlTemplate couponContentControls[] = {
    groupBox(CouponContentId::CouponKindGroup, "Coupon Code Type", 0, 2, Content),
    tick(CouponContentId::UpcACouponTick, 1),
    line(CouponContentId::UpcACouponLabel, "UPC-A Coupon Code", 1),
    tick(CouponContentId::Ean13CouponTick, 2),
    line(CouponContentId::Ean13CouponLabel, "EAN-13 Coupon Code", 2),
    groupBox(CouponContentId::SymbologyGroup, "Symbology Settings", 3, 3, Content),
    tick(CouponContentId::UpcATick, 4),
    line(CouponContentId::UpcALabel, "UPC-A -> System Character", 4),
    tick(CouponContentId::Ean13Tick, 5),
    line(CouponContentId::Ean13Label, "EAN-13", 5),
    tick(CouponContentId::Gs1128Tick, 6),
    line(CouponContentId::Gs1128Label, "GS1-128", 6),
    {ui::ControlKind::PushButton,
     ui::OkButton,
     "Proceed",
     {Content.width / 2 - 56, rowY(7), 50, 14},
     ui::ControlStyle::DefaultButton},
    cancelButton(7, Content),
};

}  // namespace

constexpr ui::DialogTemplate rfidParameterTemplate{
    "RFIDPARAMDLG", "RFID Parameters", {Rfid.width, dialogHeight(6)}, rfidParameterControls};

constexpr ui::DialogTemplate couponSettingTemplate{
    "COUPON_CODE_2D", "Coupon Code Setting", {ParameterWidth, dialogHeight(2)}, couponSettingControls};

constexpr ui::DialogTemplate couponContentTemplate{
    "COUPON_CODE_CONTENT", "Coupon Code Content", {Content.width, dialogHeight(7)}, couponContentControls};

}  // namespace resources
