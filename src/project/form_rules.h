// SPDX-License-Identifier: MIT
// The rules over form lines that the editor, its commit and the pre-save derivation share:
// which line types take input, lengths, links and properties, and the lengths derived from them.
#pragma once

#include <array>

#include "project/records.h"

namespace project {

// A line type code as stored: codes above 16 can come from a file and belong to no class.
[[nodiscard]] constexpr Byte lineCode(LineType type) { return static_cast<Byte>(type); }

// Type classes. `lineIndex` is the slot of the per-line arrays (0 for line 1, up to 14).
[[nodiscard]] bool isKeyedInput(Byte lineType);
[[nodiscard]] bool isLengthLimited(Byte lineType, Byte imageEditPath);
[[nodiscard]] bool isLinkable(Byte lineType, Byte lookupFile);
[[nodiscard]] bool isPrompted(Byte lineType);
[[nodiscard]] bool hasProperties(Byte lineType);
[[nodiscard]] bool isContinuedByExtension(Byte lineType);
[[nodiscard]] bool countsAsInput(Byte lineType, Byte imageEditPath);

[[nodiscard]] bool isKeyedInput(const FormDef& form, int lineIndex);
[[nodiscard]] bool isLengthLimited(const FormDef& form, int lineIndex);
[[nodiscard]] bool isLinkable(const FormDef& form, int lineIndex);
[[nodiscard]] bool isPrompted(const FormDef& form, int lineIndex);
[[nodiscard]] bool hasProperties(const FormDef& form, int lineIndex);
[[nodiscard]] bool isContinuedByExtension(const FormDef& form, int lineIndex);
[[nodiscard]] bool countsAsInput(const FormDef& form, int lineIndex);

// The lookup file a form uses, 1 to 5, or 0 for none. Only 0 to 5 can be entered, but a file
// may carry any byte: a form with a value above 5 is treated as having no lookup file (the
// byte itself is kept as read).
[[nodiscard]] int effectiveLookupFile(Byte lookupFile);
[[nodiscard]] int effectiveLookupFile(const FormDef& form);

// The number of fields of a lookup file as far as the 15 field slots go.
[[nodiscard]] int lookupFieldCount(const LookupDef& lookup);

// Fixed length, prefix and suffix of a line added up, as the commit stores it in `dataLength`.
// The terminal reads one byte, so a larger sum is kept at 255 rather than wrapped.
[[nodiscard]] Byte committedDataLength(const FormDef& form, int lineIndex);

// The length a "lookup" line may take: the length of its linked field of lookup file `lookup`,
// or 160 when the line has no link, links no field 1 to 15, or the field's length is 0. Field
// lengths above 160 are passed on as they are.
[[nodiscard]] Byte linkedLookupLength(const LookupDef& lookup, Byte lookupLink);

// For every form with a lookup file: each "lookup" line of all 15 slots gets the length of
// its linked lookup field as `maxLength`.
void updateLookupLengths(std::array<FormDef, MaxForms>& forms, const std::array<LookupDef, MaxLookups>& lookups);

inline constexpr Byte UnlinkedLookupLength = 160;
inline constexpr int MaxByteValue = 255;

}  // namespace project
