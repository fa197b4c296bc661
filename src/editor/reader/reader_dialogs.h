// SPDX-License-Identifier: MIT
// The parameter dialogs of the reader settings, one table each in a file named after the dialog.
#pragma once

#include "editor/parameter_dialog.h"

namespace editor::reader {

// CODE39_2DDLG: Code 39 of the 2D imager (the worked example of the engine).
[[nodiscard]] const ParameterDialogSpec& code39ImagerDialog();

}  // namespace editor::reader
