// SPDX-License-Identifier: MIT
// The templates of the reader settings' dialogs: the symbology parameters of each reader type
// (the 2D imager's in imager_templates.h) and the coupon-code dialogs.
#pragma once

#include "resources/imager_templates.h"
#include "ui/control_id.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

// COUPON_CODE_NOTE: a note on the coupon code and the UPC-A preamble, with OK and Cancel. Its
// title and text depend on who opens it.
enum class CouponCodeNoteId {
    NoteLabel = 601,
    TextLabel = 602,
    NoticeIcon = 1069,
};
extern const ui::DialogTemplate couponCodeNoteTemplate;

}  // namespace resources
