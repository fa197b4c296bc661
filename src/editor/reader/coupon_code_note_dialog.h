// SPDX-License-Identifier: MIT
// COUPON_CODE_NOTE: a note on how the UPC-A preamble and the coupon code meet, with OK and
// Cancel (result 1 and 0).
#pragma once

#include "editor/parameter_dialog.h"
#include "texts/text_source.h"
#include "ui/dialog_model.h"
#include "ui/localisation.h"

namespace editor::reader {

// Who opens the note, which decides its title and text.
enum class CouponNoteReason {
    PreambleWillChange = 1,     // the coupon setting: "System Character & Country Code" becomes "System Character"
    PreambleAffectsCoupon = 2,  // a UPC-A dialog: that preamble affects the coupon code
};

class CouponCodeNoteDialog final : public ui::DialogModel
{
public:
    CouponCodeNoteDialog(CouponNoteReason reason, const texts::TextSource& texts, ui::LanguageState language);

private:
    void onInit() override;

    CouponNoteReason m_reason;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
};

// The coupon-code bytes of one reader type, for its UPC-A dialog.
struct CouponBytes
{
    FieldRef couponCode;
    FieldRef gs1128;
    FieldRef ean13;
    FieldRef upcAPreamble;
};

// At OK of a UPC-A dialog, before anything is stored: choosing "System Character & Country Code"
// while the coupon code and GS1-128 are on asks with the note. Its Cancel shows the stored
// preamble again and keeps the dialog open (false).
[[nodiscard]] bool confirmCountryCodePreamble(ParameterDialogModel& dialog, const CouponBytes& bytes,
                                              ui::ControlId preambleList);
// After the values are stored: an accepted country-code preamble ends the coupon code, unless
// EAN-13 is on to carry it.
void endUpcACoupon(ParameterDialogModel& dialog, const CouponBytes& bytes);

}  // namespace editor::reader
