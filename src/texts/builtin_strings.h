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

// Width of the runtime text table slot that holds the ID, 0 for an ID without one. A built-in
// string of such an ID is padded with blanks to this width minus one. The project layer owns
// the tables' layout and checks at compile time that every ID agrees with it.
[[nodiscard]] constexpr int runtimeTextSlotWidth(int id)
{
    struct Run
    {
        int first;
        int last;
        int width;
    };
    constexpr Run runs[] = {
        {3001, 3003, 31}, {3021, 3027, 31}, {3041, 3044, 31}, {3061, 3063, 31}, {3071, 3075, 31},
        {3101, 3110, 51}, {3121, 3130, 31}, {3141, 3143, 31}, {3161, 3170, 31}, {3181, 3186, 31},
        {3201, 3206, 31}, {3221, 3233, 31}, {3241, 3253, 31}, {3261, 3300, 31}, {3321, 3323, 31},
        {3341, 3343, 31}, {3361, 3362, 31}, {3381, 3383, 31}, {3401, 3409, 31}, {3421, 3443, 31},
        {3451, 3460, 31}, {3501, 3503, 31}, {3511, 3523, 31}, {3531, 3542, 31}, {3551, 3563, 31},
        {3571, 3586, 31}, {3591, 3604, 31}, {3621, 3623, 31}, {3641, 3647, 31}, {3661, 3715, 31},
        {3721, 3727, 21}, {3741, 3746, 21}, {3751, 3770, 31}, {3781, 3788, 41}, {3789, 3800, 51},
        {3801, 3809, 41}, {3821, 3830, 41}, {3841, 3844, 41}, {3861, 3870, 41}, {3881, 3883, 41},
        {3901, 3930, 51},
    };
    for (const Run& run : runs) {
        if (id >= run.first && id <= run.last) {
            return run.width;
        }
    }
    return 0;
}

// The tables that make up the built-in string table, one per subsystem.
std::span<const StringEntry> runtimeTableStrings();
std::span<const StringEntry> programStrings();

}  // namespace texts
