// SPDX-License-Identifier: MIT
// Every dialog template of the program and every parameter dialog, so that one loop can check
// them all (tests) and render them all (screenshots).
#pragma once

#include <span>
#include <string_view>

#include "editor/parameter_dialog.h"

namespace ui {
struct DialogTemplate;
}

namespace editor {

[[nodiscard]] std::span<const ui::DialogTemplate* const> allTemplates();

struct RegisteredParameterDialog
{
    std::string_view name;
    const ParameterDialogSpec& spec;
};
[[nodiscard]] std::span<const RegisteredParameterDialog> allParameterDialogs();

}  // namespace editor
