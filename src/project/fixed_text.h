// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace project {

// A NUL-terminated single-byte text in a fixed slot of MaxChars + 1 bytes, as the terminal
// reads it. A slot read from a file may lack its NUL, so reading is bounded to MaxChars.
// Assigning writes the text (cut to MaxChars) and its NUL and leaves the bytes behind the NUL
// untouched: files carry whatever stood there and we write it back unchanged.
template <std::size_t MaxChars>
struct FixedText
{
    std::array<std::uint8_t, MaxChars + 1> bytes;

    static constexpr std::size_t maxChars = MaxChars;
    static constexpr std::size_t slotBytes = MaxChars + 1;

    [[nodiscard]] std::size_t length() const
    {
        const auto* end = std::find(bytes.begin(), bytes.begin() + MaxChars, std::uint8_t{0});
        return static_cast<std::size_t>(end - bytes.begin());
    }

    [[nodiscard]] std::string_view view() const
    {
        return {reinterpret_cast<const char*>(bytes.data()), length()};
    }

    [[nodiscard]] std::string str() const { return std::string(view()); }

    [[nodiscard]] bool isEmpty() const { return bytes[0] == 0; }

    void assign(std::string_view text)
    {
        const std::size_t n = std::min(text.size(), MaxChars);
        std::memcpy(bytes.data(), text.data(), n);
        bytes[n] = 0;
    }

    void clear() { bytes[0] = 0; }

    // Clears the whole slot, for resets that write every byte.
    void zero() { bytes.fill(0); }
};

// Column-wise per-line text attribute: one slot for each of the 15 lines of a form.
template <std::size_t MaxChars>
using LineTexts = std::array<FixedText<MaxChars>, 15>;

using LineBytes = std::array<std::uint8_t, 15>;

}  // namespace project
