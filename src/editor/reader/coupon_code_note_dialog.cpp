// SPDX-License-Identifier: MIT
#include "editor/reader/coupon_code_note_dialog.h"

#include <string>

#include "resources/reader_templates.h"

namespace editor::reader {
namespace {

using Id = resources::CouponCodeNoteId;
using texts::sid;

constexpr int CountryCodePreamble = 2;  // "System Character & Country Code"

// The note's texts double a literal "&" as captions do ("System Character && Country Code"); the
// label shows it once.
std::string labelText(std::string text)
{
    for (std::size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 1)) {
        text.erase(at, 1);
    }
    return text;
}  // "System Character & Country Code"

bool affectsCoupon(const ParameterDialogModel& dialog, const CouponBytes& bytes, int preamble)
{
    return dialog.byte(bytes.couponCode) == 1 && dialog.byte(bytes.gs1128) == 1 && preamble == CountryCodePreamble;
}

}  // namespace

CouponCodeNoteDialog::CouponCodeNoteDialog(CouponNoteReason reason, const texts::TextSource& texts,
                                           ui::LanguageState language)
    : m_reason(reason), m_texts(texts), m_language(language)
{
}

void CouponCodeNoteDialog::onInit()
{
    const bool isFromCouponSetting = m_reason == CouponNoteReason::PreambleWillChange;
    controls().setTitle(m_texts.text(isFromCouponSetting ? sid(565) : sid(585)));
    controls().setText(Id::NoteLabel, m_texts.text(sid(582)));
    controls().setText(Id::TextLabel, labelText(m_texts.text(isFromCouponSetting ? sid(583) : sid(584))));
    if (!isFromCouponSetting) {
        // The UPC-A dialogs' note has buttons of its own in a language file.
        controls().setText(ui::OkButton, ui::captionText(m_texts, m_language, sid(70), controls().text(ui::OkButton)));
        controls().setText(ui::CancelButton,
                           ui::captionText(m_texts, m_language, sid(71), controls().text(ui::CancelButton)));
    } else {
        ui::replaceCaptionTexts(controls(), m_texts, m_language, {});
    }
}

bool confirmCountryCodePreamble(ParameterDialogModel& dialog, const CouponBytes& bytes, ui::ControlId preambleList)
{
    if (!affectsCoupon(dialog, bytes, dialog.shown().selection(preambleList))) {
        return true;
    }
    CouponCodeNoteDialog note(CouponNoteReason::PreambleAffectsCoupon, dialog.texts(), dialog.language());
    if (dialog.dialogHost().runDialog(resources::couponCodeNoteTemplate, note) == ui::DialogResult::Ok) {
        return true;
    }
    dialog.showStored(preambleList);
    return false;
}

void endUpcACoupon(ParameterDialogModel& dialog, const CouponBytes& bytes)
{
    if (affectsCoupon(dialog, bytes, dialog.byte(bytes.upcAPreamble)) && dialog.byte(bytes.ean13) == 0) {
        dialog.byte(bytes.couponCode) = 0;
    }
}

}  // namespace editor::reader
