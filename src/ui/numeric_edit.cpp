// SPDX-License-Identifier: MIT
#include "ui/numeric_edit.h"

#include <algorithm>
#include <climits>

namespace ui {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<int> parseUnsigned(std::string_view text)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX) {
            return INT_MAX;
        }
    }
    return static_cast<int>(value);
}

std::string correctWhileTyping(std::string_view text, const NumericEditSpec& spec)
{
    const std::optional<int> value = parseUnsigned(text);
    if (!value) {
        return std::string(text); // not a number yet: finishing decides
    }
    if (*value > spec.maximum) {
        return std::to_string(spec.maximum);
    }
    if (text.size() >= 2 && text.front() == '0') {
        return std::to_string(*value);
    }
    return std::string(text);
}

FinishedEdit correctWhenFinished(std::string_view text, std::string_view lastAccepted, const NumericEditSpec& spec)
{
    const std::optional<int> parsed = parseUnsigned(text);
    int value = parsed.value_or(spec.fallback.value_or(spec.minimum));
    if (parsed) {
        value = std::clamp(*parsed, spec.minimum, std::max(spec.minimum, spec.maximum));
    }
    if (spec.isRefused && spec.isRefused(value)) {
        return {std::string(lastAccepted), true};
    }
    return {std::to_string(value), false};
}

} // namespace ui
