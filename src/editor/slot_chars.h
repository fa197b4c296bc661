// SPDX-License-Identifier: MIT
// How many characters a text box of the editor takes: as many as the text slot of the record it
// fills, so that the box and the slot never disagree.
#pragma once

#include <array>
#include <cstddef>

#include "project/fixed_text.h"

namespace editor {

template <typename Record, std::size_t MaxChars> consteval int slotChars(project::FixedText<MaxChars> Record::*)
{
    return static_cast<int>(MaxChars);
}

// One slot of an array of texts (a text per line or per field).
template <typename Record, std::size_t MaxChars, std::size_t Slots>
consteval int slotChars(std::array<project::FixedText<MaxChars>, Slots> Record::*)
{
    return static_cast<int>(MaxChars);
}

}  // namespace editor
