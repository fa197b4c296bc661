// SPDX-License-Identifier: MIT
// Short constructors for the constexpr field tables.
#pragma once

#include "cli/record_fields.h"

namespace cli {

constexpr FieldSpec byteField(std::string_view name, std::size_t offset, int maxValue = NoLimit)
{
    return {name, offset, FieldKind::Byte, 1, maxValue};
}
constexpr FieldSpec textField(std::string_view name, std::size_t offset, std::size_t slotBytes)
{
    return {name, offset, FieldKind::Text, slotBytes, NoLimit};
}
constexpr FieldSpec hexField(std::string_view name, std::size_t offset, std::size_t bytes)
{
    return {name, offset, FieldKind::Hex, bytes, NoLimit};
}

}  // namespace cli
