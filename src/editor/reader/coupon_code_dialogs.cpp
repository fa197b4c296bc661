// SPDX-License-Identifier: MIT
// COUPON_CODE_2D and COUPON_CODE_CONTENT of the long-range and 2D readers. The setting dialog
// chooses the coupon kinds (UPC-A, EAN-13, both or none) and copies the record when it opens; the
// content dialog it opens shows what "Proceed" will switch on and switches it. Cancel in either
// leaves the record as the setting dialog found it. The Barcode page shows the new rows when the
// setting dialog closes.
#include <iterator>

#include "editor/reader/coupon_code_note_dialog.h"
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"
#include "resources/reader_templates.h"
#include "resources/rfid_templates.h"

namespace editor::reader {
namespace {

using project::Byte;
using project::reader_map::Literal;
using texts::sid;
using SettingId = resources::CouponSettingId;
using ContentId = resources::CouponContentId;

constexpr Byte SystemCharacterPreamble = 1;
constexpr Byte CountryCodePreamble = 2;  // "System Character & Country Code"

// The content dialog's argument: which coupon kinds the user chose.
enum class CouponMode : int { None = 0, UpcA = 1, Ean13 = 2, Both = 3 };

bool hasUpcACoupon(CouponMode mode) { return mode == CouponMode::UpcA || mode == CouponMode::Both; }
bool hasEan13Coupon(CouponMode mode) { return mode == CouponMode::Ean13 || mode == CouponMode::Both; }

CouponMode modeOf(const ParameterDialogModel& dialog)
{
    const int argument = dialog.records().argument;
    return argument >= 0 && argument <= 3 ? static_cast<CouponMode>(argument) : CouponMode::None;
}

// The coupon bytes of one reader's area ("longRange", "imager").
template <Literal Area> struct Coupon
{
    static constexpr FieldRef upcA = twins::field<Area, "UpcA">;
    static constexpr FieldRef ean13 = twins::field<Area, "Ean13">;
    static constexpr FieldRef gs1128 = twins::field<Area, "Gs1128">;
    static constexpr FieldRef couponCode = twins::field<Area, "CouponCode">;
    static constexpr FieldRef preamble = twins::field<Area, "UpcAPreamble">;
};

// The content dialog's UPC-A line names the preamble, by its value.
constexpr texts::StringId preambleLines[] = {sid(581), sid(580), sid(586)};

template <Literal Area> void showContent(ParameterDialogModel& dialog, ui::ControlId changed)
{
    using C = Coupon<Area>;
    if (changed != ui::ControlId{}) {
        return;
    }
    ui::Controls& c = dialog.shown();
    c.setText(ui::OkButton, ui::captionText(dialog.texts(), dialog.language(), sid(72), "Proceed"));
    if (const Byte preamble = dialog.byte(C::preamble); preamble < std::size(preambleLines)) {
        c.setText(ContentId::UpcALabel, dialog.texts().text(preambleLines[preamble]));
    }
    const CouponMode mode = modeOf(dialog);
    const bool isNone = mode == CouponMode::None;
    c.setVisible(ContentId::UpcACouponTick, hasUpcACoupon(mode));
    c.setVisible(ContentId::Ean13CouponTick, hasEan13Coupon(mode));
    c.setVisible(ContentId::UpcATick, hasUpcACoupon(mode) || (isNone && dialog.byte(C::upcA) != 0 &&
                                                              dialog.byte(C::preamble) < CountryCodePreamble));
    c.setVisible(ContentId::Ean13Tick, hasEan13Coupon(mode) || (isNone && dialog.byte(C::ean13) != 0));
    c.setVisible(ContentId::Gs1128Tick, !isNone || dialog.byte(C::gs1128) != 0);
}

// "Proceed": UPC-A, EAN-13 and the coupon code as the kinds ask, and GS1-128 to carry them.
template <Literal Area> bool proceed(ParameterDialogModel& dialog)
{
    using C = Coupon<Area>;
    const CouponMode mode = modeOf(dialog);
    if (hasUpcACoupon(mode)) {
        dialog.byte(C::upcA) = 1;
        if (dialog.byte(C::preamble) == CountryCodePreamble) {
            dialog.byte(C::preamble) = SystemCharacterPreamble;
        }
    } else if (mode == CouponMode::Ean13) {
        dialog.byte(C::upcA) = 0;
    }
    if (hasEan13Coupon(mode)) {
        dialog.byte(C::ean13) = 1;
    } else if (mode == CouponMode::UpcA) {
        dialog.byte(C::ean13) = 0;
    }
    dialog.byte(C::couponCode) = mode == CouponMode::None ? 0 : 1;
    // The page's GS1-128 box shows this byte: these readers write it on the click.
    if (mode != CouponMode::None) {
        dialog.byte(C::gs1128) = 1;
    }
    return true;
}

constexpr ui::TextReplacement contentCaptions[] = {
    {ContentId::CouponKindGroup, sid(562)},
    {ContentId::SymbologyGroup, sid(570)},
    {ContentId::UpcACouponLabel, sid(563), 2},
    {ContentId::Ean13Label, sid(568), 2},
};

template <Literal Area>
constexpr ParameterDialogSpec content{
    .dialogTemplate = resources::couponContentTemplate,
    .titleEntry = sid(566),
    .captions = contentCaptions,
    .hooks = {.afterChange = showContent<Area>, .beforeStore = proceed<Area>},
};

// The setting dialog's boxes start from the record; "UPC-A Coupon Code" may change the preamble.
template <Literal Area> void settingChanged(ParameterDialogModel& dialog, ui::ControlId changed)
{
    using C = Coupon<Area>;
    ui::Controls& c = dialog.shown();
    if (changed == ui::ControlId{}) {
        c.setChecked(SettingId::UpcACouponCheck,
                     dialog.byte(C::upcA) != 0 && dialog.byte(C::preamble) < CountryCodePreamble);
        c.setChecked(SettingId::Ean13CouponCheck, dialog.byte(C::ean13) != 0);
        return;
    }
    // A UPC-A coupon cannot carry the country code: the note asks before the preamble changes.
    if (changed != SettingId::UpcACouponCheck || !c.isChecked(changed) ||
        dialog.byte(C::preamble) != CountryCodePreamble) {
        return;
    }
    CouponCodeNoteDialog note(CouponNoteReason::PreambleWillChange, dialog.texts(), dialog.language());
    if (dialog.dialogHost().runDialog(resources::couponCodeNoteTemplate(), note) == ui::DialogResult::Ok) {
        dialog.byte(C::preamble) = SystemCharacterPreamble;
    } else {
        c.setChecked(changed, false);
    }
}

// OK opens the content dialog with the chosen kinds; its Cancel undoes what this dialog changed.
template <Literal Area> bool openContent(ParameterDialogModel& dialog)
{
    const ui::Controls& c = dialog.shown();
    const bool isUpcA = c.isChecked(SettingId::UpcACouponCheck);
    const bool isEan13 = c.isChecked(SettingId::Ean13CouponCheck);
    ParameterRecords records = dialog.records();
    records.argument = (isUpcA ? 1 : 0) + (isEan13 ? 2 : 0);
    ParameterDialogModel contentDialog(content<Area>, records, dialog.texts(), dialog.language());
    if (dialog.dialogHost().runDialog(resources::couponContentTemplate(), contentDialog) == ui::DialogResult::Ok) {
        return true;
    }
    dialog.endAsCancelled();
    return false;
}

constexpr ui::TextReplacement settingCaptions[] = {{SettingId::UpcACouponCheck, sid(563), 2}};

template <Literal Area>
constexpr ParameterDialogSpec setting{
    .dialogTemplate = resources::couponSettingTemplate,
    .titleEntry = sid(565),
    .captions = settingCaptions,
    .commit = CommitPolicy::SnapshotOnOpen,
    .hooks = {.afterChange = settingChanged<Area>, .beforeStore = openContent<Area>},
};

}  // namespace

constexpr ParameterDialogSpec couponSettingLongRangeDialog = setting<"longRange">;
constexpr ParameterDialogSpec couponSettingImagerDialog = setting<"imager">;
constexpr ParameterDialogSpec couponContentLongRangeDialog = content<"longRange">;
constexpr ParameterDialogSpec couponContentImagerDialog = content<"imager">;

}  // namespace editor::reader
