// SPDX-License-Identifier: MIT
// The Barcode page as each reader type shows it: one table per type over the one template
// BARCODEDLG, binding its controls to the type's own area of the reader settings (block 4).
#pragma once

#include <optional>
#include <span>
#include <utility>

#include "editor/parameter_dialog.h"
#include "editor/reader/coupon_code_note_dialog.h"
#include "resources/barcode_templates.h"
#include "texts/string_id.h"
#include "ui/localisation.h"

namespace editor::reader {

// The UPC/EAN rows that the coupon code joins; the long-range and 2D readers place them alike.
inline constexpr ui::ControlId UpcACheck{101};
inline constexpr ui::ControlId Ean13Check{105};
inline constexpr ui::ControlId BooklandCheck{106};
inline constexpr ui::ControlId Gs1128Check{108};
// Their enable bytes are written on the click already: the coupon procedure reads them.
inline constexpr ui::ControlId CouponJoinedChecks[] = {UpcACheck, Ean13Check, Gs1128Check};

// The coupon code row of the long-range and 2D readers. Its byte belongs to the coupon
// procedure: the page shows it but never stores the check box at Apply.
struct CouponRow
{
    ui::ControlId check;
    ui::ControlId moreButton;
    FieldRef upcA;
    CouponBytes bytes;
    // The parameter dialogs after which a switched-on coupon code also switches GS1-128 on.
    std::span<const ui::ControlId> dialogsForcingGs1128;
};

// How a type shows its reading behaviour: what each control shows and stores at Apply, which
// labels and units go with them, and their captions.
struct ReaderBehaviour
{
    std::span<const Binding> bindings;
    std::span<const ui::ControlId> labels;
    std::span<const ui::TextReplacement> captions;
    // Bytes shown as a flag: any value other than 0 becomes 1 in the record when shown.
    std::span<const FieldRef> normalisedFlags = {};
};

// The symbology rows of a type.
struct SymbologyRows
{
    // Every symbology check box that Apply stores into its enable byte, in row order from 101.
    std::span<const Binding> checks;
    // "more..." and further buttons the type shows.
    std::span<const ui::ControlId> buttons;
    // A target is enabled while any of its rules holds; a check box disabled by a rule with
    // WhenDisabled::Clear is shown unchecked.
    std::span<const EnablingRule> rules;
};

struct ReaderTypePage
{
    int readerType;                   // units digit of block 5 byte 2
    texts::StringId firstRowCaption;  // captions of the check boxes 101 to 127, in order
    ReaderBehaviour behaviour;
    SymbologyRows rows;
    // Two check boxes that are switched together (the laser reader's DataBar-14 and Expanded).
    std::optional<std::pair<ui::ControlId, ui::ControlId>> coupled = {};
    // With a coupon row, the UPC/EAN rows it joins write their enable bytes on the click already.
    const CouponRow* coupon = nullptr;
    // The check box that switches image capture (the Settings page follows it); it writes its
    // enable byte on the click already.
    std::optional<ui::ControlId> imageCaptureCheck = {};

    // Rows 101 on that the type shows (the symbologies, then the coupon code's); the others are
    // hidden.
    [[nodiscard]] constexpr int rowCount() const
    {
        return static_cast<int>(rows.checks.size()) + (coupon != nullptr ? 1 : 0);
    }
};

// The page of reader type 1 (1D laser/CCD), 2 (1D extra long range) or 3 (2D).
[[nodiscard]] const ReaderTypePage& laserPage();
[[nodiscard]] const ReaderTypePage& longRangePage();
[[nodiscard]] const ReaderTypePage& imagerPage();
// By units digit; nullptr for a digit other than 1 to 3.
[[nodiscard]] const ReaderTypePage* readerTypePage(int readerType);

// Every control that shows the reading behaviour of some type.
[[nodiscard]] std::span<const ui::ControlId> allBehaviourControls();

}  // namespace editor::reader
