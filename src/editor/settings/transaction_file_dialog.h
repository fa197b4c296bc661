// SPDX-License-Identifier: MIT
// ADVANCEDLG1, "Transaction File": the export name, auto export and save mode of the file that
// collects the data of all forms (block 61). Opened by the Settings page's "more.." button.
#pragma once

#include "editor/parameter_dialog.h"

namespace editor::settings {

[[nodiscard]] const ParameterDialogSpec& transactionFileDialog();

}  // namespace editor::settings
