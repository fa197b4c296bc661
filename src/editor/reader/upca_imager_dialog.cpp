// SPDX-License-Identifier: MIT
// UPCA_2DDLG: the UPC-A parameters of the 2D imager. The preamble with the country code changes
// what a UPC-A coupon sends, so choosing it while the coupon code is on asks with a note first.
#include "editor/reader/coupon_code_note.h"
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/reader_templates.h"

namespace editor::reader {
namespace {

using Id = resources::UpcAImagerId;
using texts::sid;

constexpr CouponBytes coupon{readerField("imagerCouponCode"), readerField("imagerGs1128"), readerField("imagerEan13"),
                             readerField("imagerUpcAPreamble")};

constexpr Binding bindings[] = {
    upc_ean::preamble(Id::PreambleList, coupon.upcAPreamble),
    upc_ean::supplementals(Id::SupplementalsList),
    upc_ean::redundancy(Id::RedundancyEdit),
    flag(Id::TransmitCheckDigitCheck, readerField("imagerUpcATransmitCheckDigit")),
    flag(Id::LinearDecodeCheck, readerField("imagerLinearUpcEanDecode")),
};

constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
};

constexpr ui::TextReplacement captions[] = {
    {Id::PreambleLabel, sid(972), 2},
    {Id::TransmitCheckDigitCheck, sid(974)},
    {Id::LinearDecodeCheck, sid(976)},
    {Id::RedundancyLabel, sid(977)},
};

bool confirmPreamble(ParameterDialogModel& dialog)
{
    return confirmCountryCodePreamble(dialog, coupon, Id::PreambleList);
}
void endCoupon(ParameterDialogModel& dialog) { endUpcACoupon(dialog, coupon); }

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::upcAImagerTemplate,
    .titleEntry = sid(971),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .commit = CommitPolicy::SnapshotOnOpen,
    .hooks = {.beforeStore = confirmPreamble, .afterStore = endCoupon},
};

}  // namespace

const ParameterDialogSpec& upcAImagerDialog() { return dialog; }

}  // namespace editor::reader
