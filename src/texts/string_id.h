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

// Texts that many places share.
inline constexpr StringId OkText = sid(51);
inline constexpr StringId CancelText = sid(52);
inline constexpr StringId ErrorTitle = sid(2601);
inline constexpr StringId WarningTitle = sid(2602);
inline constexpr StringId InvalidValueText = sid(2854);

}  // namespace texts
