// SPDX-License-Identifier: MIT
// Resets of the per-line properties that the page and the commit share.
#pragma once

#include "project/records.h"

namespace editor::forms {

class ShowInputMarkFlags;

// The barcode and code properties of a line back to their reset values: prefix, suffix,
// decimal places, partial read, leading code, check digit, auto-enter and the image flags.
void resetBarcodeProperties(project::FormDef& form, int lineIndex);

// The data properties: fixed length with its alignment, initial value and input mark.
void resetDataProperties(project::FormDef& form, int lineIndex);

// Everything the property dialogs edit on a line, as a change of its type requires; prompt,
// input source, lengths and link stay. Also hides the line's input mark.
void resetLineProperties(project::FormDef& form, int formIndex, int lineIndex, ShowInputMarkFlags& showInputMark);

} // namespace editor::forms
