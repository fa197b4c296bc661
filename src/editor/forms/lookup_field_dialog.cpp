// SPDX-License-Identifier: MIT
// LOOKUPADVANCEDLG, "Properties" of a "lookup" line: whether the looked-up data is saved with
// the record and, if so, its fixed length, prefix and suffix.
#include "editor/forms/code_displays.h"
#include "editor/forms/form_dialogs.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::LookupFieldId;
using Header = resources::LineHeaderId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::SaveDataCheck, lineField("initialValueOn")),
    flag(Id::FixedLengthCheck, lineField("fixedLengthOn")),
    number(Id::FixedLengthEdit, lineField("fixedLength"), 0, 255, 3),
    list(Id::AlignmentList, sid(1561), 4, lineField("alignment")),
    flag(Id::PrefixCheck, lineField("prefixOn")),
    flag(Id::SuffixCheck, lineField("suffixOn")),
};

// Data that is not saved has no format: everything hangs on "Save field data".
constexpr auto Keep = WhenDisabled::Keep;
constexpr EnablingRule rules[] = {
    enabledWhileChecked(Id::FixedLengthCheck, Id::SaveDataCheck, Keep),
    enabledWhileChecked(Id::PrefixCheck, Id::SaveDataCheck, Keep),
    enabledWhileChecked(Id::SuffixCheck, Id::SaveDataCheck, Keep),
    enabledWhileChecked(Id::FixedLengthEdit, Id::FixedLengthCheck, Keep),
    enabledWhileChecked(Id::AlignmentList, Id::FixedLengthCheck, Keep),
    enabledWhileChecked(Id::PrefixDisplay, Id::PrefixCheck, Keep),
    enabledWhileChecked(Id::SuffixDisplay, Id::SuffixCheck, Keep),
};

constexpr ui::TextReplacement captions[] = {{Header::FormLabel, sid(222), 3}, {Id::SaveDataCheck, sid(225), 4}};

constexpr CodeDisplay prefixDisplay{Id::PrefixDisplay, project::formLineColumn("prefix")};
constexpr CodeDisplay suffixDisplay{Id::SuffixDisplay, project::formLineColumn("suffix")};

void followChange(ParameterDialogModel& dialog, ui::ControlId changed)
{
    if (changed == ui::ControlId{}) {
        showFormAndLine(dialog, Header::FormValue, Header::LineValue);
        showCodes(dialog, prefixDisplay);
        showCodes(dialog, suffixDisplay);
    } else if (changed == Id::PrefixDisplay) {
        composeCodes(dialog, prefixDisplay);
    } else if (changed == Id::SuffixDisplay) {
        composeCodes(dialog, suffixDisplay);
    }
}

void storeLine(ParameterDialogModel& dialog)
{
    dialog.byte(lineField("inputMark")) = 0; // looked-up data is not typed
    terminateCodes(dialog, prefixDisplay);
    terminateCodes(dialog, suffixDisplay);
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
