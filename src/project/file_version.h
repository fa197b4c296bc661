// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace project {

// The first 9 characters of a project file's 10-byte magic. Versions compare as plain byte
// strings, so "Q720-1.02" < "Q720-1.09" < "Q720-1.14", and any other text behind "Q720"
// orders by its bytes too.
struct FileMagic
{
    std::array<char, 9> chars{};

    static constexpr FileMagic of(std::string_view text)
    {
        FileMagic m;
        for (std::size_t i = 0; i < m.chars.size() && i < text.size(); ++i) {
            m.chars[i] = text[i];
        }
        return m;
    }

    [[nodiscard]] int compare(const FileMagic& other) const
    {
        return std::memcmp(chars.data(), other.chars.data(), chars.size());
    }
    [[nodiscard]] bool isOlderThan(const FileMagic& other) const { return compare(other) < 0; }
    [[nodiscard]] bool isAtLeast(const FileMagic& other) const { return compare(other) >= 0; }
    [[nodiscard]] bool operator==(const FileMagic& other) const { return compare(other) == 0; }

    [[nodiscard]] bool hasModelPrefix() const { return std::memcmp(chars.data(), "Q720", 4) == 0; }

    // Printable form for messages: bytes outside 32..126 are shown as '?'.
    [[nodiscard]] std::string printable() const
    {
        std::string out;
        for (char c : chars) {
            if (c == 0) {
                break;
            }
            const auto u = static_cast<unsigned char>(c);
            out.push_back(u >= 32 && u < 127 ? c : '?');
        }
        return out;
    }
};

namespace Version {
inline constexpr FileMagic V1_01 = FileMagic::of("Q720-1.01");
inline constexpr FileMagic V1_02 = FileMagic::of("Q720-1.02");
inline constexpr FileMagic V1_09 = FileMagic::of("Q720-1.09");
inline constexpr FileMagic V1_11 = FileMagic::of("Q720-1.11");
inline constexpr FileMagic V1_12 = FileMagic::of("Q720-1.12");
inline constexpr FileMagic V1_14 = FileMagic::of("Q720-1.14");
inline constexpr FileMagic Current = V1_14;
}  // namespace Version

}  // namespace project
