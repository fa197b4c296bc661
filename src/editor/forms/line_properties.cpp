// SPDX-License-Identifier: MIT
#include "editor/forms/line_properties.h"

#include <cstddef>

#include "editor/forms/form_working_copy.h"

namespace editor::forms {
namespace {

inline constexpr project::Byte DefaultPartialLength = 20;
inline constexpr project::Byte DefaultAutoEnter = 1; // "Scan+ENTER"

std::size_t lineSlot(int lineIndex) { return static_cast<std::size_t>(lineIndex); }

} // namespace

void resetBarcodeProperties(project::FormDef& form, int lineIndex)
{
    const std::size_t i = lineSlot(lineIndex);
    form.prefixOn[i] = 0;
    form.prefix[i].clear();
    form.suffixOn[i] = 0;
    form.suffix[i].clear();
    form.decimalPlaces[i] = 0;
    form.partialOn[i] = 0;
    form.partialStart[i] = 0;
    form.partialLength[i] = DefaultPartialLength;
    form.leadingCheckOn[i] = 0;
    form.leadingCode[i].clear();
    form.checkDigitMethod[i] = 0;
    form.autoEnter[i] = DefaultAutoEnter;
    form.imageEditPath[i] = 0;
    form.imageSavePath[i] = 0;
    form.imageCheckPath[i] = 0;
}

void resetDataProperties(project::FormDef& form, int lineIndex)
{
    const std::size_t i = lineSlot(lineIndex);
    form.fixedLengthOn[i] = 0;
    form.alignment[i] = 0;
    form.fixedLength[i] = 0;
    form.initialValueOn[i] = 0;
    form.initialValue[i].clear();
    form.inputMark[i] = 0;
}

void resetLineProperties(project::FormDef& form, int formIndex, int lineIndex, ShowInputMarkFlags& showInputMark)
{
    resetDataProperties(form, lineIndex);
    resetBarcodeProperties(form, lineIndex);
    showInputMark.set(formIndex, lineIndex, false);
}

} // namespace editor::forms
