// SPDX-License-Identifier: MIT
#include "editor/dialog_registry.h"

#include <vector>

#include "editor/forms/form_dialogs.h"
#include "editor/reader/reader_dialogs.h"
#include "editor/settings/transaction_file_dialog.h"
#include "resources/barcode_templates.h"
#include "resources/form_templates.h"
#include "resources/imager_templates.h"
#include "resources/laser_templates.h"
#include "resources/lookup_templates.h"
#include "resources/menu_templates.h"
#include "resources/reader_templates.h"
#include "resources/rfid_templates.h"
#include "resources/settings_templates.h"
#include "resources/sheet_templates.h"
#include "resources/shell_templates.h"

namespace editor {

std::span<const ui::DialogTemplate* const> allTemplates()
{
    static const std::vector<const ui::DialogTemplate*> all = {
        &resources::preferencesTemplate(),
        &resources::aboutTemplate(),
        &resources::pendingPageTemplate(),
        // The property sheet's pages and their own dialogs.
        &resources::formPageTemplate(), &resources::menuPageTemplate(), &resources::lookupPageTemplate(),
        // The Form page's dialogs and the character grid they open.
        &resources::fieldPropertiesTemplate(), &resources::timestampTemplate(), &resources::formPropertiesTemplate(),
        &resources::lookupFieldTemplate(), &resources::imageFieldTemplate(), &resources::characterGridTemplate(),
        &resources::barcodePageTemplate(), &resources::settingsPageTemplate(), &resources::transactionFileTemplate(),
        &resources::couponCodeNoteTemplate(),
        // The RFID reader and the coupon code.
        &resources::rfidParameterTemplate(), &resources::couponSettingTemplate(), &resources::couponContentTemplate(),
        // The 2D imager.
        &resources::upcAImagerTemplate(),
        &resources::upcE0ImagerTemplate(),
        &resources::upcE1ImagerTemplate(),
        &resources::ean8ImagerTemplate(),
        &resources::ean13ImagerTemplate(),
        &resources::gs1128ImagerTemplate(),
        &resources::code39ImagerTemplate(),
        &resources::code93ImagerTemplate(),
        &resources::codabarImagerTemplate(),
        &resources::industrial25ImagerTemplate(),
        &resources::interleaved25ImagerTemplate(),
        &resources::dataBar14ImagerTemplate(),
        &resources::msiImagerTemplate(),
        &resources::code11ImagerTemplate(),
        &resources::postalImagerTemplate(),
        &resources::compositeImagerTemplate(),
        &resources::symbologiesImagerTemplate(),
        &resources::macroPdfImagerTemplate(),
        &resources::imageCaptureTemplate(),
        // The 1D laser/CCD reader.
        &resources::laserCode39Template(),
        &resources::italianPharmacodeTemplate(),
        &resources::frenchPharmacodeTemplate(),
        &resources::laserIndustrial25Template(),
        &resources::laserInterleaved25Template(),
        &resources::laserMatrix25Template(),
        &resources::laserCodabarTemplate(),
        &resources::laserMsiTemplate(),
        &resources::plesseyTemplate(),
        &resources::laserUpcETemplate(),
        &resources::laserEan8Template(),
        &resources::laserEan13Template(),
        &resources::telepenTemplate(),
        &resources::laserDataBar14Template(),
        &resources::laserDataBarLimitedTemplate(),
        &resources::laserDataBarExpandedTemplate(),
        &resources::laserGs1128Template(),
        // The 1D extra-long-range reader.
        &resources::upcALongRangeTemplate(),
        &resources::upcE0LongRangeTemplate(),
        &resources::upcE1LongRangeTemplate(),
        &resources::ean8LongRangeTemplate(),
        &resources::ean13LongRangeTemplate(),
        &resources::gs1128LongRangeTemplate(),
        &resources::code39LongRangeTemplate(),
        &resources::code93LongRangeTemplate(),
        &resources::codabarLongRangeTemplate(),
        &resources::industrial25LongRangeTemplate(),
        &resources::interleaved25LongRangeTemplate(),
        &resources::dataBar14LongRangeTemplate(),
        &resources::msiLongRangeTemplate(),
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
        {"UPCA_2DDLG", reader::upcAImagerDialog},
        {"UPCE_2DDLG", reader::upcE0ImagerDialog},
        {"UPCE1_2DDLG", reader::upcE1ImagerDialog},
        {"EAN8_2DDLG", reader::ean8ImagerDialog},
        {"EAN13DLG_2D", reader::ean13ImagerDialog},
        {"EAN128_2DDLG", reader::gs1128ImagerDialog},
        {"CODE39_2DDLG", reader::code39ImagerDialog},
        {"CODE93_2DDLG", reader::code93ImagerDialog},
        {"CODABAR_2DDLG", reader::codabarImagerDialog},
        {"DISCRETE25_2DDLG", reader::industrial25ImagerDialog},
        {"INTERLEAVE25_2DDLG", reader::interleaved25ImagerDialog},
        {"RSS14_2DDLG", reader::dataBar14ImagerDialog},
        {"MSI_2DDLG", reader::msiImagerDialog},
        {"CODE11_2DDLG", reader::code11ImagerDialog},
        {"POSTAL_2DDLG", reader::postalImagerDialog},
        {"COMPOSITE_2DDLG", reader::compositeImagerDialog},
        {"SYMBOLOGIES_2DDLG", reader::symbologiesImagerDialog},
        {"MACROPDF_2DDLG", reader::macroPdfImagerDialog},
        {"IMAGECAPTURE_2DDLG", reader::imageCaptureDialog},
        {"CODE39_1DDLG", reader::laserCode39Dialog},
        {"ITALYPHARMA_1DDLG", reader::italianPharmacodeDialog},
        {"FRENCHPHARMA_1DDLG", reader::frenchPharmacodeDialog},
        {"INDUSTRIAL25_1DDLG", reader::laserIndustrial25Dialog},
        {"INTERLEAVE25_1DDLG", reader::laserInterleaved25Dialog},
        {"MATRIX25_1DDLG", reader::laserMatrix25Dialog},
        {"CODABAR_1DDLG", reader::laserCodabarDialog},
        {"MSI_1DDLG", reader::laserMsiDialog},
        {"PLESSEY_1DDLG", reader::plesseyDialog},
        {"UPCE_1DDLG", reader::laserUpcEDialog},
        {"EAN8_1DDLG", reader::laserEan8Dialog},
        {"EAN13_1DDLG", reader::laserEan13Dialog},
        {"TELEPEN_1DDLG", reader::telepenDialog},
        {"RSS14_1DDLG", reader::laserDataBar14Dialog},
        {"RSS14LIMITED_1DDLG", reader::laserDataBarLimitedDialog},
        {"RSS14EXPANDED_1DDLG", reader::laserDataBarExpandedDialog},
        {"EAN128_1DDLG", reader::laserGs1128Dialog},
        {"UPCA_1DEDLG", reader::upcALongRangeDialog},
        {"UPCE_1DEDLG", reader::upcE0LongRangeDialog},
        {"UPCE1_1DEDLG", reader::upcE1LongRangeDialog},
        {"EAN8_1DEDLG", reader::ean8LongRangeDialog},
        {"EAN13_1DEDLG", reader::ean13LongRangeDialog},
        {"EAN128_1DEDLG", reader::gs1128LongRangeDialog},
        {"CODE39_1DEDLG", reader::code39LongRangeDialog},
        {"CODE93_1DEDLG", reader::code93LongRangeDialog},
        {"CODABAR_1DEDLG", reader::codabarLongRangeDialog},
        {"DISCRETE25_1DEDLG", reader::industrial25LongRangeDialog},
        {"INTERLEAVE25_1DEDLG", reader::interleaved25LongRangeDialog},
        {"RSS14_1DEDLG", reader::dataBar14LongRangeDialog},
        {"MSI_1DEDLG", reader::msiLongRangeDialog},
        {"RFIDPARAMDLG", reader::rfidDialog},
        {"COUPON_CODE_2D", reader::couponSettingImagerDialog},
        {"COUPON_CODE_CONTENT", reader::couponContentImagerDialog},
        {"COUPON_CODE_2D", reader::couponSettingLongRangeDialog},
        {"COUPON_CODE_CONTENT", reader::couponContentLongRangeDialog},
    };
    return all;
}

}  // namespace editor
