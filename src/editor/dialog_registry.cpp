// SPDX-License-Identifier: MIT
#include "editor/dialog_registry.h"

#include <vector>

#include "editor/forms/form_dialogs.h"
#include "editor/reader/reader_dialogs.h"
#include "editor/settings/transaction_file_dialog.h"
#include "resources/form_templates.h"
#include "resources/lookup_templates.h"
#include "resources/menu_templates.h"
#include "resources/reader_templates.h"
#include "resources/settings_templates.h"
#include "resources/sheet_templates.h"
#include "resources/shell_templates.h"

namespace editor {

std::span<const ui::DialogTemplate* const> allTemplates()
{
    static const std::vector<const ui::DialogTemplate*> all = {
        &resources::preferencesTemplate(), &resources::aboutTemplate(), &resources::pendingPageTemplate(),
        // The property sheet's pages and their own dialogs.
        &resources::formPageTemplate(), &resources::menuPageTemplate(), &resources::lookupPageTemplate(),
        // The Form page's dialogs and the character grid they open.
        &resources::fieldPropertiesTemplate(), &resources::timestampTemplate(), &resources::formPropertiesTemplate(),
        &resources::lookupFieldTemplate(), &resources::imageFieldTemplate(), &resources::characterGridTemplate(),
        &resources::settingsPageTemplate(), &resources::transactionFileTemplate(),
        &resources::couponCodeNoteTemplate(),
        // The 2D imager.
        &resources::upcAImagerTemplate(), &resources::upcE0ImagerTemplate(), &resources::upcE1ImagerTemplate(),
        &resources::ean8ImagerTemplate(), &resources::ean13ImagerTemplate(), &resources::gs1128ImagerTemplate(),
        &resources::code39ImagerTemplate(), &resources::code93ImagerTemplate(), &resources::codabarImagerTemplate(),
        &resources::industrial25ImagerTemplate(), &resources::interleaved25ImagerTemplate(),
        &resources::dataBar14ImagerTemplate(), &resources::msiImagerTemplate(), &resources::code11ImagerTemplate(),
        &resources::postalImagerTemplate(), &resources::compositeImagerTemplate(),
        &resources::symbologiesImagerTemplate(), &resources::macroPdfImagerTemplate(),
        &resources::imageCaptureTemplate(),
    };
    return all;
}

std::span<const RegisteredParameterDialog> allParameterDialogs()
{
    static const std::vector<RegisteredParameterDialog> all = {
        {"ADVANCEDLG", forms::fieldPropertiesDialog()},
        {"TIMESTAMPDLG", forms::timestampDialog()},
        {"FORMADVANCEDLG", forms::formPropertiesDialog()},
        {"LOOKUPADVANCEDLG", forms::lookupFieldDialog()},
        {"IMAGEADVANCEDLG", forms::imageFieldDialog()},
        {"ADVANCEDLG1", settings::transactionFileDialog()},
        {"UPCA_2DDLG", reader::upcAImagerDialog()},
        {"UPCE_2DDLG", reader::upcE0ImagerDialog()},
        {"UPCE1_2DDLG", reader::upcE1ImagerDialog()},
        {"EAN8_2DDLG", reader::ean8ImagerDialog()},
        {"EAN13DLG_2D", reader::ean13ImagerDialog()},
        {"EAN128_2DDLG", reader::gs1128ImagerDialog()},
        {"CODE39_2DDLG", reader::code39ImagerDialog()},
        {"CODE93_2DDLG", reader::code93ImagerDialog()},
        {"CODABAR_2DDLG", reader::codabarImagerDialog()},
        {"DISCRETE25_2DDLG", reader::industrial25ImagerDialog()},
        {"INTERLEAVE25_2DDLG", reader::interleaved25ImagerDialog()},
        {"RSS14_2DDLG", reader::dataBar14ImagerDialog()},
        {"MSI_2DDLG", reader::msiImagerDialog()},
        {"CODE11_2DDLG", reader::code11ImagerDialog()},
        {"POSTAL_2DDLG", reader::postalImagerDialog()},
        {"COMPOSITE_2DDLG", reader::compositeImagerDialog()},
        {"SYMBOLOGIES_2DDLG", reader::symbologiesImagerDialog()},
        {"MACROPDF_2DDLG", reader::macroPdfImagerDialog()},
        {"IMAGECAPTURE_2DDLG", reader::imageCaptureDialog()},
    };
    return all;
}

}  // namespace editor
