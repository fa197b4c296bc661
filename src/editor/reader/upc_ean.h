// SPDX-License-Identifier: MIT
// What the five UPC/EAN dialogs of the 2D imager, and those of the long-range reader, share: one
// supplementals choice and one redundancy for all UPC/EAN types of a reader, and the preamble
// lists of UPC-A, UPC-E0 and UPC-E1. `Area` is the reader's field prefix.
#pragma once

#include "editor/parameter_dialog.h"
#include "editor/reader/coupon_code_note_dialog.h"

namespace editor::reader::upc_ean {

// The redundancy box and its label count only while "Decode With Supplementals" is chosen.
inline constexpr std::uint32_t WithSupplementals = 0b100;

template <project::reader_map::Literal Area = "imager"> constexpr Binding supplementals(ui::ControlId list)
{
    return editor::list(list, texts::sid(2021), 3, readerField(project::reader_map::joined<Area, "Supplementals">));
}
// Two characters of any kind; 2..30, what is not a number becomes 2.
template <project::reader_map::Literal Area = "imager"> constexpr Binding redundancy(ui::ControlId edit)
{
    return anyCharacters(
        number(edit, readerField(project::reader_map::joined<Area, "SupplementalRedundancy">), 2, 30, 2));
}
template <typename Id>
inline constexpr EnablingRule redundancyRules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, WithSupplementals),
};
// The coupon-code bytes of a reader type, for its UPC-A dialog and its Barcode page.
template <project::reader_map::Literal Area>
inline constexpr CouponBytes couponBytes{readerField(project::reader_map::joined<Area, "CouponCode">),
                                         readerField(project::reader_map::joined<Area, "Gs1128">),
                                         readerField(project::reader_map::joined<Area, "Ean13">),
                                         readerField(project::reader_map::joined<Area, "UpcAPreamble">)};

// "No Preamble", "System Character", "System Character & Country Code".
constexpr Binding preamble(ui::ControlId list, FieldRef field)
{
    return editor::list(list, texts::sid(2001), 3, field);
}

}  // namespace editor::reader::upc_ean
