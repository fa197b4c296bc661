// SPDX-License-Identifier: MIT
// Layout of the 54 runtime text tables (blocks 7 to 60) that carry the terminal's own texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "project/file_version.h"

namespace project {

struct TextTableSpec
{
    int block;
    int firstId;
    int count;
    int width;  // slot bytes; at most width - 1 characters
    FileMagic since;
};

inline constexpr FileMagic V1_00 = FileMagic::of("Q720-1.00");

// In file order: block 7 first, block 60 last.
inline constexpr std::array<TextTableSpec, 54> textTables = {{
    {7, 3001, 3, 31, V1_00},   {8, 3021, 7, 31, V1_00},   {9, 3041, 4, 31, V1_00},
    {10, 3101, 5, 51, V1_00},  {11, 3121, 6, 31, V1_00},  {12, 3141, 3, 31, V1_00},
    {13, 3161, 5, 31, V1_00},  {14, 3181, 6, 31, V1_00},  {15, 3201, 6, 31, V1_00},
    {16, 3221, 13, 31, V1_00}, {17, 3241, 13, 31, V1_00}, {18, 3261, 15, 31, V1_00},
    {19, 3321, 3, 31, V1_00},  {20, 3341, 3, 31, V1_00},  {21, 3361, 2, 31, V1_00},
    {22, 3381, 3, 31, V1_00},  {23, 3401, 9, 31, V1_00},  {24, 3421, 5, 31, V1_00},
    {25, 3441, 3, 31, V1_00},  {26, 3501, 3, 31, V1_00},  {27, 3521, 3, 31, V1_00},
    {28, 3541, 2, 31, V1_00},  {29, 3561, 3, 31, V1_00},  {30, 3581, 6, 31, V1_00},
    {31, 3601, 4, 31, V1_00},  {32, 3621, 3, 31, V1_00},  {33, 3641, 7, 31, V1_00},
    {34, 3661, 55, 31, V1_00}, {35, 3721, 7, 21, V1_00},  {36, 3741, 6, 21, V1_00},
    {37, 3781, 8, 41, V1_00},  {38, 3801, 9, 41, V1_00},  {39, 3821, 10, 41, V1_00},
    {40, 3841, 4, 41, V1_00},  {41, 3861, 10, 41, V1_00}, {42, 3881, 3, 41, V1_00},
    {43, 3061, 3, 31, Version::V1_01},
    {44, 3751, 20, 31, Version::V1_02},
    {45, 3591, 10, 31, Version::V1_09}, {46, 3071, 5, 31, Version::V1_09},
    {47, 3106, 5, 51, Version::V1_11},  {48, 3127, 4, 31, Version::V1_11},
    {49, 3166, 5, 31, Version::V1_11},  {50, 3276, 5, 31, Version::V1_11},
    {51, 3281, 20, 31, Version::V1_11}, {52, 3426, 5, 31, Version::V1_11},
    {53, 3431, 10, 31, Version::V1_11}, {54, 3451, 10, 31, Version::V1_11},
    {55, 3511, 10, 31, Version::V1_11}, {56, 3531, 10, 31, Version::V1_11},
    {57, 3551, 10, 31, Version::V1_11}, {58, 3571, 10, 31, Version::V1_11},
    {59, 3789, 12, 51, Version::V1_11}, {60, 3901, 30, 51, Version::V1_11},
}};

inline constexpr int FirstTextBlock = 7;
inline constexpr int LastTextBlock = 60;

[[nodiscard]] constexpr const TextTableSpec& textTable(int block) { return textTables[static_cast<std::size_t>(block - FirstTextBlock)]; }

[[nodiscard]] constexpr std::size_t textTableBytes(const TextTableSpec& t) { return static_cast<std::size_t>(t.count * t.width); }

// Offset of a table inside the contiguous text area (which is also its place in the file
// relative to block 7).
[[nodiscard]] constexpr std::size_t textTableOffset(int block)
{
    std::size_t offset = 0;
    for (int b = FirstTextBlock; b < block; ++b) {
        offset += textTableBytes(textTable(b));
    }
    return offset;
}

inline constexpr std::size_t TextAreaBytes = textTableOffset(LastTextBlock + 1 - 1) + textTableBytes(textTable(LastTextBlock));
static_assert(textTableOffset(43) == 8377);
static_assert(textTableOffset(44) == 8377 + 93);
static_assert(textTableOffset(45) == 8377 + 93 + 620);
static_assert(textTableOffset(47) == 8377 + 93 + 620 + 465);
static_assert(TextAreaBytes == 8377 + 93 + 620 + 465 + 5466);

// Blocks 7 to 60, back to back in file order.
struct TextArea
{
    std::array<std::uint8_t, TextAreaBytes> bytes;

    [[nodiscard]] std::span<std::uint8_t> textSlot(int block, int index)
    {
        const auto& t = textTable(block);
        return std::span(bytes).subspan(textTableOffset(block) + static_cast<std::size_t>(index * t.width),
                                        static_cast<std::size_t>(t.width));
    }
    [[nodiscard]] std::span<const std::uint8_t> textSlot(int block, int index) const
    {
        const auto& t = textTable(block);
        return std::span(bytes).subspan(textTableOffset(block) + static_cast<std::size_t>(index * t.width),
                                        static_cast<std::size_t>(t.width));
    }
};

// The table and slot that hold a string ID, if any.
struct TextSlotRef
{
    int block = 0;
    int index = 0;
};
[[nodiscard]] constexpr bool findTextSlot(int stringId, TextSlotRef& out)
{
    for (const auto& t : textTables) {
        if (stringId >= t.firstId && stringId < t.firstId + t.count) {
            out = {t.block, stringId - t.firstId};
            return true;
        }
    }
    return false;
}

}  // namespace project
