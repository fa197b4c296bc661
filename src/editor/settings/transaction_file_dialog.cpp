// SPDX-License-Identifier: MIT
#include "editor/settings/transaction_file_dialog.h"

#include "editor/export_controls.h"
#include "resources/settings_templates.h"

namespace editor::settings {
namespace {

using Id = resources::ExportFileId;
using texts::sid;

// The name is only changed when asked to, the save mode only matters for an automatic export.
constexpr ExportControls exportControls{
    Id::ExportNameCheck, Id::ExportNameEdit, Id::AutoExportCheck, Id::SaveModeLabel, {Id::OverwriteRadio, 2}};
constexpr auto bindings =
    exportBindings(exportControls, {transactionField("changeExportName"), transactionField("exportName"),
                                    transactionField("autoExport"), transactionField("saveMode")});
constexpr auto rules = exportRules(exportControls);

constexpr ui::TextReplacement captions[] = {{Id::ExportNameCheck, sid(173)}};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::transactionFileTemplate,
    .titleEntry = std::nullopt,
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
};

}  // namespace

const ParameterDialogSpec& transactionFileDialog() { return dialog; }

}  // namespace editor::settings
