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

struct ReaderTypePage
{
    int readerType;                   // units digit of block 5 byte 2
    texts::StringId firstRowCaption;  // captions of the check boxes 101 to 127, in order
    int rowCount;                     // rows 101 on that the type shows; the others are hidden
    // Reading behaviour: what each control shows and stores at Apply, which labels and units
    // go with them, and their captions.
    std::span<const Binding> behaviour;
    std::span<const ui::ControlId> behaviourLabels;
    std::span<const ui::TextReplacement> behaviourCaptions;
    // Bytes shown as a flag: any value other than 0 becomes 1 in the record when shown.
    std::span<const FieldRef> normalisedFlags = {};
    // Every symbology check box that Apply stores into its enable byte.
    std::span<const Binding> symbologies;
    // Check boxes whose enable byte is written on the click already.
    std::span<const ui::ControlId> writtenAtOnce = {};
    // "more..." and further buttons the type shows.
    std::span<const ui::ControlId> buttons;
    // A target is enabled while any of its rules holds; a check box disabled by a rule with
    // WhenDisabled::Clear is shown unchecked.
    std::span<const EnablingRule> rules;
    // Two check boxes that are switched together (the laser reader's DataBar-14 and Expanded).
    std::optional<std::pair<ui::ControlId, ui::ControlId>> coupled = {};
    const CouponRow* coupon = nullptr;
    // The check box that switches image capture (the Settings page follows it).
    std::optional<ui::ControlId> imageCaptureCheck = {};
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
