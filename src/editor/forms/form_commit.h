// SPDX-License-Identifier: MIT
// Writing the form editor's working copy back into block 2 when the editor closes with OK.
#pragma once

#include "editor/forms/form_working_copy.h"
#include "project/records.h"

namespace editor::forms {

// Clears, on editor lines 1 to 12 of every form, the properties that the line's type does not
// use, and hides their input marks. Runs over the working copy before it is copied.
void cleanUnusedProperties(FormWorkingCopy& working);

// The normalisation of committed forms: lookup lengths, form-level values, per-line lengths,
// extension lines, derived data lengths and the last input line, over all 15 slots.
void normaliseCommittedForms(FormSet& forms, const LookupSet& lookups);

// The whole commit: clean-up of the working copy, copy over `committed` (block 2), then the
// normalisation there. `lookups` are the lookup files the lines link to.
void commitForms(FormWorkingCopy& working, FormSet& committed, const LookupSet& lookups);

} // namespace editor::forms
