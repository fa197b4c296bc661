// SPDX-License-Identifier: MIT
#include "ui/dialog_template.h"

#include <set>

namespace ui {

bool kindFitsIdRange(ControlKind kind, ControlId id)
{
    const int value = id.value();
    if (value <= 0 || value > 1000) {
        return true;
    }
    if (id == OkButton || id == CancelButton) {
        return kind == ControlKind::PushButton;
    }
    switch (value / 100) {
    case 1:
        return kind == ControlKind::CheckBox;
    case 2:
        return kind == ControlKind::Label || kind == ControlKind::GroupBox || kind == ControlKind::Icon;
    case 6: // further labels, some of them painted by the program (the character grid)
        return kind == ControlKind::Label || kind == ControlKind::GroupBox || kind == ControlKind::Icon ||
               kind == ControlKind::Custom;
    case 3:
        return kind == ControlKind::DropDownList;
    case 4:
        return kind == ControlKind::Edit;
    case 5:
        return kind == ControlKind::PushButton;
    case 7:
        return kind == ControlKind::RadioButton;
    default:
        return true;
    }
}

std::vector<std::string> templateFaults(const DialogTemplate& dialog)
{
    std::vector<std::string> faults;
    const std::string name(dialog.name);
    if (dialog.name.empty()) {
        faults.emplace_back("template without a name");
    }
    if (dialog.dialogUnits.width <= 0 || dialog.dialogUnits.height <= 0) {
        faults.push_back(name + ": empty size");
    }
    std::set<int> seen;
    for (const ControlTemplate& control : dialog.controls) {
        const int id = control.id.value();
        const std::string where = name + " control " + std::to_string(id);
        // Static labels may share an ID (the resource compiler's "-1"); everything the model
        // addresses must be unique.
        const bool isAddressed = id > 0;
        if (isAddressed && !seen.insert(id).second) {
            faults.push_back(where + ": duplicate ID");
        }
        if (!kindFitsIdRange(control.kind, control.id)) {
            faults.push_back(where + ": kind does not fit its ID range");
        }
        DialogRect r = control.dialogUnits;
        // A drop-down list's height includes its opened list, which may reach past the dialog.
        if (control.kind == ControlKind::DropDownList && r.height > 12) {
            r.height = 12;
        }
        if (r.width <= 0 || r.height <= 0) {
            faults.push_back(where + ": empty rectangle");
        }
        if (r.x < 0 || r.y < 0 || r.x + r.width > dialog.dialogUnits.width ||
            r.y + r.height > dialog.dialogUnits.height) {
            faults.push_back(where + ": outside the dialog");
        }
    }
    return faults;
}

} // namespace ui
