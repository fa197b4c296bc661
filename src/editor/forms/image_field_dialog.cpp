// SPDX-License-Identifier: MIT
// IMAGEADVANCEDLG, "Properties" of an "image" line: whether the picture's file path is edited,
// saved and checked, and the format of a saved path.
#include "editor/forms/form_dialogs.h"
#include "editor/forms/line_dialog_parts.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::ImageFieldId;
using Header = resources::LineHeaderId;
using texts::sid;

constexpr int PathChars = 10;

constexpr FixedLengthControls fixedLength{Id::FixedLengthCheck, Id::FixedLengthEdit, Id::AlignmentList};
constexpr InputMarkControls inputMark{Id::ShowInputMarkCheck, Id::InputMarkEdit};

constexpr auto bindings = joined(std::array{flag(Id::EditPathCheck, lineField("imageEditPath")),
                                            flag(Id::SavePathCheck, lineField("imageSavePath")),
                                            flag(Id::CheckPathCheck, lineField("imageCheckPath"))},
                                 fixedLengthBindings(fixedLength),
                                 std::array{flag(Id::InitialPathCheck, lineField("initialValueOn")),
                                            text(Id::InitialPathEdit, lineField("initialValue"), PathChars)},
                                 inputMarkBindings(inputMark));

// An edited path is always saved; only an edited path is checked, has an initial value or shows
// an input mark; a path has a format when it is saved.
constexpr auto Keep = WhenDisabled::Keep;
constexpr auto rules =
    joined(std::array{enabledWhileUnchecked(Id::SavePathCheck, Id::EditPathCheck, Keep),
                      enabledWhileChecked(Id::CheckPathCheck, Id::EditPathCheck, Keep),
                      enabledWhileEitherChecked(Id::FixedLengthCheck, Id::EditPathCheck, Id::SavePathCheck, Keep)},
           fixedLengthRules(fixedLength),
           std::array{enabledWhileChecked(Id::InitialPathCheck, Id::EditPathCheck, Keep),
                      enabledWhileChecked(Id::InitialPathEdit, Id::InitialPathCheck, Keep),
                      enabledWhileChecked(Id::ShowInputMarkCheck, Id::EditPathCheck, Keep)},
           inputMarkRules(inputMark));

constexpr ui::TextReplacement captions[] = {{Header::FormLabel, sid(302), 3}, {Id::EditPathCheck, sid(305), 6}};

void followChange(ParameterDialogModel& dialog, ui::ControlId changed)
{
    ui::Controls& shown = dialog.shown();
    if (changed == ui::ControlId{}) {
        showFormAndLine(dialog, Header::FormValue, Header::LineValue);
        showInputMark(dialog, inputMark);
    } else if (changed == Id::EditPathCheck) {
        // Editing a path means saving it; giving up editing gives up saving too.
        shown.setChecked(Id::SavePathCheck, shown.isChecked(Id::EditPathCheck));
        dialog.reapplyRules(Id::SavePathCheck);
    }
}

constexpr ParameterDialogSpec dialog =
    formDialog(resources::imageFieldTemplate, sid(301), captions, bindings, rules,
               {.afterChange = followChange,
                .afterStore = [](ParameterDialogModel& dialog) { storeInputMark(dialog, inputMark); }});

} // namespace

const ParameterDialogSpec& imageFieldDialog()
{
    return dialog;
}

} // namespace editor::forms
