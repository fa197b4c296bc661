// SPDX-License-Identifier: MIT
#include "editor/forms/line_dialog_parts.h"

namespace editor::forms {

void followLineCodes(ParameterDialogModel& dialog, const LineCodeControls& c, ui::ControlId changed)
{
    if (changed == ui::ControlId{}) {
        showCodes(dialog, c.prefix);
        showCodes(dialog, c.suffix);
    } else if (changed == c.prefix.display) {
        composeCodes(dialog, c.prefix);
    } else if (changed == c.suffix.display) {
        composeCodes(dialog, c.suffix);
    }
}

void terminateLineCodes(ParameterDialogModel& dialog, const LineCodeControls& c)
{
    terminateCodes(dialog, c.prefix);
    terminateCodes(dialog, c.suffix);
}

void showInputMark(ParameterDialogModel& dialog, const InputMarkControls& c)
{
    bool* const markFlag = dialog.records().showInputMark;
    const bool isMarkShown = dialog.byte(lineField("inputMark")) != 0 || (markFlag != nullptr && *markFlag);
    dialog.shown().setChecked(c.check, isMarkShown);
    dialog.reapplyRules(c.check);
}

void storeInputMark(ParameterDialogModel& dialog, const InputMarkControls& c)
{
    const bool isMarkShown = dialog.shown().isChecked(c.check);
    if (!isMarkShown) {
        dialog.byte(lineField("inputMark")) = 0;
    }
    if (bool* const markFlag = dialog.records().showInputMark) {
        *markFlag = isMarkShown;
    }
}

}  // namespace editor::forms
