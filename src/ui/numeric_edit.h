// SPDX-License-Identifier: MIT
// Numeric edit boxes, one mechanism for every dialog. Correction happens in two steps:
//  - while the user types: digit filter, upper bound, leading zeros removed;
//  - when editing finishes (focus leaves the box, Enter, and always before OK or Apply): text
//    that is not a number gets the fallback, a value below the lower bound the lower bound, and
//    a refused value (a delimiter of 13) brings back the last accepted text with a warning.
// Correcting the lower bound on every keystroke would make valid values untypeable: "30" in a
// 5..99 box would become "50" after its first digit.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "texts/string_id.h"

namespace ui {

//     makeNumeric(LengthEdit, NumericEditSpec::range(5, 99));
//     makeNumeric(DelimiterEdit, NumericEditSpec::range(0, 255).refusing([](int v) { return v == 13; }));
struct NumericEditSpec
{
    [[nodiscard]] static NumericEditSpec range(int minimum, int maximum)
    {
        NumericEditSpec spec;
        spec.minimum = minimum;
        spec.maximum = maximum;
        return spec;
    }
    [[nodiscard]] NumericEditSpec withFallback(int value) const
    {
        NumericEditSpec spec = *this;
        spec.fallback = value;
        return spec;
    }
    [[nodiscard]] NumericEditSpec refusing(std::function<bool(int value)> test) const
    {
        NumericEditSpec spec = *this;
        spec.isRefused = std::move(test);
        return spec;
    }

    int minimum = 0;
    int maximum = 255;
    // Replaces text that is not a number when editing finishes; the minimum when not given.
    std::optional<int> fallback;
    // Values that are refused when editing finishes; the box returns to its last accepted text
    // and the warning box (refusalTitle, refusalText) is shown.
    std::function<bool(int value)> isRefused;
    texts::StringId refusalTitle = texts::WarningTitle;
    texts::StringId refusalText = texts::InvalidValueText;
};

// The text read as an unsigned decimal number: digits only, no sign, no blanks. Numbers too big
// for an int read as INT_MAX, which every upper bound catches.
[[nodiscard]] std::optional<int> parseUnsigned(std::string_view text);

// Correction applied on each change the user makes.
[[nodiscard]] std::string correctWhileTyping(std::string_view text, const NumericEditSpec& spec);

// Outcome of finishing an edit: the text the box shows next, and whether the value was refused
// (then `text` is the last accepted text passed in).
struct FinishedEdit
{
    std::string text;
    bool isRefused = false;
};

[[nodiscard]] FinishedEdit correctWhenFinished(std::string_view text, std::string_view lastAccepted,
                                               const NumericEditSpec& spec);

} // namespace ui
