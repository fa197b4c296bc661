// SPDX-License-Identifier: MIT
// The templates of the 2D imager's parameter dialogs and of its image-capture dialog, and of
// their long-range twins (`_1DEDLG`), which mostly have the same controls.
#pragma once

#include "ui/control_id.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

// Components that several dialogs have: their IDs are the same in each, and a dialog's ID type
// derives from those of the components it has and adds its own controls.

// The length group: the mode list and the two lengths.
struct LengthGroupId
{
    enum LengthControl {
        LengthModeList = 301,
        Length1Edit = 401,
        Length2Edit = 402,
        LengthModeLabel = 601,
        Length1Label = 602,
        Length2Label = 603,
    };
};

// The UPC dialogs' preamble, supplementals and supplemental redundancy.
struct UpcGroupId
{
    enum UpcControl {
        PreambleList = 301,
        SupplementalsList = 302,
        RedundancyEdit = 401,
        PreambleLabel = 601,
        SupplementalsLabel = 602,
        RedundancyLabel = 603,
    };
};

// The EAN dialogs' supplementals and redundancy; the long-range reader numbers the redundancy
// label 603, the 2D imager 602.
template <int RedundancyLabelId> struct EanGroupId
{
    enum EanControl {
        SupplementalsList = 301,
        RedundancyEdit = 401,
        SupplementalsLabel = 601,
        RedundancyLabel = RedundancyLabelId,
    };
};
// EAN-8 adds a check box to the group.
template <int RedundancyLabelId> struct Ean8Id : EanGroupId<RedundancyLabelId>
{
    enum Ean8Control { ConvertToEan13Check = 101 };
};

// The field separator of GS1-128, which the laser reader's dialog has too.
struct SeparatorId
{
    enum SeparatorControl { SeparatorEdit = 401, SeparatorLabel = 601 };
};

// CODE39_2DDLG: the 2D imager's Code 39 parameters, check boxes of consecutive IDs.
struct Code39ImagerId : LengthGroupId
{
    enum Code39Control {
        ConvertToCode32Check = 101,
        Code32PrefixCheck = 102,
        VerifyCheckDigitCheck = 103,
        TransmitCheckDigitCheck = 104,
        FullAsciiCheck = 105,
        Trioptic39Check = 106,
    };
};
[[nodiscard]] const ui::DialogTemplate& code39ImagerTemplate();

// UPCA_2DDLG.
struct UpcAImagerId : UpcGroupId
{
    enum UpcAControl { TransmitCheckDigitCheck = 101, LinearDecodeCheck = 103 };
};
[[nodiscard]] const ui::DialogTemplate& upcAImagerTemplate();

// UPCE_2DDLG: UPC-E0; UPCE1_2DDLG has its controls.
struct UpcE0ImagerId : UpcGroupId
{
    enum UpcEControl { TransmitCheckDigitCheck = 101, ConvertToUpcACheck = 102, LinearDecodeCheck = 104 };
};
using UpcE1ImagerId = UpcE0ImagerId;
[[nodiscard]] const ui::DialogTemplate& upcE0ImagerTemplate();
[[nodiscard]] const ui::DialogTemplate& upcE1ImagerTemplate();

// EAN8_2DDLG and EAN13DLG_2D.
using Ean8ImagerId = Ean8Id<602>;
using Ean13ImagerId = EanGroupId<602>;
[[nodiscard]] const ui::DialogTemplate& ean8ImagerTemplate();
[[nodiscard]] const ui::DialogTemplate& ean13ImagerTemplate();

// EAN128_2DDLG: GS1-128, the field separator alone.
using Gs1128ImagerId = SeparatorId;
[[nodiscard]] const ui::DialogTemplate& gs1128ImagerTemplate();

// CODE93_2DDLG and DISCRETE25_2DDLG (Industrial 25): the length group alone.
using Code93ImagerId = LengthGroupId;
using Industrial25ImagerId = LengthGroupId;
[[nodiscard]] const ui::DialogTemplate& code93ImagerTemplate();
[[nodiscard]] const ui::DialogTemplate& industrial25ImagerTemplate();

// CODABAR_2DDLG.
struct CodabarImagerId : LengthGroupId
{
    enum CodabarControl { ClsiEditingCheck = 101, NotisEditingCheck = 102 };
};
[[nodiscard]] const ui::DialogTemplate& codabarImagerTemplate();

// INTERLEAVE25_2DDLG.
struct Interleaved25ImagerId : LengthGroupId
{
    enum Interleaved25Control {
        TransmitCheckDigitCheck = 102,
        ConvertToEan13Check = 103,
        VerifyCheckDigitList = 302,
        VerifyCheckDigitLabel = 604,
    };
};
[[nodiscard]] const ui::DialogTemplate& interleaved25ImagerTemplate();

// RSS14_2DDLG: GS1 DataBar-14.
enum class DataBar14ImagerId {
    ConvertToUpcEanCheck = 101,
};
[[nodiscard]] const ui::DialogTemplate& dataBar14ImagerTemplate();

// MSI_2DDLG.
struct MsiImagerId : LengthGroupId
{
    enum MsiControl {
        TransmitCheckDigitCheck = 101,
        CheckDigitsList = 302,
        CheckAlgorithmList = 303,
        CheckDigitsLabel = 604,
        CheckAlgorithmLabel = 605,
    };
};
[[nodiscard]] const ui::DialogTemplate& msiImagerTemplate();

// CODE11_2DDLG.
struct Code11ImagerId : LengthGroupId
{
    enum Code11Control { TransmitCheckDigitCheck = 101, VerifyCheckDigitList = 302, VerifyCheckDigitLabel = 604 };
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

// The long-range reader's twins. Unless an ID type of their own is named, their controls are
// those of the 2D template of the same symbology: UPC-A, UPC-E0 and UPC-E1 lack "Linear UPC/EAN
// Decode", Code 39 lacks "Trioptic 39".
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

// EAN8_1DEDLG and EAN13_1DEDLG: the redundancy label is 603.
using Ean8LongRangeId = Ean8Id<603>;
using Ean13LongRangeId = EanGroupId<603>;
[[nodiscard]] const ui::DialogTemplate& ean8LongRangeTemplate();
[[nodiscard]] const ui::DialogTemplate& ean13LongRangeTemplate();

}  // namespace resources
