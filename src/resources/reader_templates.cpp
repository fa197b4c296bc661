// SPDX-License-Identifier: MIT
#include "resources/reader_templates.h"

#include "resources/parameter_layout.h"

namespace resources {
namespace {

using namespace layout;

constexpr Columns Note{220, 40};

constexpr ui::ControlTemplate couponCodeNoteControls[] = {
    {ui::ControlKind::Icon, CouponCodeNoteId::NoticeIcon, ui::NoticeIcon, {Margin, rowY(0), 20, 20}},
    {ui::ControlKind::Label, CouponCodeNoteId::NoteLabel, "NOTE:", {36, rowY(0) + 2, Note.labelWidth, 8}},
    {ui::ControlKind::Label, CouponCodeNoteId::TextLabel, "", {36, rowY(1), Note.width - 36 - Margin, 32}},
    okButton(4, Note),
    cancelButton(4, Note),
};

}  // namespace

constexpr ui::DialogTemplate couponCodeNoteTemplate{
    "COUPON_CODE_NOTE", "Transmit Preamble Parameters", {Note.width, dialogHeight(4)}, couponCodeNoteControls};

}  // namespace resources
