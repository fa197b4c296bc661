// SPDX-License-Identifier: MIT
#include "project/form_rules.h"

#include <algorithm>
#include <cstddef>

namespace project {
namespace {


constexpr bool isInRange(Byte lineType, LineType first, LineType last)
{
    return lineType >= lineCode(first) && lineType <= lineCode(last);
}

std::size_t lineSlot(int lineIndex) { return static_cast<std::size_t>(lineIndex); }

}  // namespace

bool isKeyedInput(Byte lineType)
{
    return isInRange(lineType, LineType::Text, LineType::Boolean) || lineType == lineCode(LineType::Alphameric);
}

bool isLengthLimited(Byte lineType, Byte imageEditPath)
{
    return isInRange(lineType, LineType::Text, LineType::AutoPlusMinus) || lineType == lineCode(LineType::Alphameric)
        || lineType == lineCode(LineType::Msqi) || (lineType == lineCode(LineType::Image) && imageEditPath == 1);
}

bool isLinkable(Byte lineType, Byte lookupFile)
{
    if (isInRange(lineType, LineType::Text, LineType::Boolean) || lineType == lineCode(LineType::Alphameric)
        || lineType == lineCode(LineType::Msqi)) {
        return true;
    }
    const bool isLookupOrImage = lineType == lineCode(LineType::Lookup) || lineType == lineCode(LineType::Image);
    return isLookupOrImage && effectiveLookupFile(lookupFile) != 0;
}

bool isPrompted(Byte lineType)
{
    return lineType != lineCode(LineType::Nil) && lineType != lineCode(LineType::Extension)
        && lineType != lineCode(LineType::Msqi) && lineType < LineTypeCount;
}

bool hasProperties(Byte lineType)
{
    return lineType != lineCode(LineType::Nil) && !isInRange(lineType, LineType::Prompt, LineType::Pause)
        && lineType < LineTypeCount;
}

bool isContinuedByExtension(Byte lineType)
{
    return isInRange(lineType, LineType::Text, LineType::Boolean) || lineType == lineCode(LineType::PassDown)
        || lineType == lineCode(LineType::Alphameric) || lineType == lineCode(LineType::Msqi);
}

bool countsAsInput(Byte lineType, Byte imageEditPath)
{
    return isInRange(lineType, LineType::Text, LineType::Boolean) || lineType == lineCode(LineType::Pause)
        || lineType == lineCode(LineType::Alphameric) || lineType == lineCode(LineType::Msqi)
        || (lineType == lineCode(LineType::Image) && imageEditPath == 1);
}

bool isKeyedInput(const FormDef& form, int lineIndex) { return isKeyedInput(form.lineType[lineSlot(lineIndex)]); }

bool isLengthLimited(const FormDef& form, int lineIndex)
{
    return isLengthLimited(form.lineType[lineSlot(lineIndex)], form.imageEditPath[lineSlot(lineIndex)]);
}

bool isLinkable(const FormDef& form, int lineIndex)
{
    return isLinkable(form.lineType[lineSlot(lineIndex)], form.lookupFile);
}

bool isPrompted(const FormDef& form, int lineIndex) { return isPrompted(form.lineType[lineSlot(lineIndex)]); }

bool hasProperties(const FormDef& form, int lineIndex) { return hasProperties(form.lineType[lineSlot(lineIndex)]); }

bool isContinuedByExtension(const FormDef& form, int lineIndex)
{
    return isContinuedByExtension(form.lineType[lineSlot(lineIndex)]);
}

bool countsAsInput(const FormDef& form, int lineIndex)
{
    return countsAsInput(form.lineType[lineSlot(lineIndex)], form.imageEditPath[lineSlot(lineIndex)]);
}

int effectiveLookupFile(Byte lookupFile) { return lookupFile <= MaxLookups ? lookupFile : 0; }

int effectiveLookupFile(const FormDef& form) { return effectiveLookupFile(form.lookupFile); }

int lookupFieldCount(const LookupDef& lookup) { return std::min<int>(lookup.numFields, LookupFieldSlots); }

Byte committedDataLength(const FormDef& form, int lineIndex)
{
    const std::size_t i = lineSlot(lineIndex);
    int length = 0;
    if (form.fixedLengthOn[i] == 1) {
        length += form.fixedLength[i];
    }
    if (form.prefixOn[i] == 1) {
        length += static_cast<int>(form.prefix[i].length());
    }
    if (form.suffixOn[i] == 1) {
        length += static_cast<int>(form.suffix[i].length());
    }
    return static_cast<Byte>(std::min(length, MaxByteValue));
}

Byte linkedLookupLength(const LookupDef& lookup, Byte lookupLink)
{
    if (lookupLink < 1 || lookupLink > LookupFieldSlots) {
        return UnlinkedLookupLength;
    }
    const Byte length = lookup.fieldLength[static_cast<std::size_t>(lookupLink - 1)];
    return length == 0 ? UnlinkedLookupLength : length;
}

void updateLookupLengths(std::array<FormDef, MaxForms>& forms, const std::array<LookupDef, MaxLookups>& lookups)
{
    for (FormDef& form : forms) {
        const int k = effectiveLookupFile(form);
        if (k == 0) {
            continue;
        }
        const LookupDef& lookup = lookups[static_cast<std::size_t>(k - 1)];
        for (std::size_t i = 0; i < LineSlots; ++i) {
            if (form.lineType[i] == lineCode(LineType::Lookup)) {
                form.maxLength[i] = linkedLookupLength(lookup, form.lookupLink[i]);
            }
        }
    }
}

}  // namespace project
