// SPDX-License-Identifier: MIT
// LOOKUPADVANCEDLG, "Properties" of a "lookup" line: whether the looked-up data is saved with
// the record and, if so, its fixed length, prefix and suffix.
#include "editor/forms/form_dialogs.h"
#include "editor/forms/line_dialog_parts.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::LookupFieldId;
using Header = resources::LineHeaderId;
using texts::sid;

constexpr FixedLengthControls fixedLength{Id::FixedLengthCheck, Id::FixedLengthEdit, Id::AlignmentList};
constexpr LineCodeControls codes =
    lineCodeControls(Id::PrefixCheck, Id::SuffixCheck, Id::PrefixDisplay, Id::SuffixDisplay);

constexpr auto bindings = joined(std::array{flag(Id::SaveDataCheck, lineField("initialValueOn"))},
                                 fixedLengthBindings(fixedLength), lineCodeBindings(codes));

// Data that is not saved has no format: everything hangs on "Save field data".
constexpr auto rules =
    joined(std::array{enabledWhileChecked(Id::FixedLengthCheck, Id::SaveDataCheck, WhenDisabled::Keep),
                      enabledWhileChecked(Id::PrefixCheck, Id::SaveDataCheck, WhenDisabled::Keep),
                      enabledWhileChecked(Id::SuffixCheck, Id::SaveDataCheck, WhenDisabled::Keep)},
           fixedLengthRules(fixedLength), lineCodeRules(codes));

constexpr ui::TextReplacement captions[] = {{Header::FormLabel, sid(222), 3}, {Id::SaveDataCheck, sid(225), 4}};

void followChange(ParameterDialogModel& dialog, ui::ControlId changed)
{
    if (changed == ui::ControlId{}) {
        showFormAndLine(dialog, Header::FormValue, Header::LineValue);
    }
    followLineCodes(dialog, codes, changed);
}

void storeLine(ParameterDialogModel& dialog)
{
    dialog.byte(lineField("inputMark")) = 0;  // looked-up data is not typed
    terminateLineCodes(dialog, codes);
}

constexpr ParameterDialogSpec dialog =
    formDialog(resources::lookupFieldTemplate, sid(221), captions, bindings, rules,
               {.afterChange = followChange, .afterStore = storeLine});

} // namespace

const ParameterDialogSpec& lookupFieldDialog()
{
    return dialog;
}

} // namespace editor::forms
