// SPDX-License-Identifier: MIT
#include "editor/forms/code_displays.h"

#include <array>
#include <string>

#include "editor/settings/character_grid_dialog.h"
#include "resources/settings_templates.h"

namespace editor::forms {
namespace {

using project::Byte;

constexpr std::size_t MaxCodes = 10;
constexpr std::size_t SlotBytes = MaxCodes + 1;

FieldRef codeByte(const ParameterDialogModel& dialog, const CodeDisplay& display, std::size_t i)
{
    const auto line = static_cast<std::size_t>(std::clamp(dialog.records().line, 0, project::LineSlots - 1));
    return {RecordKind::Form, display.column + line * SlotBytes + i};
}

std::array<Byte, MaxCodes> codesOf(const ParameterDialogModel& dialog, const CodeDisplay& display)
{
    std::array<Byte, MaxCodes> codes{};
    for (std::size_t i = 0; i < MaxCodes; ++i) {
        codes[i] = dialog.byte(codeByte(dialog, display, i));
    }
    return codes;
}

} // namespace

void showCodes(ParameterDialogModel& dialog, const CodeDisplay& display)
{
    const std::array<Byte, MaxCodes> codes = codesOf(dialog, display);
    dialog.shown().setText(display.display, settings::displayForm(settings::codeNames(codes, MaxCodes).text));
}

void composeCodes(ParameterDialogModel& dialog, const CodeDisplay& display)
{
    const std::array<Byte, MaxCodes> codes = codesOf(dialog, display);
    settings::CharacterGridDialog grid(codes, MaxCodes, dialog.texts(), dialog.language());
    dialog.shown().setHighlighted(display.display, true);
    const ui::DialogResult result = dialog.dialogHost().runDialog(resources::characterGridTemplate, grid);
    dialog.shown().setHighlighted(display.display, false);
    if (result != ui::DialogResult::Ok) {
        return;
    }
    const std::vector<Byte>& composed = grid.codes();
    for (std::size_t i = 0; i < SlotBytes; ++i) {
        dialog.byte(codeByte(dialog, display, i)) = i < composed.size() ? composed[i] : 0;
    }
    dialog.shown().setText(display.display, settings::displayForm(grid.resultingText()));
}

void terminateCodes(ParameterDialogModel& dialog, const CodeDisplay& display)
{
    const std::array<Byte, MaxCodes> codes = codesOf(dialog, display);
    const std::size_t count = settings::codeNames(codes, MaxCodes).count;
    for (std::size_t i = count; i < SlotBytes; ++i) {
        dialog.byte(codeByte(dialog, display, i)) = 0;
    }
}

void showFormAndLine(ParameterDialogModel& dialog, ui::ControlId formValue, ui::ControlId lineValue)
{
    dialog.shown().setText(formValue, std::to_string(dialog.records().formNumber));
    dialog.shown().setText(lineValue, std::to_string(dialog.records().line + 1));
}

} // namespace editor::forms
