// SPDX-License-Identifier: MIT
#include "editor/settings/transaction_file_dialog.h"

#include "resources/settings_templates.h"

namespace editor::settings {
namespace {

using Id = resources::ExportFileId;
using texts::sid;

constexpr int ExportNameChars = 20;

constexpr Binding bindings[] = {
    flag(Id::ExportNameCheck, transactionField("changeExportName")),
    text(Id::ExportNameEdit, transactionField("exportName"), ExportNameChars),
    flag(Id::AutoExportCheck, transactionField("autoExport")),
    radio({Id::OverwriteRadio, 2}, transactionField("saveMode")),
};

// The name is only changed when asked to, the save mode only matters for an automatic export;
// both keep what they show and store it.
constexpr EnablingRule rules[] = {
    enabledWhileChecked(Id::ExportNameEdit, Id::ExportNameCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::SaveModeLabel, Id::AutoExportCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::OverwriteRadio, Id::AutoExportCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::AppendRadio, Id::AutoExportCheck, WhenDisabled::Keep),
};

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
