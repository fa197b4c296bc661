// SPDX-License-Identifier: MIT
// The parameter dialogs of the reader settings, one table each in a file named after the dialog.
#pragma once

#include "editor/parameter_dialog.h"

namespace editor::reader {

// The 2D imager's symbology parameters.
[[nodiscard]] const ParameterDialogSpec& upcAImagerDialog();    // UPCA_2DDLG
[[nodiscard]] const ParameterDialogSpec& upcE0ImagerDialog();   // UPCE_2DDLG
[[nodiscard]] const ParameterDialogSpec& upcE1ImagerDialog();   // UPCE1_2DDLG
[[nodiscard]] const ParameterDialogSpec& ean8ImagerDialog();    // EAN8_2DDLG
[[nodiscard]] const ParameterDialogSpec& ean13ImagerDialog();   // EAN13DLG_2D
[[nodiscard]] const ParameterDialogSpec& gs1128ImagerDialog();  // EAN128_2DDLG
// CODE39_2DDLG: Code 39 of the 2D imager (the worked example of the engine).
[[nodiscard]] const ParameterDialogSpec& code39ImagerDialog();
[[nodiscard]] const ParameterDialogSpec& code93ImagerDialog();         // CODE93_2DDLG
[[nodiscard]] const ParameterDialogSpec& codabarImagerDialog();        // CODABAR_2DDLG
[[nodiscard]] const ParameterDialogSpec& industrial25ImagerDialog();   // DISCRETE25_2DDLG
[[nodiscard]] const ParameterDialogSpec& interleaved25ImagerDialog();  // INTERLEAVE25_2DDLG
[[nodiscard]] const ParameterDialogSpec& dataBar14ImagerDialog();      // RSS14_2DDLG
[[nodiscard]] const ParameterDialogSpec& msiImagerDialog();            // MSI_2DDLG
[[nodiscard]] const ParameterDialogSpec& code11ImagerDialog();         // CODE11_2DDLG
[[nodiscard]] const ParameterDialogSpec& postalImagerDialog();         // POSTAL_2DDLG
[[nodiscard]] const ParameterDialogSpec& compositeImagerDialog();      // COMPOSITE_2DDLG
[[nodiscard]] const ParameterDialogSpec& symbologiesImagerDialog();    // SYMBOLOGIES_2DDLG
[[nodiscard]] const ParameterDialogSpec& macroPdfImagerDialog();       // MACROPDF_2DDLG
// IMAGECAPTURE_2DDLG: the 2D imager's image capture.
[[nodiscard]] const ParameterDialogSpec& imageCaptureDialog();

// The 1D laser/CCD reader's symbology parameters: they write nothing before OK.
[[nodiscard]] const ParameterDialogSpec& laserCode39Dialog();           // CODE39_1DDLG
[[nodiscard]] const ParameterDialogSpec& italianPharmacodeDialog();     // ITALYPHARMA_1DDLG
[[nodiscard]] const ParameterDialogSpec& frenchPharmacodeDialog();      // FRENCHPHARMA_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserIndustrial25Dialog();     // INDUSTRIAL25_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserInterleaved25Dialog();    // INTERLEAVE25_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserMatrix25Dialog();         // MATRIX25_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserCodabarDialog();          // CODABAR_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserMsiDialog();              // MSI_1DDLG
[[nodiscard]] const ParameterDialogSpec& plesseyDialog();               // PLESSEY_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserUpcEDialog();             // UPCE_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserEan8Dialog();             // EAN8_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserEan13Dialog();            // EAN13_1DDLG
[[nodiscard]] const ParameterDialogSpec& telepenDialog();               // TELEPEN_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserDataBar14Dialog();        // RSS14_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserDataBarLimitedDialog();   // RSS14LIMITED_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserDataBarExpandedDialog();  // RSS14EXPANDED_1DDLG
[[nodiscard]] const ParameterDialogSpec& laserGs1128Dialog();           // EAN128_1DDLG

// The 1D extra-long-range reader's symbology parameters: the 2D dialogs' twins in this reader's
// area of the record. Only Interleaved 25 copies the record when it opens.
[[nodiscard]] const ParameterDialogSpec& upcALongRangeDialog();           // UPCA_1DEDLG
[[nodiscard]] const ParameterDialogSpec& upcE0LongRangeDialog();          // UPCE_1DEDLG
[[nodiscard]] const ParameterDialogSpec& upcE1LongRangeDialog();          // UPCE1_1DEDLG
[[nodiscard]] const ParameterDialogSpec& ean8LongRangeDialog();           // EAN8_1DEDLG
[[nodiscard]] const ParameterDialogSpec& ean13LongRangeDialog();          // EAN13_1DEDLG
[[nodiscard]] const ParameterDialogSpec& gs1128LongRangeDialog();         // EAN128_1DEDLG
[[nodiscard]] const ParameterDialogSpec& code39LongRangeDialog();         // CODE39_1DEDLG
[[nodiscard]] const ParameterDialogSpec& code93LongRangeDialog();         // CODE93_1DEDLG
[[nodiscard]] const ParameterDialogSpec& codabarLongRangeDialog();        // CODABAR_1DEDLG
[[nodiscard]] const ParameterDialogSpec& industrial25LongRangeDialog();   // DISCRETE25_1DEDLG
[[nodiscard]] const ParameterDialogSpec& interleaved25LongRangeDialog();  // INTERLEAVE25_1DEDLG
[[nodiscard]] const ParameterDialogSpec& dataBar14LongRangeDialog();      // RSS14_1DEDLG
[[nodiscard]] const ParameterDialogSpec& msiLongRangeDialog();            // MSI_1DEDLG

// RFIDPARAMDLG: what the RFID reader sends of a tag.
[[nodiscard]] const ParameterDialogSpec& rfidDialog();

// The coupon code of the long-range and 2D readers, each in its reader's area of the record.
// COUPON_CODE_2D copies the record when it opens and takes it back on Cancel, also when the
// COUPON_CODE_CONTENT dialog it opens at OK is cancelled; the content dialog's argument is the
// coupon kinds chosen (0 none, 1 UPC-A, 2 EAN-13, 3 both).
[[nodiscard]] const ParameterDialogSpec& couponSettingLongRangeDialog();
[[nodiscard]] const ParameterDialogSpec& couponSettingImagerDialog();
[[nodiscard]] const ParameterDialogSpec& couponContentLongRangeDialog();
[[nodiscard]] const ParameterDialogSpec& couponContentImagerDialog();

// The parameter dialog that a "more..." or other button of the Barcode page opens for a reader
// type (DeviceSettings byte 2, whose units digit counts), or nullptr when the button opens none
// of these dialogs.
[[nodiscard]] const ParameterDialogSpec* parameterDialogForButton(int readerType, ui::ControlId button);

}  // namespace editor::reader
