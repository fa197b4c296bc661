// SPDX-License-Identifier: MIT
// IMAGEADVANCEDLG, "Properties" of an "image" line: whether the picture's file path is edited,
// saved and checked, and the format of a saved path.
#include "editor/forms/code_displays.h"
#include "editor/forms/form_dialogs.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::ImageFieldId;
using Header = resources::LineHeaderId;
using texts::sid;

constexpr int PathChars = 10;

constexpr Binding bindings[] = {
    flag(Id::EditPathCheck, lineField("imageEditPath")),
    flag(Id::SavePathCheck, lineField("imageSavePath")),
    flag(Id::CheckPathCheck, lineField("imageCheckPath")),
    flag(Id::FixedLengthCheck, lineField("fixedLengthOn")),
    number(Id::FixedLengthEdit, lineField("fixedLength"), 0, 255, 3),
    list(Id::AlignmentList, sid(1561), 4, lineField("alignment")),
    flag(Id::InitialPathCheck, lineField("initialValueOn")),
    text(Id::InitialPathEdit, lineField("initialValue"), PathChars),
    character(Id::InputMarkEdit, lineField("inputMark")),
};

// An edited path is always saved; only an edited path is checked, has an initial value or shows
// an input mark; a path has a format when it is saved.
constexpr auto Keep = WhenDisabled::Keep;
constexpr EnablingRule rules[] = {
    enabledWhileUnchecked(Id::SavePathCheck, Id::EditPathCheck, Keep),
    enabledWhileChecked(Id::CheckPathCheck, Id::EditPathCheck, Keep),
    enabledWhileEitherChecked(Id::FixedLengthCheck, Id::EditPathCheck, Id::SavePathCheck, Keep),
    enabledWhileChecked(Id::FixedLengthEdit, Id::FixedLengthCheck, Keep),
    enabledWhileChecked(Id::AlignmentList, Id::FixedLengthCheck, Keep),
    enabledWhileChecked(Id::InitialPathCheck, Id::EditPathCheck, Keep),
    enabledWhileChecked(Id::InitialPathEdit, Id::InitialPathCheck, Keep),
    enabledWhileChecked(Id::ShowInputMarkCheck, Id::EditPathCheck, Keep),
    enabledWhileChecked(Id::InputMarkEdit, Id::ShowInputMarkCheck, Keep),
};

constexpr ui::TextReplacement captions[] = {{Header::FormLabel, sid(302), 3}, {Id::EditPathCheck, sid(305), 6}};

void followChange(ParameterDialogModel& dialog, ui::ControlId changed)
{
    ui::Controls& shown = dialog.shown();
    if (changed == ui::ControlId{}) {
        showFormAndLine(dialog, Header::FormValue, Header::LineValue);
        bool* const markFlag = dialog.records().showInputMark;
        shown.setChecked(Id::ShowInputMarkCheck,
                         dialog.byte(lineField("inputMark")) != 0 || (markFlag != nullptr && *markFlag));
        dialog.reapplyRules(Id::ShowInputMarkCheck);
    } else if (changed == Id::EditPathCheck) {
        // Editing a path means saving it; giving up editing gives up saving too.
        shown.setChecked(Id::SavePathCheck, shown.isChecked(Id::EditPathCheck));
        dialog.reapplyRules(Id::SavePathCheck);
    }
}

void storeLine(ParameterDialogModel& dialog)
{
    const bool isMarkShown = dialog.shown().isChecked(Id::ShowInputMarkCheck);
    if (!isMarkShown) {
        dialog.byte(lineField("inputMark")) = 0;
    }
    if (bool* const markFlag = dialog.records().showInputMark) {
        *markFlag = isMarkShown;
    }
}

constexpr ParameterDialogSpec dialog =
    formDialog(resources::imageFieldTemplate, sid(301), captions, bindings, rules,
               {.afterChange = followChange, .afterStore = storeLine});

} // namespace

const ParameterDialogSpec& imageFieldDialog()
{
    return dialog;
}

} // namespace editor::forms
