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

// The parameter dialog that a "more..." or other button of the Barcode page opens for a reader
// type (DeviceSettings byte 2, whose units digit counts), or nullptr when the button opens none
// of these dialogs.
[[nodiscard]] const ParameterDialogSpec* parameterDialogForButton(int readerType, ui::ControlId button);

}  // namespace editor::reader
