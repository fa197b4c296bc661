// SPDX-License-Identifier: MIT
#include "editor/forms/form_msqi.h"

#include <cstddef>

#include "project/form_rules.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::LineType;
using project::lineCode;


} // namespace

Byte msqiKeyLink(const project::FormDef& form, const LookupSet& lookups)
{
    const int k = project::effectiveLookupFile(form);
    if (k == 0) {
        return 0;
    }
    const project::LookupDef& lookup = lookups[static_cast<std::size_t>(k - 1)];
    if (project::lookupFieldCount(lookup) == 0) {
        return 0;
    }
    return static_cast<Byte>(lookup.keyField + 1);
}

void arrangeMsqiForm(project::FormDef& form, int formIndex, const LookupSet& lookups, bool isRfidOn)
{
    form.recordAction = static_cast<Byte>(project::RecordAction::Save);
    form.indexLine = 0;
    form.nextTarget = static_cast<Byte>(formIndex + 1);

    form.lineType[0] = lineCode(LineType::Text);
    form.lookupLink[0] = msqiKeyLink(form, lookups);

    form.lineType[1] = lineCode(LineType::Msqi);
    if (form.initialValueOn[1] == 0) {
        form.initialValueOn[1] = 1;
        form.initialValue[1].assign("0");
    }
    form.inputSource[1] = isRfidOn ? AllInputSources : BothInputSources;

    const bool hasLookupFile = project::effectiveLookupFile(form) != 0;
    for (std::size_t i = 2; i < project::EditorLines; ++i) {
        if (!hasLookupFile || form.lineType[i] != lineCode(LineType::Lookup)) {
            form.lineType[i] = lineCode(LineType::Nil);
        }
        if (!hasLookupFile) {
            form.lookupLink[i] = 0;
        }
    }
    if (!hasLookupFile) {
        form.lookupLink[1] = 0;
    }
}

void dropRfidInputSources(FormSet& forms)
{
    for (project::FormDef& form : forms) {
        for (Byte& source : form.inputSource) {
            if (source == RfidInputSource || source == AllInputSources) {
                source = BothInputSources;
            }
        }
    }
}

} // namespace editor::forms
