// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace texts {

// Every user-visible text has a numeric ID; the language file and the built-in table use the
// same IDs.
enum class StringId : std::uint16_t {};

inline constexpr int MaxStringId = 3999;

[[nodiscard]] constexpr StringId sid(int id) { return StringId{static_cast<std::uint16_t>(id)}; }
[[nodiscard]] constexpr int value(StringId id) { return static_cast<int>(id); }

}  // namespace texts
