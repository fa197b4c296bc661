// SPDX-License-Identifier: MIT
#include "resources/imager_templates.h"

#include <array>
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

// The length group of the 2D and long-range dialogs: the mode list and the two lengths, three rows.
template <typename Id> constexpr auto lengthRows(int row)
{
    return join(labelledList(Id::LengthModeLabel, "Code Lengths :", Id::LengthModeList, row),
                labelledEdit(Id::Length1Label, "Min Length :", Id::Length1Edit, row + 1),
                labelledEdit(Id::Length2Label, "Max Length :", Id::Length2Edit, row + 2));
}

// The supplementals of the UPC/EAN dialogs, two rows.
template <typename Id> constexpr auto supplementalRows(int row)
{
    return join(
        labelledList(Id::SupplementalsLabel, "Decode Supplementals :", Id::SupplementalsList, row, UpcEan),
        labelledEdit(Id::RedundancyLabel, "Supplemental Redundancy :", Id::RedundancyEdit, row + 1, 24, UpcEan));
}

// The UPC-A and UPC-E dialogs: the preamble, the supplementals, then `checks` from row 3.
template <typename Id, std::size_t N> constexpr auto upcControls(const CheckText (&checks)[N])
{
    return join(labelledList(Id::PreambleLabel, "Transmit Preamble :", Id::PreambleList, 0, UpcEan),
                supplementalRows<Id>(1), checkColumn(3, checks, UpcEan), okCancelRow(3 + int(N), UpcEan));
}

constexpr CheckText code39Checks[] = {
    {Code39ImagerId::ConvertToCode32Check, "Convert to Code 32"},
    {Code39ImagerId::Code32PrefixCheck, "Code 32 Prefix"},
    {Code39ImagerId::VerifyCheckDigitCheck, "Verify Check Digit"},
    {Code39ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit"},
    {Code39ImagerId::FullAsciiCheck, "Code 39 Full ASCII"},
    {Code39ImagerId::Trioptic39Check, "Trioptic 39"},
};
constexpr auto code39ImagerControls = join(checkColumn(0, code39Checks), lengthRows<Code39ImagerId>(6), okCancelRow(9));
// The long-range reader's Code 39 has no "Trioptic 39", the last check box.
constexpr CheckText code39LongRangeChecks[] = {code39Checks[0], code39Checks[1], code39Checks[2], code39Checks[3],
                                               code39Checks[4]};
constexpr auto code39LongRangeControls =
    join(checkColumn(0, code39LongRangeChecks), lengthRows<Code39ImagerId>(5), okCancelRow(8));

constexpr CheckText upcATransmit{UpcAImagerId::TransmitCheckDigitCheck, "Transmit Check Digit"};
constexpr CheckText upcALinear{UpcAImagerId::LinearDecodeCheck, "Linear UPC/EAN Decode"};
constexpr CheckText upcATwoDChecks[] = {upcATransmit, upcALinear};
constexpr CheckText upcALongRangeChecks[] = {upcATransmit};
constexpr auto upcAImagerControls = upcControls<UpcAImagerId>(upcATwoDChecks);
constexpr auto upcALongRangeControls = upcControls<UpcAImagerId>(upcALongRangeChecks);

// UPC-E0 and UPC-E1 alike; the long-range reader's lack "Linear UPC/EAN Decode".
constexpr CheckText upcEImagerChecks[] = {
    {UpcE0ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit"},
    {UpcE0ImagerId::ConvertToUpcACheck, "Convert to UPC-A"},
    {UpcE0ImagerId::LinearDecodeCheck, "Linear UPC/EAN Decode"},
};
constexpr CheckText upcELongRangeChecks[] = {upcEImagerChecks[0], upcEImagerChecks[1]};
constexpr auto upcEImagerControls = upcControls<UpcE0ImagerId>(upcEImagerChecks);
constexpr auto upcELongRangeControls = upcControls<UpcE0ImagerId>(upcELongRangeChecks);

template <typename Id>
constexpr auto ean8Controls = join(supplementalRows<Id>(0),
                                   std::array{check(Id::ConvertToEan13Check, "Convert to EAN-13", 2, UpcEan)},
                                   okCancelRow(3, UpcEan));
template <typename Id> constexpr auto ean13Controls = join(supplementalRows<Id>(0), okCancelRow(2, UpcEan));

constexpr auto gs1128Controls =
    join(labelledEdit(Gs1128ImagerId::SeparatorLabel, "Replace Field Separator :", Gs1128ImagerId::SeparatorEdit, 0, 16,
                      Gs1128),
         okCancelRow(1, Gs1128));

constexpr auto code93Controls = join(lengthRows<Code93ImagerId>(0), okCancelRow(3));

constexpr CheckText codabarChecks[] = {
    {CodabarImagerId::ClsiEditingCheck, "CLSI Editing"},
    {CodabarImagerId::NotisEditingCheck, "NOTIS Editing"},
};
constexpr auto codabarControls = join(checkColumn(0, codabarChecks), lengthRows<CodabarImagerId>(2), okCancelRow(5));

using Interleaved25 = Interleaved25ImagerId;
constexpr CheckText interleaved25Checks[] = {
    {Interleaved25::TransmitCheckDigitCheck, "Transmit Check Digit"},
    {Interleaved25::ConvertToEan13Check, "Convert to EAN13"},
};
constexpr auto interleaved25Controls = join(
    labelledList(Interleaved25::VerifyCheckDigitLabel, "Verify Check Digit :", Interleaved25::VerifyCheckDigitList, 0),
    checkColumn(1, interleaved25Checks), lengthRows<Interleaved25>(3), okCancelRow(6));

constexpr auto dataBar14Controls = join(
    std::array{check(DataBar14ImagerId::ConvertToUpcEanCheck, "Convert GS1 DataBar 14/Limited to UPC/EAN", 0, DataBar)},
    okCancelRow(1, DataBar));

constexpr auto msiControls =
    join(std::array{check(MsiImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 0)},
         labelledList(MsiImagerId::CheckDigitsLabel, "Check Digits :", MsiImagerId::CheckDigitsList, 1),
         labelledList(MsiImagerId::CheckAlgorithmLabel, "Check Algorithm :", MsiImagerId::CheckAlgorithmList, 2),
         lengthRows<MsiImagerId>(3), okCancelRow(6));

constexpr auto code11Controls =
    join(labelledList(Code11ImagerId::VerifyCheckDigitLabel,
                      "Verify Check Digit :", Code11ImagerId::VerifyCheckDigitList, 0),
         std::array{check(Code11ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 1)},
         lengthRows<Code11ImagerId>(2), okCancelRow(5));

constexpr CheckText postalChecks[] = {
    {PostalImagerId::UsPostnetCheck, "US Postnet"},
    {PostalImagerId::UsPlanetCheck, "US Planet"},
    {PostalImagerId::UsCheckDigitCheck, "Transmit US Postal Check Digit"},
    {PostalImagerId::UkPostalCheck, "UK Postal"},
    {PostalImagerId::UkCheckDigitCheck, "Transmit UK Postal Check Digit"},
    {PostalImagerId::JapanPostalCheck, "Japan Postal"},
    {PostalImagerId::AustralianPostalCheck, "Australian Postal"},
    {PostalImagerId::DutchPostalCheck, "Dutch Postal"},
};
constexpr auto postalControls = join(checkColumn(0, postalChecks), okCancelRow(8));

constexpr CheckText compositeChecks[] = {
    {CompositeImagerId::CcCCheck, "Composite CC-C"},
    {CompositeImagerId::CcABCheck, "Composite CC-A/B"},
    {CompositeImagerId::Tlc39Check, "Composite TLC-39"},
    {CompositeImagerId::Gs1128EmulationCheck, "GS1-128 Emulation Mode"},
};
constexpr auto compositeControls = join(
    checkColumn(0, compositeChecks, Composite),
    labelledList(CompositeImagerId::UpcModeLabel, "UPC Composite Mode :", CompositeImagerId::UpcModeList, 4, Composite),
    okCancelRow(5, Composite));

constexpr CheckText symbologiesChecks[] = {
    {SymbologiesImagerId::Pdf417Check, "PDF417"},
    {SymbologiesImagerId::MicroPdf417Check, "MicroPDF417"},
    {SymbologiesImagerId::Code128EmulationCheck, "Code 128 Emulation"},
    {SymbologiesImagerId::DataMatrixCheck, "Data Matrix"},
    {SymbologiesImagerId::MaxicodeCheck, "Maxicode"},
    {SymbologiesImagerId::QrCodeCheck, "QR Code"},
};
constexpr auto symbologiesControls = join(checkColumn(0, symbologiesChecks), okCancelRow(6));

using MacroPdfId = MacroPdfImagerId;
constexpr auto macroPdfControls =
    join(labelledList(MacroPdfId::ModeLabel, "Transmit/Decode Mode Symbols :", MacroPdfId::ModeList, 0, MacroPdf),
         labelledList(MacroPdfId::EscapeLabel, "Escape Characters :", MacroPdfId::EscapeList, 1, MacroPdf),
         std::array{ui::ControlTemplate{ui::ControlKind::CheckBox,
                                        MacroPdfId::ControlHeaderCheck,
                                        "Transmit Control Header",
                                        {Margin, rowY(2), 90, 10},
                                        ui::ControlStyle::Hidden}},
         okCancelRow(2, MacroPdf));

using Capture = ImageCaptureId;
constexpr CheckText captureExposureChecks[] = {
    {Capture::IlluminationCheck, "Image Capture Illumination"},
    {Capture::AutoexposureCheck, "Image Capture Autoexposure"},
};
constexpr auto imageCaptureControls = join(
    checkColumn(0, captureExposureChecks, ImageCapture),
    labelledEdit(Capture::GainLabel, "Select Gain (79~127) :", Capture::GainEdit, 2, 24, ImageCapture),
    labelledList(Capture::ExposureLabel, "Exposure Time :", Capture::ExposureList, 3, ImageCapture),
    std::array{check(Capture::AimPatternCheck, "Snapshot Mode Aim Pattern", 4, ImageCapture)},
    labelledList(Capture::ResolutionLabel, "Image Resolution :", Capture::ResolutionList, 5, ImageCapture),
    labelledList(Capture::FormatLabel, "Image Format :", Capture::FormatList, 6, ImageCapture),
    std::array{check(Capture::OptimizedForQualityCheck, "Optimized for Jpeg Quality", 7, ImageCapture)},
    labelledEdit(Capture::QualityLabel, "Jpeg Quality (5~100) :", Capture::QualityEdit, 8, 24, ImageCapture),
    labelledEdit(Capture::SizeLabel, "Jpeg Size (5~150 KB) :", Capture::SizeEdit, 9, 24, ImageCapture),
    labelledList(Capture::BitsPerPixelLabel, "Bits Per Pixel for Bmp :", Capture::BitsPerPixelList, 10, ImageCapture),
    labelledEdit(Capture::ImageStoreLabel, "Default Image Store :", Capture::ImageStoreEdit, 11,
                 ImageCapture.width - 2 * Margin - ImageCapture.labelWidth - 4, ImageCapture),
    std::array{check(Capture::AutoFileNameCheck, "Auto Image File Name", 12, ImageCapture)},
    labelledEdit(Capture::FileTitleLabel, "File Title :", Capture::FileTitleEdit, 13, 40, ImageCapture),
    std::array{check(Capture::DefaultNamingCheck, "Using default naming rule", 14, ImageCapture)},
    okCancelRow(15, ImageCapture));

// A parameter dialog of `rows` rows above its OK and Cancel row.
constexpr ui::DialogTemplate dialog(std::string_view name, std::string_view title, int rows,
                                    std::span<const ui::ControlTemplate> controls, Columns columns = {})
{
    return {name, title, {columns.width, dialogHeight(rows)}, controls};
}

// The 2D imager's dialogs.
constexpr auto code39Imager = dialog("CODE39_2DDLG", "Code 39 Parameters", 9, code39ImagerControls);
constexpr auto upcAImager = dialog("UPCA_2DDLG", "UPC-A Parameters", 5, upcAImagerControls, UpcEan);
constexpr auto upcE0Imager = dialog("UPCE_2DDLG", "UPC-E0 Parameters", 6, upcEImagerControls, UpcEan);
constexpr auto upcE1Imager = dialog("UPCE1_2DDLG", "UPC-E1 Parameters", 6, upcEImagerControls, UpcEan);
constexpr auto ean8Imager = dialog("EAN8_2DDLG", "EAN-8 Parameters", 3, ean8Controls<Ean8ImagerId>, UpcEan);
constexpr auto ean13Imager = dialog("EAN13DLG_2D", "EAN-13 Parameters", 2, ean13Controls<Ean13ImagerId>, UpcEan);
constexpr auto gs1128Imager = dialog("EAN128_2DDLG", "GS1-128 (EAN 128) Parameters", 1, gs1128Controls, Gs1128);
constexpr auto code93Imager = dialog("CODE93_2DDLG", "Code 93 Parameters", 3, code93Controls);
constexpr auto codabarImager = dialog("CODABAR_2DDLG", "Codabar Parameters", 5, codabarControls);
constexpr auto industrial25Imager = dialog("DISCRETE25_2DDLG", "Industrial 25 Parameters", 3, code93Controls);
constexpr auto interleaved25Imager =
    dialog("INTERLEAVE25_2DDLG", "Interleaved 25 Parameters", 6, interleaved25Controls);
constexpr auto dataBar14Imager = dialog("RSS14_2DDLG", "GS1 DataBar-14 Parameters", 1, dataBar14Controls, DataBar);
constexpr auto msiImager = dialog("MSI_2DDLG", "MSI Parameters", 6, msiControls);
constexpr auto code11Imager = dialog("CODE11_2DDLG", "Code 11 Parameters", 5, code11Controls);
constexpr auto postalImager = dialog("POSTAL_2DDLG", "Postal Code Parameters", 8, postalControls);
constexpr auto compositeImager = dialog("COMPOSITE_2DDLG", "Composite Parameters", 5, compositeControls, Composite);
constexpr auto symbologiesImager = dialog("SYMBOLOGIES_2DDLG", "2D Symbologies Parameters", 6, symbologiesControls);
constexpr auto macroPdfImager = dialog("MACROPDF_2DDLG", "Macro PDF Parameters", 2, macroPdfControls, MacroPdf);
constexpr auto imageCapture =
    dialog("IMAGECAPTURE_2DDLG", "2D Image Capture Parameters", 15, imageCaptureControls, ImageCapture);

// The long-range twins.
constexpr auto upcALongRange = dialog("UPCA_1DEDLG", "UPC-A Parameters", 4, upcALongRangeControls, UpcEan);
constexpr auto upcE0LongRange = dialog("UPCE_1DEDLG", "UPC-E0 Parameters", 5, upcELongRangeControls, UpcEan);
constexpr auto upcE1LongRange = dialog("UPCE1_1DEDLG", "UPC-E1 Parameters", 5, upcELongRangeControls, UpcEan);
constexpr auto ean8LongRange = dialog("EAN8_1DEDLG", "EAN-8 Parameters", 3, ean8Controls<Ean8LongRangeId>, UpcEan);
constexpr auto ean13LongRange = dialog("EAN13_1DEDLG", "EAN-13 Parameters", 2, ean13Controls<Ean13LongRangeId>, UpcEan);
constexpr auto gs1128LongRange = dialog("EAN128_1DEDLG", "GS1-128 (EAN 128) Parameters", 1, gs1128Controls, Gs1128);
constexpr auto code39LongRange = dialog("CODE39_1DEDLG", "Code 39 Parameters", 8, code39LongRangeControls);
constexpr auto code93LongRange = dialog("CODE93_1DEDLG", "Code 93 Parameters", 3, code93Controls);
constexpr auto codabarLongRange = dialog("CODABAR_1DEDLG", "Codabar Parameters", 5, codabarControls);
constexpr auto industrial25LongRange = dialog("DISCRETE25_1DEDLG", "Industrial 25 Parameters", 3, code93Controls);
constexpr auto interleaved25LongRange =
    dialog("INTERLEAVE25_1DEDLG", "Interleaved 25 Parameters", 6, interleaved25Controls);
constexpr auto dataBar14LongRange = dialog("RSS14_1DEDLG", "GS1 DataBar-14 Parameters", 1, dataBar14Controls, DataBar);
constexpr auto msiLongRange = dialog("MSI_1DEDLG", "MSI Parameters", 6, msiControls);

}  // namespace

const ui::DialogTemplate& code39ImagerTemplate() { return code39Imager; }
const ui::DialogTemplate& upcAImagerTemplate() { return upcAImager; }
const ui::DialogTemplate& upcE0ImagerTemplate() { return upcE0Imager; }
const ui::DialogTemplate& upcE1ImagerTemplate() { return upcE1Imager; }
const ui::DialogTemplate& ean8ImagerTemplate() { return ean8Imager; }
const ui::DialogTemplate& ean13ImagerTemplate() { return ean13Imager; }
const ui::DialogTemplate& gs1128ImagerTemplate() { return gs1128Imager; }
const ui::DialogTemplate& code93ImagerTemplate() { return code93Imager; }
const ui::DialogTemplate& codabarImagerTemplate() { return codabarImager; }
const ui::DialogTemplate& industrial25ImagerTemplate() { return industrial25Imager; }
const ui::DialogTemplate& interleaved25ImagerTemplate() { return interleaved25Imager; }
const ui::DialogTemplate& dataBar14ImagerTemplate() { return dataBar14Imager; }
const ui::DialogTemplate& msiImagerTemplate() { return msiImager; }
const ui::DialogTemplate& code11ImagerTemplate() { return code11Imager; }
const ui::DialogTemplate& postalImagerTemplate() { return postalImager; }
const ui::DialogTemplate& compositeImagerTemplate() { return compositeImager; }
const ui::DialogTemplate& symbologiesImagerTemplate() { return symbologiesImager; }
const ui::DialogTemplate& macroPdfImagerTemplate() { return macroPdfImager; }
const ui::DialogTemplate& imageCaptureTemplate() { return imageCapture; }

const ui::DialogTemplate& upcALongRangeTemplate() { return upcALongRange; }
const ui::DialogTemplate& upcE0LongRangeTemplate() { return upcE0LongRange; }
const ui::DialogTemplate& upcE1LongRangeTemplate() { return upcE1LongRange; }
const ui::DialogTemplate& ean8LongRangeTemplate() { return ean8LongRange; }
const ui::DialogTemplate& ean13LongRangeTemplate() { return ean13LongRange; }
const ui::DialogTemplate& gs1128LongRangeTemplate() { return gs1128LongRange; }
const ui::DialogTemplate& code39LongRangeTemplate() { return code39LongRange; }
const ui::DialogTemplate& code93LongRangeTemplate() { return code93LongRange; }
const ui::DialogTemplate& codabarLongRangeTemplate() { return codabarLongRange; }
const ui::DialogTemplate& industrial25LongRangeTemplate() { return industrial25LongRange; }
const ui::DialogTemplate& interleaved25LongRangeTemplate() { return interleaved25LongRange; }
const ui::DialogTemplate& dataBar14LongRangeTemplate() { return dataBar14LongRange; }
const ui::DialogTemplate& msiLongRangeTemplate() { return msiLongRange; }

}  // namespace resources
