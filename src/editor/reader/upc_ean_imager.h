// SPDX-License-Identifier: MIT
// What the 2D imager's five UPC/EAN dialogs share: one supplementals choice and one redundancy
// for all UPC/EAN types, and the preamble lists of UPC-A, UPC-E0 and UPC-E1.
#pragma once

#include "editor/parameter_dialog.h"

namespace editor::reader::upc_ean {

// The redundancy box and its label count only while "Decode With Supplementals" is chosen.
inline constexpr std::uint32_t WithSupplementals = 0b100;

constexpr Binding supplementals(ui::ControlId list)
{
    return editor::list(list, texts::sid(2021), 3, readerField("imagerSupplementals"));
}
// Two characters of any kind; 2..30, what is not a number becomes 2.
constexpr Binding redundancy(ui::ControlId edit)
{
    return anyCharacters(number(edit, readerField("imagerSupplementalRedundancy"), 2, 30, 2));
}
// "No Preamble", "System Character", "System Character & Country Code".
constexpr Binding preamble(ui::ControlId list, FieldRef field)
{
    return editor::list(list, texts::sid(2001), 3, field);
}

}  // namespace editor::reader::upc_ean
