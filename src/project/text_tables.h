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

// The first string ID, the number of texts and the slot width of a table.
struct TextTableShape
{
    int firstId;
    int count;
    int width;
};

// The tables that each file version added, in file order from block 7 on.
inline constexpr TextTableShape textTablesAddedIn1_00[] = {
    {3001, 3, 31}, {3021, 7, 31}, {3041, 4, 31},  {3101, 5, 51},  {3121, 6, 31},  {3141, 3, 31},
    {3161, 5, 31}, {3181, 6, 31}, {3201, 6, 31},  {3221, 13, 31}, {3241, 13, 31}, {3261, 15, 31},
    {3321, 3, 31}, {3341, 3, 31}, {3361, 2, 31},  {3381, 3, 31},  {3401, 9, 31},  {3421, 5, 31},
    {3441, 3, 31}, {3501, 3, 31}, {3521, 3, 31},  {3541, 2, 31},  {3561, 3, 31},  {3581, 6, 31},
    {3601, 4, 31}, {3621, 3, 31}, {3641, 7, 31},  {3661, 55, 31}, {3721, 7, 21},  {3741, 6, 21},
    {3781, 8, 41}, {3801, 9, 41}, {3821, 10, 41}, {3841, 4, 41},  {3861, 10, 41}, {3881, 3, 41}};
inline constexpr TextTableShape textTablesAddedIn1_01[] = {{3061, 3, 31}};
inline constexpr TextTableShape textTablesAddedIn1_02[] = {{3751, 20, 31}};
inline constexpr TextTableShape textTablesAddedIn1_09[] = {{3591, 10, 31}, {3071, 5, 31}};
inline constexpr TextTableShape textTablesAddedIn1_11[] = {
    {3106, 5, 51},  {3127, 4, 31},  {3166, 5, 31},  {3276, 5, 31},  {3281, 20, 31}, {3426, 5, 31},  {3431, 10, 31},
    {3451, 10, 31}, {3511, 10, 31}, {3531, 10, 31}, {3551, 10, 31}, {3571, 10, 31}, {3789, 12, 51}, {3901, 30, 51}};

inline constexpr int FirstTextBlock = 7;
inline constexpr int LastTextBlock = 60;

// Block 7 first, block 60 last: the tables of each version follow those of the one before.
consteval std::array<TextTableSpec, LastTextBlock - FirstTextBlock + 1> allTextTables()
{
    std::array<TextTableSpec, LastTextBlock - FirstTextBlock + 1> all{};
    int block = FirstTextBlock;
    const auto add = [&](std::span<const TextTableShape> added, FileMagic since) {
        for (const TextTableShape& shape : added) {
            all.at(static_cast<std::size_t>(block - FirstTextBlock)) = {block, shape.firstId, shape.count, shape.width,
                                                                        since};
            ++block;
        }
    };
    add(textTablesAddedIn1_00, FileMagic::of("Q720-1.00"));
    add(textTablesAddedIn1_01, Version::V1_01);
    add(textTablesAddedIn1_02, Version::V1_02);
    add(textTablesAddedIn1_09, Version::V1_09);
    add(textTablesAddedIn1_11, Version::V1_11);
    if (block != LastTextBlock + 1) {
        throw "the text tables do not fill blocks 7 to 60";
    }
    return all;
}
inline constexpr auto textTables = allTextTables();

[[nodiscard]] constexpr const TextTableSpec& textTable(int block)
{
    return textTables[static_cast<std::size_t>(block - FirstTextBlock)];
}

[[nodiscard]] constexpr std::size_t textTableBytes(const TextTableSpec& t)
{
    return static_cast<std::size_t>(t.count * t.width);
}

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

inline constexpr std::size_t TextAreaBytes =
    textTableOffset(LastTextBlock + 1 - 1) + textTableBytes(textTable(LastTextBlock));
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
