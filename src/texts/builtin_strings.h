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

// The tables that make up the built-in string table, one per subsystem.
std::span<const StringEntry> runtimeTableStrings();
std::span<const StringEntry> programStrings();

}  // namespace texts
