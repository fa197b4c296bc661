// SPDX-License-Identifier: MIT
#include "editor/lookups/lookup_working_copy.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "project/defaults.h"
#include "project/form_rules.h"
#include "texts/text_source.h"
#include "ui/localisation.h"

namespace editor::lookups {
namespace {

using project::Byte;
using project::LookupDef;

constexpr int ByteRange = 255;  // the terminal checks lengths modulo this

std::size_t fieldSlot(int index) { return static_cast<std::size_t>(index); }

// Fields beyond the count carry nothing to the terminal, whatever the user typed there before
// lowering the count.
void clearFieldsBeyondCount(LookupDef& lookup)
{
    for (int i = project::lookupFieldCount(lookup); i < project::LookupFieldSlots; ++i) {
        lookup.fieldType[fieldSlot(i)] = 0;
        lookup.fieldName[fieldSlot(i)].clear();
        lookup.fieldLength[fieldSlot(i)] = 0;
    }
}

// The terminal appends ".TXT" to the name, so trailing blanks would end up inside a file name.
void trimExportName(LookupDef& lookup)
{
    if (lookup.exportNameOn != 1 || lookup.exportName.isEmpty()) {
        return;
    }
    std::string_view name = lookup.exportName.view();  // at most 20 characters, even without a NUL
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    lookup.exportName.assign(name);
}

}  // namespace

std::vector<std::string> lookupFileNames(const texts::TextSource& texts)
{
    return ui::listTexts(texts, texts::sid(1321), project::MaxLookups);
}

int shownFieldCount(const LookupDef& lookup) { return std::min<int>(lookup.numFields, project::EditorLookupFields); }

int shownKeyField(const LookupDef& lookup) { return std::min<int>(lookup.keyField, project::EditorLookupFields - 1); }

void resetLookupFile(LookupDef& lookup, int number, const texts::TextSource& texts)
{
    const auto kept = lookup.uninterpreted525;
    project::resetLookup(lookup, number, texts);
    lookup.uninterpreted525 = kept;
}

Byte lookupLengthCheck(const LookupDef& lookup)
{
    int sum = 0;
    for (int i = 0; i < project::lookupFieldCount(lookup); ++i) {
        sum += lookup.fieldLength[fieldSlot(i)];
    }
    if (sum == 0) {
        return 0;
    }
    const int rest = sum % ByteRange;
    return static_cast<Byte>(rest == 0 ? ByteRange : rest);
}

void commitLookups(LookupSet& working, LookupSet& published, project::Project& project, const texts::TextSource& texts)
{
    for (int i = 0; i < project::MaxLookups; ++i) {
        if (working[static_cast<std::size_t>(i)].numFields == 0) {
            resetLookupFile(working[static_cast<std::size_t>(i)], i + 1, texts);
        }
    }
    project.lookups = working;
    published = working;
    for (LookupDef& lookup : project.lookups) {
        clearFieldsBeyondCount(lookup);
        trimExportName(lookup);
        lookup.lengthCheck = lookupLengthCheck(lookup);
    }
    project::updateLookupLengths(project.forms, project.lookups);
}

}  // namespace editor::lookups
