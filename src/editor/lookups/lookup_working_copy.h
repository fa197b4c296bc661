// SPDX-License-Identifier: MIT
// The Lookup page's working copy of block 3 and the rules it follows, as plain functions so the
// page model stays a thin layer of control events over them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "project/project.h"

namespace texts {
class TextSource;
}

namespace editor::lookups {

using LookupSet = std::array<project::LookupDef, project::MaxLookups>;

// "Lookup 1" to "Lookup 5": the names of the lookup files, as the lists that choose one show them.
[[nodiscard]] std::vector<std::string> lookupFileNames(const texts::TextSource& texts);

// The number of fields the page shows: a count above 12 read from a file shows as 12.
[[nodiscard]] int shownFieldCount(const project::LookupDef& lookup);
// The key field the page shows (0 to 11): a key beyond field 12 shows as field 12.
[[nodiscard]] int shownKeyField(const project::LookupDef& lookup);

// Lookup file `number` (1 to 5) back to its reset values; the bytes the editor does not
// interpret keep what the file carried.
void resetLookupFile(project::LookupDef& lookup, int number, const texts::TextSource& texts);

// The record length the terminal checks an imported record against, in one byte: the sum of
// the field lengths modulo 255, 255 for a non-zero multiple of 255, 0 without fields.
[[nodiscard]] project::Byte lookupLengthCheck(const project::LookupDef& lookup);

// OK of the sheet, in the order the records need it: files without fields are reset, the
// working copy goes into block 3 and into `published`, block 3 is tidied (fields beyond the
// count cleared, export name trimmed, length check derived), and the forms' "lookup" lines take
// the new field lengths.
void commitLookups(LookupSet& working, LookupSet& published, project::Project& project, const texts::TextSource& texts);

}  // namespace editor::lookups
