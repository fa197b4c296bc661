// SPDX-License-Identifier: MIT
// FORMADVANCEDLG, "Form #" and the form's number: reading once, the export name, the automatic
// export of the form's table and MSQI mode. The page applies the MSQI rules after its OK.
#include "editor/export_controls.h"
#include "editor/forms/form_dialogs.h"
#include "editor/forms/line_dialog_parts.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::FormPropertiesId;
using Export = resources::ExportFileId;
using texts::sid;

constexpr texts::StringId CaptionEntry = sid(171);

constexpr ExportControls exportControls{Export::ExportNameCheck,
                                        Export::ExportNameEdit,
                                        Export::AutoExportCheck,
                                        Export::SaveModeLabel,
                                        {Export::OverwriteRadio, 2}};
constexpr ExportFields exportFields{formField("exportNameOn"), formField("exportName"), formField("autoExport"),
                                    formField("exportMode")};

constexpr auto bindings =
    joined(std::array{flag(Id::ReadOnceCheck, formField("readOnce"))}, exportBindings(exportControls, exportFields),
           std::array{flag(Id::MsqiCheck, formField("msqiEnabled"))});
constexpr auto rules = exportRules(exportControls);

constexpr ui::TextReplacement captions[] = {
    {Id::ReadOnceCheck, sid(172), 2}, {Export::AutoExportCheck, sid(174), 4}, {Id::MsqiCheck, sid(178)},
};

void showCaption(ParameterDialogModel& dialog, ui::ControlId changed)
{
    if (changed == ui::ControlId{}) {
        dialog.shown().setTitle(ui::captionText(dialog.texts(), dialog.language(), CaptionEntry, "Form #") +
                                std::to_string(dialog.records().formNumber));
    }
}

// No title entry: the caption names the form.
constexpr ParameterDialogSpec dialog = formDialog(resources::formPropertiesTemplate, std::nullopt, captions, bindings,
                                                  rules, {.afterChange = showCaption});

} // namespace

const ParameterDialogSpec& formPropertiesDialog()
{
    return dialog;
}

} // namespace editor::forms
