// SPDX-License-Identifier: MIT
// The program's built-in string table.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "texts/string_id.h"

namespace texts {

struct StringEntry
{
    int id;
    std::string_view text;
};

// The built-in string for an ID, empty when there is none. Texts of the runtime text tables
// (3001 to 3930) come padded with blanks to their table's maximum length, as the terminal
// expects them.
[[nodiscard]] std::string builtinString(StringId id);

// Whether the built-in table has an entry for the ID (an entry may be blanks only).
[[nodiscard]] bool hasBuiltinString(StringId id);

// Width of the runtime text table slot that holds the ID, 0 outside 3001 to 3930. A built-in
// string there is padded with blanks to this width minus one (only slots have built-in strings
// in that range). The project layer owns the tables' layout and checks at compile time that
// every slot agrees.
[[nodiscard]] constexpr int runtimeTextSlotWidth(int id)
{
    struct Run
    {
        int first;
        int last;
        int width;
    };
    constexpr Run narrowOrWide[] = {
        {3101, 3110, 51}, {3721, 3727, 21}, {3741, 3746, 21}, {3781, 3788, 41}, {3789, 3800, 51},
        {3801, 3809, 41}, {3821, 3830, 41}, {3841, 3844, 41}, {3861, 3870, 41}, {3881, 3883, 41},
        {3901, 3930, 51},
    };
    if (id < 3001 || id > 3930) {
        return 0;
    }
    for (const Run& run : narrowOrWide) {
        if (id >= run.first && id <= run.last) {
            return run.width;
        }
    }
    return 31;
}

// The tables that make up the built-in string table, one per subsystem.
std::span<const StringEntry> runtimeTableStrings();
std::span<const StringEntry> programStrings();

}  // namespace texts
