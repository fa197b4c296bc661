// SPDX-License-Identifier: MIT
// The parameter dialogs of the reader settings, each a constant table of the file that builds it:
// the 2D imager's and long-range reader's twins (twin_dialogs.cpp, upc_ean_dialogs.cpp), the 2D
// imager's others (imager_dialogs.cpp, and code39_imager_dialog.cpp and image_capture_dialog.cpp
// on their own), the laser reader's (laser_dialogs.cpp), RFID (rfid_dialog.cpp) and the coupon
// code (coupon_code_dialogs.cpp).
#pragma once

#include "editor/parameter_dialog.h"

namespace editor::reader {

// The 2D imager's symbology parameters.
extern const ParameterDialogSpec upcAImagerDialog;    // UPCA_2DDLG
extern const ParameterDialogSpec upcE0ImagerDialog;   // UPCE_2DDLG
extern const ParameterDialogSpec upcE1ImagerDialog;   // UPCE1_2DDLG
extern const ParameterDialogSpec ean8ImagerDialog;    // EAN8_2DDLG
extern const ParameterDialogSpec ean13ImagerDialog;   // EAN13DLG_2D
extern const ParameterDialogSpec gs1128ImagerDialog;  // EAN128_2DDLG
// CODE39_2DDLG: Code 39 of the 2D imager (the worked example of the engine).
extern const ParameterDialogSpec code39ImagerDialog;
extern const ParameterDialogSpec code93ImagerDialog;         // CODE93_2DDLG
extern const ParameterDialogSpec codabarImagerDialog;        // CODABAR_2DDLG
extern const ParameterDialogSpec industrial25ImagerDialog;   // DISCRETE25_2DDLG
extern const ParameterDialogSpec interleaved25ImagerDialog;  // INTERLEAVE25_2DDLG
extern const ParameterDialogSpec dataBar14ImagerDialog;      // RSS14_2DDLG
extern const ParameterDialogSpec msiImagerDialog;            // MSI_2DDLG
extern const ParameterDialogSpec code11ImagerDialog;         // CODE11_2DDLG
extern const ParameterDialogSpec postalImagerDialog;         // POSTAL_2DDLG
extern const ParameterDialogSpec compositeImagerDialog;      // COMPOSITE_2DDLG
extern const ParameterDialogSpec symbologiesImagerDialog;    // SYMBOLOGIES_2DDLG
extern const ParameterDialogSpec macroPdfImagerDialog;       // MACROPDF_2DDLG
// IMAGECAPTURE_2DDLG: the 2D imager's image capture.
extern const ParameterDialogSpec imageCaptureDialog;

// The 1D laser/CCD reader's symbology parameters: they write nothing before OK.
extern const ParameterDialogSpec laserCode39Dialog;           // CODE39_1DDLG
extern const ParameterDialogSpec italianPharmacodeDialog;     // ITALYPHARMA_1DDLG
extern const ParameterDialogSpec frenchPharmacodeDialog;      // FRENCHPHARMA_1DDLG
extern const ParameterDialogSpec laserIndustrial25Dialog;     // INDUSTRIAL25_1DDLG
extern const ParameterDialogSpec laserInterleaved25Dialog;    // INTERLEAVE25_1DDLG
extern const ParameterDialogSpec laserMatrix25Dialog;         // MATRIX25_1DDLG
extern const ParameterDialogSpec laserCodabarDialog;          // CODABAR_1DDLG
extern const ParameterDialogSpec laserMsiDialog;              // MSI_1DDLG
extern const ParameterDialogSpec plesseyDialog;               // PLESSEY_1DDLG
extern const ParameterDialogSpec laserUpcEDialog;             // UPCE_1DDLG
extern const ParameterDialogSpec laserEan8Dialog;             // EAN8_1DDLG
extern const ParameterDialogSpec laserEan13Dialog;            // EAN13_1DDLG
extern const ParameterDialogSpec telepenDialog;               // TELEPEN_1DDLG
extern const ParameterDialogSpec laserDataBar14Dialog;        // RSS14_1DDLG
extern const ParameterDialogSpec laserDataBarLimitedDialog;   // RSS14LIMITED_1DDLG
extern const ParameterDialogSpec laserDataBarExpandedDialog;  // RSS14EXPANDED_1DDLG
extern const ParameterDialogSpec laserGs1128Dialog;           // EAN128_1DDLG

// The 1D extra-long-range reader's symbology parameters: the 2D dialogs' twins in this reader's
// area of the record. Only Interleaved 25 copies the record when it opens.
extern const ParameterDialogSpec upcALongRangeDialog;           // UPCA_1DEDLG
extern const ParameterDialogSpec upcE0LongRangeDialog;          // UPCE_1DEDLG
extern const ParameterDialogSpec upcE1LongRangeDialog;          // UPCE1_1DEDLG
extern const ParameterDialogSpec ean8LongRangeDialog;           // EAN8_1DEDLG
extern const ParameterDialogSpec ean13LongRangeDialog;          // EAN13_1DEDLG
extern const ParameterDialogSpec gs1128LongRangeDialog;         // EAN128_1DEDLG
extern const ParameterDialogSpec code39LongRangeDialog;         // CODE39_1DEDLG
extern const ParameterDialogSpec code93LongRangeDialog;         // CODE93_1DEDLG
extern const ParameterDialogSpec codabarLongRangeDialog;        // CODABAR_1DEDLG
extern const ParameterDialogSpec industrial25LongRangeDialog;   // DISCRETE25_1DEDLG
extern const ParameterDialogSpec interleaved25LongRangeDialog;  // INTERLEAVE25_1DEDLG
extern const ParameterDialogSpec dataBar14LongRangeDialog;      // RSS14_1DEDLG
extern const ParameterDialogSpec msiLongRangeDialog;            // MSI_1DEDLG

// RFIDPARAMDLG: what the RFID reader sends of a tag.
extern const ParameterDialogSpec rfidDialog;

// The coupon code of the long-range and 2D readers, each in its reader's area of the record.
// COUPON_CODE_2D copies the record when it opens and takes it back on Cancel, also when the
// COUPON_CODE_CONTENT dialog it opens at OK is cancelled; the content dialog's argument is the
// coupon kinds chosen (0 none, 1 UPC-A, 2 EAN-13, 3 both).
extern const ParameterDialogSpec couponSettingLongRangeDialog;
extern const ParameterDialogSpec couponSettingImagerDialog;
extern const ParameterDialogSpec couponContentLongRangeDialog;
extern const ParameterDialogSpec couponContentImagerDialog;

// The parameter dialog that a "more..." or other button of the Barcode page opens for a reader
// type (DeviceSettings byte 2, whose units digit counts), or nullptr when the button opens none
// of these dialogs.
[[nodiscard]] const ParameterDialogSpec* parameterDialogForButton(int readerType, ui::ControlId button);

}  // namespace editor::reader
