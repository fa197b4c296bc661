// SPDX-License-Identifier: MIT
// Components several templates share, with the same IDs wherever they stand.
#pragma once

namespace resources {

// The export of a transaction table (FORMADVANCEDLG and ADVANCEDLG1): another export name, and
// the automatic export when the application closes with its save mode.
enum class ExportFileId {
    ExportNameCheck = 102,
    ExportNameEdit = 402,
    ExtensionLabel = 601,  // the fixed ".TXT" behind the name
    AutoExportCheck = 1017,
    SaveModeLabel = 1018,
    OverwriteRadio = 1019,  // 1019 and 1020: the save mode
    AppendRadio = 1020,
};

}  // namespace resources
