// SPDX-License-Identifier: MIT
// The Barcode page's coupon code rows of the long-range and 2D readers: UPC-A, EAN-13 and
// GS1-128 carry the coupon code, and the coupon procedure switches it on.
#include <algorithm>

#include "editor/reader/barcode_page.h"
#include "editor/reader/barcode_page_tables.h"
#include "editor/reader/reader_dialogs.h"

namespace editor::reader {
namespace {

using project::Byte;

constexpr Byte CountryCodePreamble = 2;  // "System Character & Country Code"
constexpr Byte SystemCharacterPreamble = 1;

}  // namespace

void BarcodePage::switchCoupon(bool isOn)
{
    if (isOn) {
        runCouponProcedure();
    } else {
        byte(page().coupon->bytes.couponCode) = 0;
    }
}

// The coupon code is switched on by itself when UPC-A or EAN-13 and GS1-128 already carry it;
// otherwise the coupon setting dialog decides.
void BarcodePage::runCouponProcedure()
{
    const CouponRow& coupon = *page().coupon;
    const ui::Controls& c = controls();
    const bool isUpcAOn = c.isChecked(UpcACheck);
    const bool isEan13On = c.isChecked(Ean13Check);
    const bool isCountryCodeAlone = isUpcAOn && byte(coupon.bytes.upcAPreamble) == CountryCodePreamble && !isEan13On;
    if ((isUpcAOn || isEan13On) && c.isChecked(Gs1128Check) && !isCountryCodeAlone) {
        setCheck(coupon.check, true);
        byte(coupon.bytes.couponCode) = 1;
        return;
    }
    const ui::DialogResult result = runCouponSetting();
    if (result == ui::DialogResult::Cancel) {
        setCheck(coupon.check, false);
    }
    Byte& preamble = byte(coupon.bytes.upcAPreamble);
    if (preamble == 0 && byte(coupon.bytes.ean13) == 0) {
        setCheck(coupon.check, false);
        byte(coupon.bytes.couponCode) = 0;
    } else if (result == ui::DialogResult::Ok) {
        setCheck(coupon.check, true);
        byte(coupon.bytes.couponCode) = 1;
        if (preamble == CountryCodePreamble) {
            preamble = SystemCharacterPreamble;
        }
    }
    if (result != ui::DialogResult::Cancel && byte(coupon.bytes.couponCode) == 1 && byte(coupon.bytes.gs1128) == 0) {
        byte(coupon.bytes.gs1128) = 1;
        setCheck(Gs1128Check, true);
    }
}

// The coupon setting dialog of the type (the one its "more..." button opens). Its content dialog
// may have switched UPC-A, EAN-13, GS1-128 and the coupon code: the page shows them again.
ui::DialogResult BarcodePage::runCouponSetting()
{
    const ParameterDialogSpec* spec = parameterDialogForButton(m_readerType, page().coupon->moreButton);
    if (spec == nullptr) {
        return ui::DialogResult::Cancel;
    }
    ParameterDialogModel dialog(*spec, {m_project.reader.bytes, deviceBytes(), {}, 0}, m_texts, m_language);
    const ui::DialogResult result = host().runDialog(spec->dialogTemplate(), dialog);
    showCouponRows();
    return result;
}

// GS1-128 carries the coupon code of UPC-A and EAN-13: without it the coupon code ends.
void BarcodePage::endCouponWithGs1128()
{
    const CouponRow& coupon = *page().coupon;
    if (byte(coupon.bytes.couponCode) != 0 && (byte(coupon.upcA) != 0 || byte(coupon.bytes.ean13) != 0)) {
        byte(coupon.bytes.couponCode) = 0;
        setCheck(coupon.check, false);
    }
}

void BarcodePage::showCouponRows()
{
    if (!isOpen() || page().coupon == nullptr) {
        return;
    }
    const CouponRow& coupon = *page().coupon;
    for (const ui::ControlId check : CouponJoinedChecks) {
        if (const Binding* binding = symbologyBinding(check)) {
            setCheck(check, byte(binding->field) != 0);
        }
    }
    setCheck(coupon.check, byte(coupon.bytes.couponCode) != 0);
    applyRules();
}

// The UPC-A dialogs may have ended the coupon code; after some dialogs a coupon code that is on
// needs GS1-128 on.
void BarcodePage::afterDialog(ui::ControlId button)
{
    const CouponRow* coupon = page().coupon;
    if (coupon == nullptr) {
        return;
    }
    if (button == coupon->moreButton) {
        showCouponRows();  // the coupon dialogs switch UPC-A, EAN-13 and GS1-128 as well
        return;
    }
    const bool isOn = byte(coupon->bytes.couponCode) != 0;
    setCheck(coupon->check, isOn);
    const auto& forcing = coupon->dialogsForcingGs1128;
    if (isOn && std::find(forcing.begin(), forcing.end(), button) != forcing.end()) {
        byte(coupon->bytes.gs1128) = 1;
        setCheck(Gs1128Check, true);
    }
    applyRules();
}

}  // namespace editor::reader
