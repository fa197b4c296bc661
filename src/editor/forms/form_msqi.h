// SPDX-License-Identifier: MIT
// What MSQI mode and the RFID reader require of the form records, apart from the controls.
#pragma once

#include "editor/forms/form_working_copy.h"
#include "project/records.h"

namespace editor::forms {

// Whether the RFID reader is on for a reader type byte (block 5 byte 2).
[[nodiscard]] constexpr bool isRfidReaderOn(project::Byte readerType)
{
    return readerType >= 10;
}

// The link of line 1 of an MSQI form: the key field of its lookup file when the file has a
// field, else 0; 0 as well when the form has no lookup file.
[[nodiscard]] project::Byte msqiKeyLink(const project::FormDef& form, const LookupSet& lookups);

// Arranges form `formIndex` for MSQI mode: record action "save", no index, next is the form
// itself; line 1 "text" looking up the key field, line 2 "MSQI" with an initial quantity and
// the widest input source; lines 3 to 12 "lookup" (with a lookup file) or "nil".
void arrangeMsqiForm(project::FormDef& form, int formIndex, const LookupSet& lookups, bool isRfidOn);

// After the RFID reader was switched off, no line may read from it any more.
void dropRfidInputSources(FormSet& forms);

} // namespace editor::forms
