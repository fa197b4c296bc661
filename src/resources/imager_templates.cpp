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
constexpr auto lengthRows(int row)
{
    using Id = LengthGroupId;
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

// The UPC-A and UPC-E dialogs: the preamble, the supplementals, then `checks` from "Transmit
// Check Digit" on, from row 3.
template <typename Id, std::size_t N> constexpr auto upcRows(const std::string_view (&checks)[N])
{
    using Group = UpcGroupId;
    return join(labelledList(Group::PreambleLabel, "Transmit Preamble :", Group::PreambleList, 0, UpcEan),
                supplementalRows<Group>(1), checkColumn(3, Id::TransmitCheckDigitCheck, checks, UpcEan));
}
// The 2D imager's UPC dialogs add "Linear UPC/EAN Decode" below.
template <typename Id, std::size_t N> constexpr auto upcImagerControls(const std::string_view (&checks)[N])
{
    return join(upcRows<Id>(checks),
                std::array{check(Id::LinearDecodeCheck, "Linear UPC/EAN Decode", 3 + int(N), UpcEan)},
                okCancelRow(4 + int(N), UpcEan));
}
template <typename Id, std::size_t N> constexpr auto upcLongRangeControls(const std::string_view (&checks)[N])
{
    return join(upcRows<Id>(checks), okCancelRow(3 + int(N), UpcEan));
}

// The long-range reader's Code 39 has no "Trioptic 39", the last check box.
constexpr std::string_view code39Checks[] = {"Convert to Code 32", "Code 32 Prefix", "Verify Check Digit",
                                             "Transmit Check Digit", "Code 39 Full ASCII"};
constexpr auto code39Column = checkColumn(0, Code39ImagerId::ConvertToCode32Check, code39Checks);
constexpr auto code39ImagerControls = join(
    code39Column, std::array{check(Code39ImagerId::Trioptic39Check, "Trioptic 39", 5)}, lengthRows(6), okCancelRow(9));
constexpr auto code39LongRangeControls = join(code39Column, lengthRows(5), okCancelRow(8));

constexpr std::string_view upcAChecks[] = {"Transmit Check Digit"};
constexpr std::string_view upcEChecks[] = {"Transmit Check Digit", "Convert to UPC-A"};

template <typename Id>
constexpr auto ean8Controls = join(supplementalRows<Id>(0),
                                   std::array{check(Id::ConvertToEan13Check, "Convert to EAN-13", 2, UpcEan)},
                                   okCancelRow(3, UpcEan));
template <typename Id> constexpr auto ean13Controls = join(supplementalRows<Id>(0), okCancelRow(2, UpcEan));

constexpr auto gs1128Controls = join(
    labelledEdit(SeparatorId::SeparatorLabel, "Replace Field Separator :", SeparatorId::SeparatorEdit, 0, 16, Gs1128),
    okCancelRow(1, Gs1128));

constexpr auto code93Controls = join(lengthRows(0), okCancelRow(3));

constexpr std::string_view codabarChecks[] = {"CLSI Editing", "NOTIS Editing"};
constexpr auto codabarControls =
    join(checkColumn(0, CodabarImagerId::ClsiEditingCheck, codabarChecks), lengthRows(2), okCancelRow(5));

using Interleaved25 = Interleaved25ImagerId;
constexpr std::string_view interleaved25Checks[] = {"Transmit Check Digit", "Convert to EAN13"};
constexpr auto interleaved25Controls = join(
    labelledList(Interleaved25::VerifyCheckDigitLabel, "Verify Check Digit :", Interleaved25::VerifyCheckDigitList, 0),
    checkColumn(1, Interleaved25::TransmitCheckDigitCheck, interleaved25Checks), lengthRows(3), okCancelRow(6));

constexpr auto dataBar14Controls = join(
    std::array{check(DataBar14ImagerId::ConvertToUpcEanCheck, "Convert GS1 DataBar 14/Limited to UPC/EAN", 0, DataBar)},
    okCancelRow(1, DataBar));

constexpr auto msiControls =
    join(std::array{check(MsiImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 0)},
         labelledList(MsiImagerId::CheckDigitsLabel, "Check Digits :", MsiImagerId::CheckDigitsList, 1),
         labelledList(MsiImagerId::CheckAlgorithmLabel, "Check Algorithm :", MsiImagerId::CheckAlgorithmList, 2),
         lengthRows(3), okCancelRow(6));

constexpr auto code11Controls =
    join(labelledList(Code11ImagerId::VerifyCheckDigitLabel,
                      "Verify Check Digit :", Code11ImagerId::VerifyCheckDigitList, 0),
         std::array{check(Code11ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 1)}, lengthRows(2),
         okCancelRow(5));

constexpr std::string_view postalChecks[] = {"US Postnet",
                                             "US Planet",
                                             "Transmit US Postal Check Digit",
                                             "UK Postal",
                                             "Transmit UK Postal Check Digit",
                                             "Japan Postal",
                                             "Australian Postal",
                                             "Dutch Postal"};
constexpr auto postalControls = join(checkColumn(0, PostalImagerId::UsPostnetCheck, postalChecks), okCancelRow(8));

constexpr std::string_view compositeChecks[] = {"Composite CC-C", "Composite CC-A/B", "Composite TLC-39",
                                                "GS1-128 Emulation Mode"};
constexpr auto compositeControls = join(
    checkColumn(0, CompositeImagerId::CcCCheck, compositeChecks, Composite),
    labelledList(CompositeImagerId::UpcModeLabel, "UPC Composite Mode :", CompositeImagerId::UpcModeList, 4, Composite),
    okCancelRow(5, Composite));

constexpr std::string_view symbologiesChecks[] = {"PDF417",      "MicroPDF417", "Code 128 Emulation",
                                                  "Data Matrix", "Maxicode",    "QR Code"};
constexpr auto symbologiesControls =
    join(checkColumn(0, SymbologiesImagerId::Pdf417Check, symbologiesChecks), okCancelRow(6));

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
constexpr std::string_view captureExposureChecks[] = {"Image Capture Illumination", "Image Capture Autoexposure"};
constexpr auto imageCaptureControls = join(
    checkColumn(0, Capture::IlluminationCheck, captureExposureChecks, ImageCapture),
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

// A long-range twin: the 2D dialog under the long-range name, with controls of its own where it
// lacks a check box.
constexpr ui::DialogTemplate twin(ui::DialogTemplate dialog, std::string_view name)
{
    dialog.name = name;
    return dialog;
}
constexpr ui::DialogTemplate twin(const ui::DialogTemplate& dialog, std::string_view name,
                                  std::span<const ui::ControlTemplate> controls)
{
    return parameterDialog(name, dialog.title, controls, {dialog.dialogUnits.width});
}

// The 2D imager's dialogs.
constexpr auto code39Imager = parameterDialog("CODE39_2DDLG", "Code 39 Parameters", code39ImagerControls);
constexpr auto upcAImagerControls = upcImagerControls<UpcAImagerId>(upcAChecks);
constexpr auto upcAImager = parameterDialog("UPCA_2DDLG", "UPC-A Parameters", upcAImagerControls, UpcEan);
constexpr auto upcEImagerControls = upcImagerControls<UpcE0ImagerId>(upcEChecks);
constexpr auto upcE0Imager = parameterDialog("UPCE_2DDLG", "UPC-E0 Parameters", upcEImagerControls, UpcEan);
constexpr auto upcE1Imager = parameterDialog("UPCE1_2DDLG", "UPC-E1 Parameters", upcEImagerControls, UpcEan);
constexpr auto ean8Imager = parameterDialog("EAN8_2DDLG", "EAN-8 Parameters", ean8Controls<Ean8ImagerId>, UpcEan);
constexpr auto ean13Imager = parameterDialog("EAN13DLG_2D", "EAN-13 Parameters", ean13Controls<Ean13ImagerId>, UpcEan);
constexpr auto gs1128Imager = parameterDialog("EAN128_2DDLG", "GS1-128 (EAN 128) Parameters", gs1128Controls, Gs1128);
constexpr auto code93Imager = parameterDialog("CODE93_2DDLG", "Code 93 Parameters", code93Controls);
constexpr auto codabarImager = parameterDialog("CODABAR_2DDLG", "Codabar Parameters", codabarControls);
constexpr auto industrial25Imager = parameterDialog("DISCRETE25_2DDLG", "Industrial 25 Parameters", code93Controls);
constexpr auto interleaved25Imager =
    parameterDialog("INTERLEAVE25_2DDLG", "Interleaved 25 Parameters", interleaved25Controls);
constexpr auto dataBar14Imager =
    parameterDialog("RSS14_2DDLG", "GS1 DataBar-14 Parameters", dataBar14Controls, DataBar);
constexpr auto msiImager = parameterDialog("MSI_2DDLG", "MSI Parameters", msiControls);
constexpr auto code11Imager = parameterDialog("CODE11_2DDLG", "Code 11 Parameters", code11Controls);
constexpr auto postalImager = parameterDialog("POSTAL_2DDLG", "Postal Code Parameters", postalControls);
constexpr auto compositeImager =
    parameterDialog("COMPOSITE_2DDLG", "Composite Parameters", compositeControls, Composite);
constexpr auto symbologiesImager =
    parameterDialog("SYMBOLOGIES_2DDLG", "2D Symbologies Parameters", symbologiesControls);
constexpr auto macroPdfImager = parameterDialog("MACROPDF_2DDLG", "Macro PDF Parameters", macroPdfControls, MacroPdf);
constexpr auto imageCapture =
    parameterDialog("IMAGECAPTURE_2DDLG", "2D Image Capture Parameters", imageCaptureControls, ImageCapture);

// The long-range twins.
constexpr auto upcALongRangeControls = upcLongRangeControls<UpcAImagerId>(upcAChecks);
constexpr auto upcALongRange = twin(upcAImager, "UPCA_1DEDLG", upcALongRangeControls);
constexpr auto upcELongRangeControls = upcLongRangeControls<UpcE0ImagerId>(upcEChecks);
constexpr auto upcE0LongRange = twin(upcE0Imager, "UPCE_1DEDLG", upcELongRangeControls);
constexpr auto upcE1LongRange = twin(upcE1Imager, "UPCE1_1DEDLG", upcELongRangeControls);
constexpr auto ean8LongRange = twin(ean8Imager, "EAN8_1DEDLG", ean8Controls<Ean8LongRangeId>);
constexpr auto ean13LongRange = twin(ean13Imager, "EAN13_1DEDLG", ean13Controls<Ean13LongRangeId>);
constexpr auto gs1128LongRange = twin(gs1128Imager, "EAN128_1DEDLG");
constexpr auto code39LongRange = twin(code39Imager, "CODE39_1DEDLG", code39LongRangeControls);
constexpr auto code93LongRange = twin(code93Imager, "CODE93_1DEDLG");
constexpr auto codabarLongRange = twin(codabarImager, "CODABAR_1DEDLG");
constexpr auto industrial25LongRange = twin(industrial25Imager, "DISCRETE25_1DEDLG");
constexpr auto interleaved25LongRange = twin(interleaved25Imager, "INTERLEAVE25_1DEDLG");
constexpr auto dataBar14LongRange = twin(dataBar14Imager, "RSS14_1DEDLG");
constexpr auto msiLongRange = twin(msiImager, "MSI_1DEDLG");

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
