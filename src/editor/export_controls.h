// SPDX-License-Identifier: MIT
// The export part that the form properties dialog and the Transaction File dialog share: a
// check box for the export name and the name it enables, "Auto export" and the save mode it
// enables. Only the control IDs and the record differ.
#pragma once

#include <array>

#include "editor/parameter_dialog.h"
#include "editor/slot_chars.h"
#include "project/records.h"

namespace editor {

struct ExportControls
{
    ui::ControlId nameCheck;
    ui::ControlId nameEdit;
    ui::ControlId autoExportCheck;
    ui::ControlId saveModeLabel;
    ui::ControlRange saveModeRadios;  // "Overwrite", "Append"
};

struct ExportFields
{
    FieldRef nameOn;
    FieldRef name;
    FieldRef autoExport;
    FieldRef saveMode;
};

// The export name slots of a form and of block 61 hold the same 20 characters.
inline constexpr int ExportNameChars = slotChars(&project::FormDef::exportName);
static_assert(ExportNameChars == slotChars(&project::TransactionFileSettings::exportName));

constexpr std::array<Binding, 4> exportBindings(const ExportControls& c, const ExportFields& f)
{
    return {flag(c.nameCheck, f.nameOn), text(c.nameEdit, f.name, ExportNameChars),
            flag(c.autoExportCheck, f.autoExport), radio(c.saveModeRadios, f.saveMode)};
}

// Both keep what they show while disabled and store it.
constexpr std::array<EnablingRule, 4> exportRules(const ExportControls& c)
{
    return {enabledWhileChecked(c.nameEdit, c.nameCheck, WhenDisabled::Keep),
            enabledWhileChecked(c.saveModeLabel, c.autoExportCheck, WhenDisabled::Keep),
            enabledWhileChecked(c.saveModeRadios.at(0), c.autoExportCheck, WhenDisabled::Keep),
            enabledWhileChecked(c.saveModeRadios.at(1), c.autoExportCheck, WhenDisabled::Keep)};
}

}  // namespace editor
