// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <type_traits>

#include "texts/string_id.h"

namespace ui {

// A control's identifier inside its dialog template. Each template names its IDs in an enum of
// its own (`enum class Code39Id { ConvertCheck = 101, ... }`); such enumerators convert to a
// ControlId implicitly so models and tests can pass them straight to the control model. A string
// ID never converts: mixing the two is the mistake this type exists to catch.
class ControlId
{
public:
    constexpr ControlId() = default;
    constexpr explicit ControlId(int value) : m_value(value) {}

    template <typename Enum>
    requires std::is_enum_v<Enum> &&(!std::is_same_v<Enum, texts::StringId>)constexpr ControlId(
        Enum id) // NOLINT(google-explicit-constructor): per-dialog ID enums
        : m_value(static_cast<int>(id))
    {
    }

    [[nodiscard]] constexpr int value() const { return m_value; }

    friend constexpr bool operator==(ControlId, ControlId) = default;
    friend constexpr auto operator<=>(ControlId, ControlId) = default;

private:
    int m_value = 0;
};

// The two buttons every modal dialog shares; clicking them runs OK and Cancel.
inline constexpr ControlId OkButton{1};
inline constexpr ControlId CancelButton{2};

} // namespace ui
