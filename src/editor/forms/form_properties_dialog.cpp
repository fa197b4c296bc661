// SPDX-License-Identifier: MIT
// FORMADVANCEDLG, "Form #" and the form's number: reading once, the export name, the automatic
// export of the form's table and MSQI mode. The page applies the MSQI rules after its OK.
#include "editor/forms/form_dialogs.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::FormPropertiesId;
using Export = resources::ExportFileId;
using texts::sid;

constexpr int ExportNameChars = 20;
constexpr texts::StringId CaptionEntry = sid(171);

constexpr Binding bindings[] = {
    flag(Id::ReadOnceCheck, formField("readOnce")),
    flag(Export::ExportNameCheck, formField("exportNameOn")),
    text(Export::ExportNameEdit, formField("exportName"), ExportNameChars),
    flag(Export::AutoExportCheck, formField("autoExport")),
    radio({Export::OverwriteRadio, 2}, formField("exportMode")),
    flag(Id::MsqiCheck, formField("msqiEnabled")),
};

constexpr auto Keep = WhenDisabled::Keep;
constexpr EnablingRule rules[] = {
    enabledWhileChecked(Export::ExportNameEdit, Export::ExportNameCheck, Keep),
    enabledWhileChecked(Export::SaveModeLabel, Export::AutoExportCheck, Keep),
    enabledWhileChecked(Export::OverwriteRadio, Export::AutoExportCheck, Keep),
    enabledWhileChecked(Export::AppendRadio, Export::AutoExportCheck, Keep),
};

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
