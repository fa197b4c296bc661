// SPDX-License-Identifier: MIT
#include "editor/forms/form_line_rules.h"

#include <cstddef>

#include "project/form_rules.h"
#include "texts/text_source.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::LineType;
using project::lineCode;


inline constexpr int NilText = 1304;
inline constexpr int FieldLinkText = 1401;    // "field ", "-field ", "+field "
inline constexpr int VariableLinkText = 1404; // "get v", "set v", "get & set v"
inline constexpr int FieldLinkGroups = 3;
inline constexpr Byte LastSignedLink = LinksPerGroup * FieldLinkGroups;

void appendGroup(std::vector<std::string>& entries, const std::string& prefix)
{
    for (int n = 1; n <= LinksPerGroup; ++n) {
        entries.push_back(prefix + std::to_string(n));
    }
}

bool isOneOf(Byte type, std::initializer_list<LineType> types)
{
    for (LineType t : types) {
        if (type == lineCode(t)) {
            return true;
        }
    }
    return false;
}

} // namespace

LineEnabling lineEnabling(const project::FormDef& form, int lineIndex)
{
    return {
        .prompt = project::isPrompted(form, lineIndex),
        .inputSource = project::isKeyedInput(form, lineIndex),
        .link = project::isLinkable(form, lineIndex),
        .lengths = project::isLengthLimited(form, lineIndex),
        .more = project::hasProperties(form, lineIndex),
    };
}

Byte effectiveLinkType(const project::FormDef& form, int lineIndex)
{
    const Byte type = form.lineType[static_cast<std::size_t>(lineIndex)];
    if (form.msqiEnabled == 1 && lineIndex >= 2 && type != lineCode(LineType::Nil)) {
        return lineCode(LineType::Lookup);
    }
    return type;
}

bool hasSignedFieldLinks(Byte effectiveType)
{
    return isOneOf(effectiveType, {LineType::Integer, LineType::Real, LineType::AutoPlusMinus});
}

std::vector<std::string> linkListEntries(const texts::TextSource& texts, bool hasLookupFile, Byte effectiveType)
{
    std::vector<std::string> entries{texts.text(texts::sid(NilText))};
    if (!hasLookupFile) {
        for (int group = 0; group < FieldLinkGroups; ++group) {
            appendGroup(entries, texts.text(texts::sid(VariableLinkText + group)));
        }
        return entries;
    }
    const int groups = hasSignedFieldLinks(effectiveType) ? FieldLinkGroups : 1;
    for (int group = 0; group < groups; ++group) {
        appendGroup(entries, texts.text(texts::sid(FieldLinkText + group)));
    }
    return entries;
}

Byte foldedLink(Byte link, bool hasLookupFile, Byte effectiveType)
{
    // Links beyond the signed-field entries come only from damaged files: they are kept and
    // shown without a selection rather than turned into a field the user never chose.
    if (!hasLookupFile || hasSignedFieldLinks(effectiveType) || link <= LinksPerGroup || link > LastSignedLink) {
        return link;
    }
    const int field = link % LinksPerGroup;
    return static_cast<Byte>(field == 0 ? LinksPerGroup : field);
}

bool typeChangeResetsProperties(Byte oldType, Byte newType)
{
    if (oldType == newType) {
        return false; // choosing the shown type again changes nothing
    }
    if (newType == lineCode(LineType::Nil)) {
        return true;
    }
    if (newType >= lineCode(LineType::Text) && newType <= lineCode(LineType::Lookup)) {
        const bool oldKeeps =
            oldType == lineCode(LineType::Nil) || project::isKeyedInput(oldType) || oldType == lineCode(LineType::Image);
        return !oldKeeps;
    }
    return !isOneOf(oldType, {LineType::Lookup, LineType::Alphameric, LineType::Image});
}

} // namespace editor::forms
