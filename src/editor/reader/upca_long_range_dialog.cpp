// SPDX-License-Identifier: MIT
// UPCA_1DEDLG: the long-range reader's UPC-A parameters. Like the 2D dialog, choosing the country
// code preamble while this reader's coupon code is on asks with the note first.
#include "editor/reader/coupon_code_note.h"
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::UpcAImagerId;
using texts::sid;

constexpr CouponBytes coupon{readerField("longRangeCouponCode"), readerField("longRangeGs1128"),
                             readerField("longRangeEan13"), readerField("longRangeUpcAPreamble")};

constexpr Binding bindings[] = {
    upc_ean::preamble(Id::PreambleList, coupon.upcAPreamble),
    upc_ean::supplementals<"longRange">(Id::SupplementalsList),
    upc_ean::redundancy<"longRange">(Id::RedundancyEdit),
    flag(Id::TransmitCheckDigitCheck, readerField("longRangeUpcATransmitCheckDigit")),
};

constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
};

constexpr ui::TextReplacement captions[] = {
    {Id::PreambleLabel, sid(862), 2},
    {Id::TransmitCheckDigitCheck, sid(864)},
    {Id::RedundancyLabel, sid(866)},
};

bool confirmPreamble(ParameterDialogModel& dialog)
{
    return confirmCountryCodePreamble(dialog, coupon, Id::PreambleList);
}
void endCoupon(ParameterDialogModel& dialog) { endUpcACoupon(dialog, coupon); }

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::upcALongRangeTemplate,
    .titleEntry = sid(861),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .hooks = {.beforeStore = confirmPreamble, .afterStore = endCoupon},
};

}  // namespace

const ParameterDialogSpec& upcALongRangeDialog() { return dialog; }

}  // namespace editor::reader
