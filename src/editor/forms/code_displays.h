// SPDX-License-Identifier: MIT
// The prefix and suffix displays of the line property dialogs: they show a line's codes by
// their names in the character grid and open the grid when clicked.
#pragma once

#include "editor/parameter_dialog.h"

namespace editor::forms {

// A display and the column of the codes it shows (`prefix` or `suffix`).
struct CodeDisplay
{
    ui::ControlId display;
    std::size_t column;
};

// Shows the codes of the current line in the display.
void showCodes(ParameterDialogModel& dialog, const CodeDisplay& display);
// The user clicked the display: the grid composes up to 10 codes; its OK writes them into the
// line at once (the dialog's copy of the form undoes it on Cancel) and shows them.
void composeCodes(ParameterDialogModel& dialog, const CodeDisplay& display);
// At OK: the slot keeps at most 10 codes and a terminating zero.
void terminateCodes(ParameterDialogModel& dialog, const CodeDisplay& display);

// "Form #" and "Line #" values of a line dialog.
void showFormAndLine(ParameterDialogModel& dialog, ui::ControlId formValue, ui::ControlId lineValue);

} // namespace editor::forms
