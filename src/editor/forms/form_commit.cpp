// SPDX-License-Identifier: MIT
#include "editor/forms/form_commit.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "editor/forms/line_properties.h"
#include "project/form_rules.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::FormDef;
using project::LineType;
using project::lineCode;

inline constexpr Byte MaxInputLength = 160;
inline constexpr int ScreenLineWidth = 30; // characters of one terminal screen line

std::size_t lineSlot(int lineIndex) { return static_cast<std::size_t>(lineIndex); }

bool isCleanedOnCommit(const FormDef& form, int lineIndex)
{
    switch (static_cast<LineType>(form.lineType[lineSlot(lineIndex)])) {
    case LineType::Nil:
    case LineType::Prompt:
    case LineType::Counter:
    case LineType::PassDown:
    case LineType::Extension:
    case LineType::Pause:
    case LineType::Msqi:
        return true;
    case LineType::Lookup:
        return form.initialValueOn[lineSlot(lineIndex)] == 0;  // "Save field data" off
    default:
        return false;
    }
}

void cleanLine(FormDef& form, int formIndex, int lineIndex, ShowInputMarkFlags& showInputMark)
{
    form.dataLength[lineSlot(lineIndex)] = 0;
    // An MSQI line carries its quantity's fixed length and initial value to the terminal.
    if (form.lineType[lineSlot(lineIndex)] != lineCode(LineType::Msqi)) {
        resetDataProperties(form, lineIndex);
    }
    resetBarcodeProperties(form, lineIndex);
    showInputMark.set(formIndex, lineIndex, false);
}

void normaliseFormLevel(FormDef& form)
{
    form.menuDataField = 0;
    const auto action = static_cast<project::RecordAction>(form.recordAction);
    if (action == project::RecordAction::UpdateLookup || action == project::RecordAction::PassDown) {
        form.indexLine = 0;
    }
    form.autoKey = form.indexLine == 0 ? 1 : 0;
    if (form.exportNameOn == 1 && !form.exportName.isEmpty()) {
        std::string_view name = form.exportName.view(); // at most 20 characters
        while (!name.empty() && name.back() == ' ') {
            name.remove_suffix(1);
        }
        form.exportName.assign(name);
    }
}

int promptWidth(const FormDef& form, int lineIndex)
{
    return static_cast<int>(std::min<std::size_t>(form.prompt[lineSlot(lineIndex)].length(), ScreenLineWidth));
}

// The extension lines below a line take over what does not fit on its screen line.
void fillExtensionLines(FormDef& form, int lineIndex)
{
    const std::size_t i = lineSlot(lineIndex);
    const int total = form.maxLength[i] + promptWidth(form, lineIndex);
    int k = 1;
    for (int next = lineIndex + 1; next < project::EditorLines; ++next, ++k) {
        const std::size_t j = lineSlot(next);
        if (form.lineType[j] != lineCode(LineType::Extension)) {
            break;
        }
        form.maxLength[j] = static_cast<Byte>(std::max(0, total - ScreenLineWidth * k));
        form.autoEnter[j] = form.autoEnter[i];
        form.inputMark[j] = form.inputMark[i];
    }
}

void normaliseImageLine(FormDef& form, int lineIndex)
{
    const std::size_t i = lineSlot(lineIndex);
    form.inputSource[i] = KeypadInputSource;
    if (form.imageEditPath[i] != 0) {
        return;
    }
    form.minLength[i] = 0;
    form.maxLength[i] = MaxInputLength;
    form.imageCheckPath[i] = 0;
    form.inputMark[i] = 0;
    form.initialValueOn[i] = 0;
    form.initialValue[i].clear();
    if (form.imageSavePath[i] == 0) {
        form.dataLength[i] = 0;
        form.fixedLengthOn[i] = 0;
        form.alignment[i] = 0;
        form.fixedLength[i] = 0;
    }
}

// "nil" and "extension" lines hold nothing of their own; an extension line keeps the length,
// auto-enter and input mark that the line above gave it. Decimal places and the check digit
// method are left as they are: on slots 13 to 15 they keep what was read from the file.
void clearEmptyLine(FormDef& form, int lineIndex)
{
    const std::size_t i = lineSlot(lineIndex);
    const bool isExtension = form.lineType[i] == lineCode(LineType::Extension);
    const Byte keptAutoEnter = form.autoEnter[i];
    const Byte keptInputMark = form.inputMark[i];
    const Byte keptDecimalPlaces = form.decimalPlaces[i];
    const Byte keptCheckDigitMethod = form.checkDigitMethod[i];
    form.lookupLink[i] = 0;
    form.prompt[i].clear();
    form.inputSource[i] = BothInputSources;
    form.minLength[i] = 0;
    form.dataLength[i] = 0;
    resetDataProperties(form, lineIndex);
    resetBarcodeProperties(form, lineIndex);
    form.decimalPlaces[i] = keptDecimalPlaces;
    form.checkDigitMethod[i] = keptCheckDigitMethod;
    if (isExtension) {
        form.autoEnter[i] = keptAutoEnter;
        form.inputMark[i] = keptInputMark;
    } else {
        form.maxLength[i] = MaxInputLength;
    }
}

void normaliseLine(FormDef& form, int lineIndex, int& lastInputLine)
{
    const std::size_t i = lineSlot(lineIndex);
    form.maxLength[i] = std::min(form.maxLength[i], MaxInputLength);
    form.minLength[i] = std::min(form.minLength[i], form.maxLength[i]);
    if (project::countsAsInput(form, lineIndex)) {
        lastInputLine = lineIndex + 1;
    }
    const Byte type = form.lineType[i];
    if (project::isContinuedByExtension(type)) {
        fillExtensionLines(form, lineIndex);
    } else if (type == lineCode(LineType::FixedData)) {
        // The data is the prompt itself; the minimum is kept within it.
        form.maxLength[i] = static_cast<Byte>(promptWidth(form, lineIndex));
        form.minLength[i] = std::min(form.minLength[i], form.maxLength[i]);
    } else if (type == lineCode(LineType::Image)) {
        normaliseImageLine(form, lineIndex);
    } else if (type == lineCode(LineType::Nil) || type == lineCode(LineType::Extension)) {
        clearEmptyLine(form, lineIndex);
    }
    form.dataLength[i] = project::committedDataLength(form, lineIndex);
}

} // namespace

void cleanUnusedProperties(FormWorkingCopy& working)
{
    for (int f = 0; f < project::MaxForms; ++f) {
        FormDef& form = working.forms[static_cast<std::size_t>(f)];
        for (int line = 0; line < project::EditorLines; ++line) {
            if (isCleanedOnCommit(form, line)) {
                cleanLine(form, f, line, working.showInputMark);
            }
        }
    }
}

void normaliseCommittedForms(FormSet& forms, const LookupSet& lookups)
{
    project::updateLookupLengths(forms, lookups);
    for (FormDef& form : forms) {
        normaliseFormLevel(form);
        int lastInputLine = 0;
        for (int line = 0; line < project::LineSlots; ++line) {
            normaliseLine(form, line, lastInputLine);
        }
        form.lastInputLine = static_cast<Byte>(lastInputLine);
    }
}

void commitForms(FormWorkingCopy& working, FormSet& committed, const LookupSet& lookups)
{
    cleanUnusedProperties(working);
    committed = working.forms;
    normaliseCommittedForms(committed, lookups);
}

} // namespace editor::forms
