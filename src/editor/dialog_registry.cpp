// SPDX-License-Identifier: MIT
#include "editor/dialog_registry.h"

#include <vector>

#include "editor/reader/reader_dialogs.h"
#include "resources/form_templates.h"
#include "resources/menu_templates.h"
#include "resources/reader_templates.h"
#include "resources/sheet_templates.h"
#include "resources/shell_templates.h"

namespace editor {

std::span<const ui::DialogTemplate* const> allTemplates()
{
    static const std::vector<const ui::DialogTemplate*> all = {
        &resources::preferencesTemplate(), &resources::aboutTemplate(),    &resources::pendingPageTemplate(),
        &resources::formPageTemplate(),    &resources::menuPageTemplate(), &resources::code39ImagerTemplate(),
    };
    return all;
}

std::span<const RegisteredParameterDialog> allParameterDialogs()
{
    static const std::vector<RegisteredParameterDialog> all = {
        {"CODE39_2DDLG", reader::code39ImagerDialog()},
    };
    return all;
}

}  // namespace editor
