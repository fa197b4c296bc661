// SPDX-License-Identifier: MIT
// The templates of the RFID reader's parameters and of the coupon code's setting and content
// dialogs (the coupon-code note is in reader_templates.h).
#pragma once

#include "ui/control_id.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

// RFIDPARAMDLG: what the RFID reader sends of a tag.
enum class RfidParameterId {
    DecodeUidCheck = 101,
    DecodeDataCheck = 102,
    AddDelimiterCheck = 103,
    StartPositionEdit = 401,
    MaxLengthEdit = 402,
    DelimiterEdit = 403,
    StartPositionLabel = 601,
    MaxLengthLabel = 602,
    StartPositionNoteLabel = 603,
};
extern const ui::DialogTemplate rfidParameterTemplate;

// COUPON_CODE_2D: which coupon kinds the reader decodes.
enum class CouponSettingId {
    UpcACouponCheck = 101,
    Ean13CouponCheck = 102,
};
extern const ui::DialogTemplate couponSettingTemplate;

// COUPON_CODE_CONTENT: what "Proceed" switches on, a tick mark before each (hidden until shown).
enum class CouponContentId {
    UpcACouponTick = 1027,
    Ean13CouponTick = 1028,
    UpcATick = 1029,
    Ean13Tick = 1030,
    Gs1128Tick = 1031,
    CouponKindGroup = 1043,
    SymbologyGroup = 1044,
    UpcACouponLabel = 1045,
    Ean13CouponLabel = 1046,
    UpcALabel = 1047,
    Ean13Label = 1048,
    Gs1128Label = 1049,
};
extern const ui::DialogTemplate couponContentTemplate;

}  // namespace resources
