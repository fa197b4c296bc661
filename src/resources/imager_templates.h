// SPDX-License-Identifier: MIT
// The templates of the 2D imager's parameter dialogs and of its image-capture dialog, and of
// their long-range twins (`_1DEDLG`), which mostly have the same controls.
#pragma once

#include "ui/control_id.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

// CODE39_2DDLG: the 2D imager's Code 39 parameters.
enum class Code39ImagerId {
    ConvertToCode32Check = 101,
    Code32PrefixCheck = 102,
    VerifyCheckDigitCheck = 103,
    TransmitCheckDigitCheck = 104,
    FullAsciiCheck = 105,
    Trioptic39Check = 106,
    LengthModeList = 301,
    Length1Edit = 401,
    Length2Edit = 402,
    LengthModeLabel = 601,
    Length1Label = 602,
    Length2Label = 603,
};
[[nodiscard]] const ui::DialogTemplate& code39ImagerTemplate();

// UPCA_2DDLG.
enum class UpcAImagerId {
    TransmitCheckDigitCheck = 101,
    LinearDecodeCheck = 103,
    PreambleList = 301,
    SupplementalsList = 302,
    RedundancyEdit = 401,
    PreambleLabel = 601,
    SupplementalsLabel = 602,
    RedundancyLabel = 603,
};
[[nodiscard]] const ui::DialogTemplate& upcAImagerTemplate();

// UPCE_2DDLG: UPC-E0.
enum class UpcE0ImagerId {
    TransmitCheckDigitCheck = 101,
    ConvertToUpcACheck = 102,
    LinearDecodeCheck = 104,
    PreambleList = 301,
    SupplementalsList = 302,
    RedundancyEdit = 401,
    PreambleLabel = 601,
    SupplementalsLabel = 602,
    RedundancyLabel = 603,
};
[[nodiscard]] const ui::DialogTemplate& upcE0ImagerTemplate();

// UPCE1_2DDLG: the controls of UPC-E0.
using UpcE1ImagerId = UpcE0ImagerId;
[[nodiscard]] const ui::DialogTemplate& upcE1ImagerTemplate();

// EAN8_2DDLG.
enum class Ean8ImagerId {
    ConvertToEan13Check = 101,
    SupplementalsList = 301,
    RedundancyEdit = 401,
    SupplementalsLabel = 601,
    RedundancyLabel = 602,
};
[[nodiscard]] const ui::DialogTemplate& ean8ImagerTemplate();

// EAN13DLG_2D.
enum class Ean13ImagerId {
    SupplementalsList = 301,
    RedundancyEdit = 401,
    SupplementalsLabel = 601,
    RedundancyLabel = 602,
};
[[nodiscard]] const ui::DialogTemplate& ean13ImagerTemplate();

// EAN128_2DDLG: GS1-128.
enum class Gs1128ImagerId {
    SeparatorEdit = 401,
    SeparatorLabel = 601,
};
[[nodiscard]] const ui::DialogTemplate& gs1128ImagerTemplate();

// CODE93_2DDLG.
enum class Code93ImagerId {
    LengthModeList = 301,
    Length1Edit = 401,
    Length2Edit = 402,
    LengthModeLabel = 601,
    Length1Label = 602,
    Length2Label = 603,
};
[[nodiscard]] const ui::DialogTemplate& code93ImagerTemplate();

// CODABAR_2DDLG.
enum class CodabarImagerId {
    ClsiEditingCheck = 101,
    NotisEditingCheck = 102,
    LengthModeList = 301,
    Length1Edit = 401,
    Length2Edit = 402,
    LengthModeLabel = 601,
    Length1Label = 602,
    Length2Label = 603,
};
[[nodiscard]] const ui::DialogTemplate& codabarImagerTemplate();

// DISCRETE25_2DDLG: Industrial 25, the controls of Code 93.
using Industrial25ImagerId = Code93ImagerId;
[[nodiscard]] const ui::DialogTemplate& industrial25ImagerTemplate();

// INTERLEAVE25_2DDLG.
enum class Interleaved25ImagerId {
    TransmitCheckDigitCheck = 102,
    ConvertToEan13Check = 103,
    LengthModeList = 301,
    VerifyCheckDigitList = 302,
    Length1Edit = 401,
    Length2Edit = 402,
    LengthModeLabel = 601,
    Length1Label = 602,
    Length2Label = 603,
    VerifyCheckDigitLabel = 604,
};
[[nodiscard]] const ui::DialogTemplate& interleaved25ImagerTemplate();

// RSS14_2DDLG: GS1 DataBar-14.
enum class DataBar14ImagerId {
    ConvertToUpcEanCheck = 101,
};
[[nodiscard]] const ui::DialogTemplate& dataBar14ImagerTemplate();

// MSI_2DDLG.
enum class MsiImagerId {
    TransmitCheckDigitCheck = 101,
    LengthModeList = 301,
    CheckDigitsList = 302,
    CheckAlgorithmList = 303,
    Length1Edit = 401,
    Length2Edit = 402,
    LengthModeLabel = 601,
    Length1Label = 602,
    Length2Label = 603,
    CheckDigitsLabel = 604,
    CheckAlgorithmLabel = 605,
};
[[nodiscard]] const ui::DialogTemplate& msiImagerTemplate();

// CODE11_2DDLG.
enum class Code11ImagerId {
    TransmitCheckDigitCheck = 101,
    LengthModeList = 301,
    VerifyCheckDigitList = 302,
    Length1Edit = 401,
    Length2Edit = 402,
    LengthModeLabel = 601,
    Length1Label = 602,
    Length2Label = 603,
    VerifyCheckDigitLabel = 604,
};
[[nodiscard]] const ui::DialogTemplate& code11ImagerTemplate();

// POSTAL_2DDLG.
enum class PostalImagerId {
    UsPostnetCheck = 101,
    UsPlanetCheck = 102,
    UsCheckDigitCheck = 103,
    UkPostalCheck = 104,
    UkCheckDigitCheck = 105,
    JapanPostalCheck = 106,
    AustralianPostalCheck = 107,
    DutchPostalCheck = 108,
};
[[nodiscard]] const ui::DialogTemplate& postalImagerTemplate();

// COMPOSITE_2DDLG.
enum class CompositeImagerId {
    CcCCheck = 101,
    CcABCheck = 102,
    Tlc39Check = 103,
    Gs1128EmulationCheck = 104,
    UpcModeList = 301,
    UpcModeLabel = 601,
};
[[nodiscard]] const ui::DialogTemplate& compositeImagerTemplate();

// SYMBOLOGIES_2DDLG: the 2D symbologies.
enum class SymbologiesImagerId {
    Pdf417Check = 101,
    MicroPdf417Check = 102,
    Code128EmulationCheck = 103,
    DataMatrixCheck = 104,
    MaxicodeCheck = 105,
    QrCodeCheck = 106,
};
[[nodiscard]] const ui::DialogTemplate& symbologiesImagerTemplate();

// MACROPDF_2DDLG. The control-header box is hidden: its byte follows the mode.
enum class MacroPdfImagerId {
    ControlHeaderCheck = 101,
    ModeList = 301,
    EscapeList = 302,
    ModeLabel = 601,
    EscapeLabel = 602,
};
[[nodiscard]] const ui::DialogTemplate& macroPdfImagerTemplate();

// IMAGECAPTURE_2DDLG.
enum class ImageCaptureId {
    FileTitleLabel = 4,
    IlluminationCheck = 101,
    AutoexposureCheck = 102,
    AimPatternCheck = 103,
    OptimizedForQualityCheck = 104,
    AutoFileNameCheck = 105,
    DefaultNamingCheck = 106,
    ExposureList = 301,
    ResolutionList = 302,
    FormatList = 303,
    BitsPerPixelList = 304,
    GainEdit = 401,
    QualityEdit = 402,
    SizeEdit = 403,
    ImageStoreEdit = 404,
    GainLabel = 601,
    ExposureLabel = 602,
    ResolutionLabel = 603,
    FormatLabel = 604,
    QualityLabel = 605,
    SizeLabel = 606,
    BitsPerPixelLabel = 607,
    ImageStoreLabel = 608,
    FileTitleEdit = 1021,
};
[[nodiscard]] const ui::DialogTemplate& imageCaptureTemplate();

// The long-range reader's twins. Unless an enum of their own is named, their controls are those of
// the 2D template of the same symbology: UPC-A, UPC-E0 and UPC-E1 lack "Linear UPC/EAN Decode",
// Code 39 lacks "Trioptic 39".
[[nodiscard]] const ui::DialogTemplate& upcALongRangeTemplate();           // UPCA_1DEDLG
[[nodiscard]] const ui::DialogTemplate& upcE0LongRangeTemplate();          // UPCE_1DEDLG
[[nodiscard]] const ui::DialogTemplate& upcE1LongRangeTemplate();          // UPCE1_1DEDLG
[[nodiscard]] const ui::DialogTemplate& gs1128LongRangeTemplate();         // EAN128_1DEDLG
[[nodiscard]] const ui::DialogTemplate& code39LongRangeTemplate();         // CODE39_1DEDLG
[[nodiscard]] const ui::DialogTemplate& code93LongRangeTemplate();         // CODE93_1DEDLG
[[nodiscard]] const ui::DialogTemplate& codabarLongRangeTemplate();        // CODABAR_1DEDLG
[[nodiscard]] const ui::DialogTemplate& industrial25LongRangeTemplate();   // DISCRETE25_1DEDLG
[[nodiscard]] const ui::DialogTemplate& interleaved25LongRangeTemplate();  // INTERLEAVE25_1DEDLG
[[nodiscard]] const ui::DialogTemplate& dataBar14LongRangeTemplate();      // RSS14_1DEDLG
[[nodiscard]] const ui::DialogTemplate& msiLongRangeTemplate();            // MSI_1DEDLG

// EAN8_1DEDLG: the redundancy label is 603.
enum class Ean8LongRangeId {
    ConvertToEan13Check = 101,
    SupplementalsList = 301,
    RedundancyEdit = 401,
    SupplementalsLabel = 601,
    RedundancyLabel = 603,
};
[[nodiscard]] const ui::DialogTemplate& ean8LongRangeTemplate();

// EAN13_1DEDLG.
enum class Ean13LongRangeId {
    SupplementalsList = 301,
    RedundancyEdit = 401,
    SupplementalsLabel = 601,
    RedundancyLabel = 603,
};
[[nodiscard]] const ui::DialogTemplate& ean13LongRangeTemplate();

}  // namespace resources
