// SPDX-License-Identifier: MIT
#include "resources/imager_templates.h"

#include <span>
#include <string_view>

#include "resources/parameter_layout.h"

namespace resources {
namespace {

using namespace layout;

// The UPC/EAN lists ("System Character & Country Code", "Decode Only With Supplementals") and the
// longer labels need a wider dialog than the usual one.
constexpr Columns UpcEan{260, 106};
constexpr Columns Composite{250, LabelWidth};
constexpr Columns MacroPdf{330, 118};
constexpr Columns DataBar{220, LabelWidth};
constexpr Columns Gs1128{190, 104};
constexpr Columns ImageCapture{240, 100};

constexpr ui::ControlTemplate code39ImagerControls[] = {
    check(Code39ImagerId::ConvertToCode32Check, "Convert to Code 32", 0),
    check(Code39ImagerId::Code32PrefixCheck, "Code 32 Prefix", 1),
    check(Code39ImagerId::VerifyCheckDigitCheck, "Verify Check Digit", 2),
    check(Code39ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 3),
    check(Code39ImagerId::FullAsciiCheck, "Code 39 Full ASCII", 4),
    check(Code39ImagerId::Trioptic39Check, "Trioptic 39", 5),
    label(Code39ImagerId::LengthModeLabel, "Code Lengths :", 6),
    list(Code39ImagerId::LengthModeList, 6),
    label(Code39ImagerId::Length1Label, "Min Length :", 7),
    edit(Code39ImagerId::Length1Edit, 7),
    label(Code39ImagerId::Length2Label, "Max Length :", 8),
    edit(Code39ImagerId::Length2Edit, 8),
    okButton(9),
    cancelButton(9),
};

constexpr ui::ControlTemplate upcAImagerControls[] = {
    label(UpcAImagerId::PreambleLabel, "Transmit Preamble :", 0, UpcEan),
    list(UpcAImagerId::PreambleList, 0, UpcEan),
    label(UpcAImagerId::SupplementalsLabel, "Decode Supplementals :", 1, UpcEan),
    list(UpcAImagerId::SupplementalsList, 1, UpcEan),
    label(UpcAImagerId::RedundancyLabel, "Supplemental Redundancy :", 2, UpcEan),
    edit(UpcAImagerId::RedundancyEdit, 2, 24, UpcEan),
    check(UpcAImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 3, UpcEan),
    check(UpcAImagerId::LinearDecodeCheck, "Linear UPC/EAN Decode", 4, UpcEan),
    okButton(5, UpcEan),
    cancelButton(5, UpcEan),
};

constexpr ui::ControlTemplate upcE0ImagerControls[] = {
    label(UpcE0ImagerId::PreambleLabel, "Transmit Preamble :", 0, UpcEan),
    list(UpcE0ImagerId::PreambleList, 0, UpcEan),
    label(UpcE0ImagerId::SupplementalsLabel, "Decode Supplementals :", 1, UpcEan),
    list(UpcE0ImagerId::SupplementalsList, 1, UpcEan),
    label(UpcE0ImagerId::RedundancyLabel, "Supplemental Redundancy :", 2, UpcEan),
    edit(UpcE0ImagerId::RedundancyEdit, 2, 24, UpcEan),
    check(UpcE0ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 3, UpcEan),
    check(UpcE0ImagerId::ConvertToUpcACheck, "Convert to UPC-A", 4, UpcEan),
    check(UpcE0ImagerId::LinearDecodeCheck, "Linear UPC/EAN Decode", 5, UpcEan),
    okButton(6, UpcEan),
    cancelButton(6, UpcEan),
};

constexpr ui::ControlTemplate upcE1ImagerControls[] = {
    label(UpcE1ImagerId::PreambleLabel, "Transmit Preamble :", 0, UpcEan),
    list(UpcE1ImagerId::PreambleList, 0, UpcEan),
    label(UpcE1ImagerId::SupplementalsLabel, "Decode Supplementals :", 1, UpcEan),
    list(UpcE1ImagerId::SupplementalsList, 1, UpcEan),
    label(UpcE1ImagerId::RedundancyLabel, "Supplemental Redundancy :", 2, UpcEan),
    edit(UpcE1ImagerId::RedundancyEdit, 2, 24, UpcEan),
    check(UpcE1ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 3, UpcEan),
    check(UpcE1ImagerId::ConvertToUpcACheck, "Convert to UPC-A", 4, UpcEan),
    check(UpcE1ImagerId::LinearDecodeCheck, "Linear UPC/EAN Decode", 5, UpcEan),
    okButton(6, UpcEan),
    cancelButton(6, UpcEan),
};

constexpr ui::ControlTemplate ean8ImagerControls[] = {
    label(Ean8ImagerId::SupplementalsLabel, "Decode Supplementals :", 0, UpcEan),
    list(Ean8ImagerId::SupplementalsList, 0, UpcEan),
    label(Ean8ImagerId::RedundancyLabel, "Supplemental Redundancy :", 1, UpcEan),
    edit(Ean8ImagerId::RedundancyEdit, 1, 24, UpcEan),
    check(Ean8ImagerId::ConvertToEan13Check, "Convert to EAN-13", 2, UpcEan),
    okButton(3, UpcEan),
    cancelButton(3, UpcEan),
};

constexpr ui::ControlTemplate ean13ImagerControls[] = {
    label(Ean13ImagerId::SupplementalsLabel, "Decode Supplementals :", 0, UpcEan),
    list(Ean13ImagerId::SupplementalsList, 0, UpcEan),
    label(Ean13ImagerId::RedundancyLabel, "Supplemental Redundancy :", 1, UpcEan),
    edit(Ean13ImagerId::RedundancyEdit, 1, 24, UpcEan),
    okButton(2, UpcEan),
    cancelButton(2, UpcEan),
};

constexpr ui::ControlTemplate gs1128ImagerControls[] = {
    label(Gs1128ImagerId::SeparatorLabel, "Replace Field Separator :", 0, Gs1128),
    edit(Gs1128ImagerId::SeparatorEdit, 0, 16, Gs1128),
    okButton(1, Gs1128),
    cancelButton(1, Gs1128),
};

constexpr ui::ControlTemplate code93ImagerControls[] = {
    label(Code93ImagerId::LengthModeLabel, "Code Lengths :", 0),
    list(Code93ImagerId::LengthModeList, 0),
    label(Code93ImagerId::Length1Label, "Min Length :", 1),
    edit(Code93ImagerId::Length1Edit, 1),
    label(Code93ImagerId::Length2Label, "Max Length :", 2),
    edit(Code93ImagerId::Length2Edit, 2),
    okButton(3),
    cancelButton(3),
};

constexpr ui::ControlTemplate codabarImagerControls[] = {
    check(CodabarImagerId::ClsiEditingCheck, "CLSI Editing", 0),
    check(CodabarImagerId::NotisEditingCheck, "NOTIS Editing", 1),
    label(CodabarImagerId::LengthModeLabel, "Code Lengths :", 2),
    list(CodabarImagerId::LengthModeList, 2),
    label(CodabarImagerId::Length1Label, "Min Length :", 3),
    edit(CodabarImagerId::Length1Edit, 3),
    label(CodabarImagerId::Length2Label, "Max Length :", 4),
    edit(CodabarImagerId::Length2Edit, 4),
    okButton(5),
    cancelButton(5),
};

constexpr ui::ControlTemplate industrial25ImagerControls[] = {
    label(Industrial25ImagerId::LengthModeLabel, "Code Lengths :", 0),
    list(Industrial25ImagerId::LengthModeList, 0),
    label(Industrial25ImagerId::Length1Label, "Min Length :", 1),
    edit(Industrial25ImagerId::Length1Edit, 1),
    label(Industrial25ImagerId::Length2Label, "Max Length :", 2),
    edit(Industrial25ImagerId::Length2Edit, 2),
    okButton(3),
    cancelButton(3),
};

constexpr ui::ControlTemplate interleaved25ImagerControls[] = {
    label(Interleaved25ImagerId::VerifyCheckDigitLabel, "Verify Check Digit :", 0),
    list(Interleaved25ImagerId::VerifyCheckDigitList, 0),
    check(Interleaved25ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 1),
    check(Interleaved25ImagerId::ConvertToEan13Check, "Convert to EAN13", 2),
    label(Interleaved25ImagerId::LengthModeLabel, "Code Lengths :", 3),
    list(Interleaved25ImagerId::LengthModeList, 3),
    label(Interleaved25ImagerId::Length1Label, "Min Length :", 4),
    edit(Interleaved25ImagerId::Length1Edit, 4),
    label(Interleaved25ImagerId::Length2Label, "Max Length :", 5),
    edit(Interleaved25ImagerId::Length2Edit, 5),
    okButton(6),
    cancelButton(6),
};

constexpr ui::ControlTemplate dataBar14ImagerControls[] = {
    check(DataBar14ImagerId::ConvertToUpcEanCheck, "Convert GS1 DataBar 14/Limited to UPC/EAN", 0, DataBar),
    okButton(1, DataBar),
    cancelButton(1, DataBar),
};

constexpr ui::ControlTemplate msiImagerControls[] = {
    check(MsiImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 0),
    label(MsiImagerId::CheckDigitsLabel, "Check Digits :", 1),
    list(MsiImagerId::CheckDigitsList, 1),
    label(MsiImagerId::CheckAlgorithmLabel, "Check Algorithm :", 2),
    list(MsiImagerId::CheckAlgorithmList, 2),
    label(MsiImagerId::LengthModeLabel, "Code Lengths :", 3),
    list(MsiImagerId::LengthModeList, 3),
    label(MsiImagerId::Length1Label, "Min Length :", 4),
    edit(MsiImagerId::Length1Edit, 4),
    label(MsiImagerId::Length2Label, "Max Length :", 5),
    edit(MsiImagerId::Length2Edit, 5),
    okButton(6),
    cancelButton(6),
};

constexpr ui::ControlTemplate code11ImagerControls[] = {
    label(Code11ImagerId::VerifyCheckDigitLabel, "Verify Check Digit :", 0),
    list(Code11ImagerId::VerifyCheckDigitList, 0),
    check(Code11ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 1),
    label(Code11ImagerId::LengthModeLabel, "Code Lengths :", 2),
    list(Code11ImagerId::LengthModeList, 2),
    label(Code11ImagerId::Length1Label, "Min Length :", 3),
    edit(Code11ImagerId::Length1Edit, 3),
    label(Code11ImagerId::Length2Label, "Max Length :", 4),
    edit(Code11ImagerId::Length2Edit, 4),
    okButton(5),
    cancelButton(5),
};

constexpr ui::ControlTemplate postalImagerControls[] = {
    check(PostalImagerId::UsPostnetCheck, "US Postnet", 0),
    check(PostalImagerId::UsPlanetCheck, "US Planet", 1),
    check(PostalImagerId::UsCheckDigitCheck, "Transmit US Postal Check Digit", 2),
    check(PostalImagerId::UkPostalCheck, "UK Postal", 3),
    check(PostalImagerId::UkCheckDigitCheck, "Transmit UK Postal Check Digit", 4),
    check(PostalImagerId::JapanPostalCheck, "Japan Postal", 5),
    check(PostalImagerId::AustralianPostalCheck, "Australian Postal", 6),
    check(PostalImagerId::DutchPostalCheck, "Dutch Postal", 7),
    okButton(8),
    cancelButton(8),
};

constexpr ui::ControlTemplate compositeImagerControls[] = {
    check(CompositeImagerId::CcCCheck, "Composite CC-C", 0, Composite),
    check(CompositeImagerId::CcABCheck, "Composite CC-A/B", 1, Composite),
    check(CompositeImagerId::Tlc39Check, "Composite TLC-39", 2, Composite),
    check(CompositeImagerId::Gs1128EmulationCheck, "GS1-128 Emulation Mode", 3, Composite),
    label(CompositeImagerId::UpcModeLabel, "UPC Composite Mode :", 4, Composite),
    list(CompositeImagerId::UpcModeList, 4, Composite),
    okButton(5, Composite),
    cancelButton(5, Composite),
};

constexpr ui::ControlTemplate symbologiesImagerControls[] = {
    check(SymbologiesImagerId::Pdf417Check, "PDF417", 0),
    check(SymbologiesImagerId::MicroPdf417Check, "MicroPDF417", 1),
    check(SymbologiesImagerId::Code128EmulationCheck, "Code 128 Emulation", 2),
    check(SymbologiesImagerId::DataMatrixCheck, "Data Matrix", 3),
    check(SymbologiesImagerId::MaxicodeCheck, "Maxicode", 4),
    check(SymbologiesImagerId::QrCodeCheck, "QR Code", 5),
    okButton(6),
    cancelButton(6),
};

constexpr ui::ControlTemplate macroPdfImagerControls[] = {
    label(MacroPdfImagerId::ModeLabel, "Transmit/Decode Mode Symbols :", 0, MacroPdf),
    list(MacroPdfImagerId::ModeList, 0, MacroPdf),
    label(MacroPdfImagerId::EscapeLabel, "Escape Characters :", 1, MacroPdf),
    list(MacroPdfImagerId::EscapeList, 1, MacroPdf),
    {ui::ControlKind::CheckBox,
     MacroPdfImagerId::ControlHeaderCheck,
     "Transmit Control Header",
     {Margin, rowY(2), 90, 10},
     ui::ControlStyle::Hidden},
    okButton(2, MacroPdf),
    cancelButton(2, MacroPdf),
};

constexpr ui::ControlTemplate imageCaptureControls[] = {
    check(ImageCaptureId::IlluminationCheck, "Image Capture Illumination", 0, ImageCapture),
    check(ImageCaptureId::AutoexposureCheck, "Image Capture Autoexposure", 1, ImageCapture),
    label(ImageCaptureId::GainLabel, "Select Gain (79~127) :", 2, ImageCapture),
    edit(ImageCaptureId::GainEdit, 2, 24, ImageCapture),
    label(ImageCaptureId::ExposureLabel, "Exposure Time :", 3, ImageCapture),
    list(ImageCaptureId::ExposureList, 3, ImageCapture),
    check(ImageCaptureId::AimPatternCheck, "Snapshot Mode Aim Pattern", 4, ImageCapture),
    label(ImageCaptureId::ResolutionLabel, "Image Resolution :", 5, ImageCapture),
    list(ImageCaptureId::ResolutionList, 5, ImageCapture),
    label(ImageCaptureId::FormatLabel, "Image Format :", 6, ImageCapture),
    list(ImageCaptureId::FormatList, 6, ImageCapture),
    check(ImageCaptureId::OptimizedForQualityCheck, "Optimized for Jpeg Quality", 7, ImageCapture),
    label(ImageCaptureId::QualityLabel, "Jpeg Quality (5~100) :", 8, ImageCapture),
    edit(ImageCaptureId::QualityEdit, 8, 24, ImageCapture),
    label(ImageCaptureId::SizeLabel, "Jpeg Size (5~150 KB) :", 9, ImageCapture),
    edit(ImageCaptureId::SizeEdit, 9, 24, ImageCapture),
    label(ImageCaptureId::BitsPerPixelLabel, "Bits Per Pixel for Bmp :", 10, ImageCapture),
    list(ImageCaptureId::BitsPerPixelList, 10, ImageCapture),
    label(ImageCaptureId::ImageStoreLabel, "Default Image Store :", 11, ImageCapture),
    edit(ImageCaptureId::ImageStoreEdit, 11, ImageCapture.width - 2 * Margin - ImageCapture.labelWidth - 4,
         ImageCapture),
    check(ImageCaptureId::AutoFileNameCheck, "Auto Image File Name", 12, ImageCapture),
    label(ImageCaptureId::FileTitleLabel, "File Title :", 13, ImageCapture),
    edit(ImageCaptureId::FileTitleEdit, 13, 40, ImageCapture),
    check(ImageCaptureId::DefaultNamingCheck, "Using default naming rule", 14, ImageCapture),
    okButton(15, ImageCapture),
    cancelButton(15, ImageCapture),
};

// The long-range twins whose controls differ from the 2D ones.
constexpr ui::ControlTemplate upcALongRangeControls[] = {
    label(UpcAImagerId::PreambleLabel, "Transmit Preamble :", 0, UpcEan),
    list(UpcAImagerId::PreambleList, 0, UpcEan),
    label(UpcAImagerId::SupplementalsLabel, "Decode Supplementals :", 1, UpcEan),
    list(UpcAImagerId::SupplementalsList, 1, UpcEan),
    label(UpcAImagerId::RedundancyLabel, "Supplemental Redundancy :", 2, UpcEan),
    edit(UpcAImagerId::RedundancyEdit, 2, 24, UpcEan),
    check(UpcAImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 3, UpcEan),
    okButton(4, UpcEan),
    cancelButton(4, UpcEan),
};

// UPC-E0 and UPC-E1 alike.
constexpr ui::ControlTemplate upcELongRangeControls[] = {
    label(UpcE0ImagerId::PreambleLabel, "Transmit Preamble :", 0, UpcEan),
    list(UpcE0ImagerId::PreambleList, 0, UpcEan),
    label(UpcE0ImagerId::SupplementalsLabel, "Decode Supplementals :", 1, UpcEan),
    list(UpcE0ImagerId::SupplementalsList, 1, UpcEan),
    label(UpcE0ImagerId::RedundancyLabel, "Supplemental Redundancy :", 2, UpcEan),
    edit(UpcE0ImagerId::RedundancyEdit, 2, 24, UpcEan),
    check(UpcE0ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 3, UpcEan),
    check(UpcE0ImagerId::ConvertToUpcACheck, "Convert to UPC-A", 4, UpcEan),
    okButton(5, UpcEan),
    cancelButton(5, UpcEan),
};

constexpr ui::ControlTemplate ean8LongRangeControls[] = {
    label(Ean8LongRangeId::SupplementalsLabel, "Decode Supplementals :", 0, UpcEan),
    list(Ean8LongRangeId::SupplementalsList, 0, UpcEan),
    label(Ean8LongRangeId::RedundancyLabel, "Supplemental Redundancy :", 1, UpcEan),
    edit(Ean8LongRangeId::RedundancyEdit, 1, 24, UpcEan),
    check(Ean8LongRangeId::ConvertToEan13Check, "Convert to EAN-13", 2, UpcEan),
    okButton(3, UpcEan),
    cancelButton(3, UpcEan),
};

constexpr ui::ControlTemplate ean13LongRangeControls[] = {
    label(Ean13LongRangeId::SupplementalsLabel, "Decode Supplementals :", 0, UpcEan),
    list(Ean13LongRangeId::SupplementalsList, 0, UpcEan),
    label(Ean13LongRangeId::RedundancyLabel, "Supplemental Redundancy :", 1, UpcEan),
    edit(Ean13LongRangeId::RedundancyEdit, 1, 24, UpcEan),
    okButton(2, UpcEan),
    cancelButton(2, UpcEan),
};

// Code 39 without "Trioptic 39" (the last check box of the 2D template).
constexpr ui::ControlTemplate code39LongRangeControls[] = {
    check(Code39ImagerId::ConvertToCode32Check, "Convert to Code 32", 0),
    check(Code39ImagerId::Code32PrefixCheck, "Code 32 Prefix", 1),
    check(Code39ImagerId::VerifyCheckDigitCheck, "Verify Check Digit", 2),
    check(Code39ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 3),
    check(Code39ImagerId::FullAsciiCheck, "Code 39 Full ASCII", 4),
    label(Code39ImagerId::LengthModeLabel, "Code Lengths :", 5),
    list(Code39ImagerId::LengthModeList, 5),
    label(Code39ImagerId::Length1Label, "Min Length :", 6),
    edit(Code39ImagerId::Length1Edit, 6),
    label(Code39ImagerId::Length2Label, "Max Length :", 7),
    edit(Code39ImagerId::Length2Edit, 7),
    okButton(8),
    cancelButton(8),
};

// A parameter dialog of `rows` rows above its OK and Cancel row.
constexpr ui::DialogTemplate parameterDialog(std::string_view name, std::string_view title, Columns columns, int rows,
                                             std::span<const ui::ControlTemplate> controls)
{
    return {name, title, {columns.width, dialogHeight(rows)}, controls};
}

}  // namespace

const ui::DialogTemplate& code39ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("CODE39_2DDLG", "Code 39 Parameters", Columns{}, 9, code39ImagerControls);
    return dialog;
}

const ui::DialogTemplate& upcAImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("UPCA_2DDLG", "UPC-A Parameters", UpcEan, 5, upcAImagerControls);
    return dialog;
}

const ui::DialogTemplate& upcE0ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("UPCE_2DDLG", "UPC-E0 Parameters", UpcEan, 6, upcE0ImagerControls);
    return dialog;
}

const ui::DialogTemplate& upcE1ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("UPCE1_2DDLG", "UPC-E1 Parameters", UpcEan, 6, upcE1ImagerControls);
    return dialog;
}

const ui::DialogTemplate& ean8ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("EAN8_2DDLG", "EAN-8 Parameters", UpcEan, 3, ean8ImagerControls);
    return dialog;
}

const ui::DialogTemplate& ean13ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("EAN13DLG_2D", "EAN-13 Parameters", UpcEan, 2, ean13ImagerControls);
    return dialog;
}

const ui::DialogTemplate& gs1128ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("EAN128_2DDLG", "GS1-128 (EAN 128) Parameters", Gs1128, 1, gs1128ImagerControls);
    return dialog;
}

const ui::DialogTemplate& code93ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("CODE93_2DDLG", "Code 93 Parameters", Columns{}, 3, code93ImagerControls);
    return dialog;
}

const ui::DialogTemplate& codabarImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("CODABAR_2DDLG", "Codabar Parameters", Columns{}, 5, codabarImagerControls);
    return dialog;
}

const ui::DialogTemplate& industrial25ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("DISCRETE25_2DDLG", "Industrial 25 Parameters", Columns{}, 3, industrial25ImagerControls);
    return dialog;
}

const ui::DialogTemplate& interleaved25ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("INTERLEAVE25_2DDLG", "Interleaved 25 Parameters", Columns{}, 6, interleaved25ImagerControls);
    return dialog;
}

const ui::DialogTemplate& dataBar14ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("RSS14_2DDLG", "GS1 DataBar-14 Parameters", DataBar, 1, dataBar14ImagerControls);
    return dialog;
}

const ui::DialogTemplate& msiImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("MSI_2DDLG", "MSI Parameters", Columns{}, 6, msiImagerControls);
    return dialog;
}

const ui::DialogTemplate& code11ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("CODE11_2DDLG", "Code 11 Parameters", Columns{}, 5, code11ImagerControls);
    return dialog;
}

const ui::DialogTemplate& postalImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("POSTAL_2DDLG", "Postal Code Parameters", Columns{}, 8, postalImagerControls);
    return dialog;
}

const ui::DialogTemplate& compositeImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("COMPOSITE_2DDLG", "Composite Parameters", Composite, 5, compositeImagerControls);
    return dialog;
}

const ui::DialogTemplate& symbologiesImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("SYMBOLOGIES_2DDLG", "2D Symbologies Parameters", Columns{}, 6, symbologiesImagerControls);
    return dialog;
}

const ui::DialogTemplate& macroPdfImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("MACROPDF_2DDLG", "Macro PDF Parameters", MacroPdf, 2, macroPdfImagerControls);
    return dialog;
}

const ui::DialogTemplate& imageCaptureTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("IMAGECAPTURE_2DDLG", "2D Image Capture Parameters", ImageCapture, 15, imageCaptureControls);
    return dialog;
}

// The long-range twins.

const ui::DialogTemplate& upcALongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("UPCA_1DEDLG", "UPC-A Parameters", UpcEan, 4, upcALongRangeControls);
    return dialog;
}

const ui::DialogTemplate& upcE0LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("UPCE_1DEDLG", "UPC-E0 Parameters", UpcEan, 5, upcELongRangeControls);
    return dialog;
}

const ui::DialogTemplate& upcE1LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("UPCE1_1DEDLG", "UPC-E1 Parameters", UpcEan, 5, upcELongRangeControls);
    return dialog;
}

const ui::DialogTemplate& ean8LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("EAN8_1DEDLG", "EAN-8 Parameters", UpcEan, 3, ean8LongRangeControls);
    return dialog;
}

const ui::DialogTemplate& ean13LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("EAN13_1DEDLG", "EAN-13 Parameters", UpcEan, 2, ean13LongRangeControls);
    return dialog;
}

const ui::DialogTemplate& gs1128LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("EAN128_1DEDLG", "GS1-128 (EAN 128) Parameters", Gs1128, 1, gs1128ImagerControls);
    return dialog;
}

const ui::DialogTemplate& code39LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("CODE39_1DEDLG", "Code 39 Parameters", Columns{}, 8, code39LongRangeControls);
    return dialog;
}

const ui::DialogTemplate& code93LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("CODE93_1DEDLG", "Code 93 Parameters", Columns{}, 3, code93ImagerControls);
    return dialog;
}

const ui::DialogTemplate& codabarLongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("CODABAR_1DEDLG", "Codabar Parameters", Columns{}, 5, codabarImagerControls);
    return dialog;
}

const ui::DialogTemplate& industrial25LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("DISCRETE25_1DEDLG", "Industrial 25 Parameters", Columns{}, 3, industrial25ImagerControls);
    return dialog;
}

const ui::DialogTemplate& interleaved25LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("INTERLEAVE25_1DEDLG", "Interleaved 25 Parameters", Columns{}, 6, interleaved25ImagerControls);
    return dialog;
}

const ui::DialogTemplate& dataBar14LongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("RSS14_1DEDLG", "GS1 DataBar-14 Parameters", DataBar, 1, dataBar14ImagerControls);
    return dialog;
}

const ui::DialogTemplate& msiLongRangeTemplate()
{
    static constexpr ui::DialogTemplate dialog =
        parameterDialog("MSI_1DEDLG", "MSI Parameters", Columns{}, 6, msiImagerControls);
    return dialog;
}

}  // namespace resources
