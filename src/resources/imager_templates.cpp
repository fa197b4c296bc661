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
    return concat(labelledList(Id::LengthModeLabel, "Code Lengths :", Id::LengthModeList, row),
                labelledEdit(Id::Length1Label, "Min Length :", Id::Length1Edit, row + 1),
                labelledEdit(Id::Length2Label, "Max Length :", Id::Length2Edit, row + 2));
}

// The supplementals of the UPC/EAN dialogs, two rows.
template <typename Id> constexpr auto supplementalRows(int row)
{
    return concat(
        labelledList(Id::SupplementalsLabel, "Decode Supplementals :", Id::SupplementalsList, row, UpcEan),
        labelledEdit(Id::RedundancyLabel, "Supplemental Redundancy :", Id::RedundancyEdit, row + 1, 24, UpcEan));
}

// The UPC-A and UPC-E dialogs: the preamble, the supplementals, then `checks` from "Transmit
// Check Digit" on, from row 3.
template <typename Id, std::size_t N> constexpr auto upcRows(const std::string_view (&checks)[N])
{
    using Group = UpcGroupId;
    return concat(labelledList(Group::PreambleLabel, "Transmit Preamble :", Group::PreambleList, 0, UpcEan),
                supplementalRows<Group>(1), checkColumn(3, Id::TransmitCheckDigitCheck, checks, UpcEan));
}
// The 2D imager's UPC dialogs add "Linear UPC/EAN Decode" below.
template <typename Id, std::size_t N> constexpr auto upcImagerControls(const std::string_view (&checks)[N])
{
    return concat(upcRows<Id>(checks),
                std::array{check(Id::LinearDecodeCheck, "Linear UPC/EAN Decode", 3 + int(N), UpcEan)},
                okCancelRow(4 + int(N), UpcEan));
}
template <typename Id, std::size_t N> constexpr auto upcLongRangeControls(const std::string_view (&checks)[N])
{
    return concat(upcRows<Id>(checks), okCancelRow(3 + int(N), UpcEan));
}

// The long-range reader's Code 39 has no "Trioptic 39", the last check box.
constexpr std::string_view code39Checks[] = {"Convert to Code 32", "Code 32 Prefix", "Verify Check Digit",
                                             "Transmit Check Digit", "Code 39 Full ASCII"};
constexpr auto code39Column = checkColumn(0, Code39ImagerId::ConvertToCode32Check, code39Checks);
constexpr auto code39ImagerControls = concat(
    code39Column, std::array{check(Code39ImagerId::Trioptic39Check, "Trioptic 39", 5)}, lengthRows(6), okCancelRow(9));
constexpr auto code39LongRangeControls = concat(code39Column, lengthRows(5), okCancelRow(8));

constexpr std::string_view upcAChecks[] = {"Transmit Check Digit"};
constexpr std::string_view upcEChecks[] = {"Transmit Check Digit", "Convert to UPC-A"};

template <typename Id>
constexpr auto ean8Controls = concat(supplementalRows<Id>(0),
                                   std::array{check(Id::ConvertToEan13Check, "Convert to EAN-13", 2, UpcEan)},
                                   okCancelRow(3, UpcEan));
template <typename Id> constexpr auto ean13Controls = concat(supplementalRows<Id>(0), okCancelRow(2, UpcEan));

constexpr auto gs1128Controls = concat(
    labelledEdit(SeparatorId::SeparatorLabel, "Replace Field Separator :", SeparatorId::SeparatorEdit, 0, 16, Gs1128),
    okCancelRow(1, Gs1128));

constexpr auto code93Controls = concat(lengthRows(0), okCancelRow(3));

constexpr std::string_view codabarChecks[] = {"CLSI Editing", "NOTIS Editing"};
constexpr auto codabarControls =
    concat(checkColumn(0, CodabarImagerId::ClsiEditingCheck, codabarChecks), lengthRows(2), okCancelRow(5));

using Interleaved25 = Interleaved25ImagerId;
constexpr std::string_view interleaved25Checks[] = {"Transmit Check Digit", "Convert to EAN13"};
constexpr auto interleaved25Controls = concat(
    labelledList(Interleaved25::VerifyCheckDigitLabel, "Verify Check Digit :", Interleaved25::VerifyCheckDigitList, 0),
    checkColumn(1, Interleaved25::TransmitCheckDigitCheck, interleaved25Checks), lengthRows(3), okCancelRow(6));

constexpr auto dataBar14Controls = concat(
    std::array{check(DataBar14ImagerId::ConvertToUpcEanCheck, "Convert GS1 DataBar 14/Limited to UPC/EAN", 0, DataBar)},
    okCancelRow(1, DataBar));

constexpr auto msiControls =
    concat(std::array{check(MsiImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 0)},
         labelledList(MsiImagerId::CheckDigitsLabel, "Check Digits :", MsiImagerId::CheckDigitsList, 1),
         labelledList(MsiImagerId::CheckAlgorithmLabel, "Check Algorithm :", MsiImagerId::CheckAlgorithmList, 2),
         lengthRows(3), okCancelRow(6));

constexpr auto code11Controls =
    concat(labelledList(Code11ImagerId::VerifyCheckDigitLabel,
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
constexpr auto postalControls = checksOnly(PostalImagerChecks, postalChecks);

constexpr std::string_view compositeChecks[] = {"Composite CC-C", "Composite CC-A/B", "Composite TLC-39",
                                                "GS1-128 Emulation Mode"};
constexpr auto compositeControls = concat(
    checkColumn(0, CompositeImagerId::CcCCheck, compositeChecks, Composite),
    labelledList(CompositeImagerId::UpcModeLabel, "UPC Composite Mode :", CompositeImagerId::UpcModeList, 4, Composite),
    okCancelRow(5, Composite));

constexpr std::string_view symbologiesChecks[] = {"PDF417",      "MicroPDF417", "Code 128 Emulation",
                                                  "Data Matrix", "Maxicode",    "QR Code"};
constexpr auto symbologiesControls = checksOnly(SymbologiesImagerChecks, symbologiesChecks);

using MacroPdfId = MacroPdfImagerId;
constexpr auto macroPdfControls =
    concat(labelledList(MacroPdfId::ModeLabel, "Transmit/Decode Mode Symbols :", MacroPdfId::ModeList, 0, MacroPdf),
         labelledList(MacroPdfId::EscapeLabel, "Escape Characters :", MacroPdfId::EscapeList, 1, MacroPdf),
         std::array{ui::ControlTemplate{ui::ControlKind::CheckBox,
                                        MacroPdfId::ControlHeaderCheck,
                                        "Transmit Control Header",
                                        {Margin, rowY(2), 90, 10},
                                        ui::ControlStyle::Hidden}},
         okCancelRow(2, MacroPdf));

using Capture = ImageCaptureId;
constexpr std::string_view captureExposureChecks[] = {"Image Capture Illumination", "Image Capture Autoexposure"};
constexpr auto imageCaptureControls = concat(
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

constexpr auto upcAImagerControls = upcImagerControls<UpcAImagerId>(upcAChecks);
constexpr auto upcEImagerControls = upcImagerControls<UpcE0ImagerId>(upcEChecks);
constexpr auto upcALongRangeControls = upcLongRangeControls<UpcAImagerId>(upcAChecks);
constexpr auto upcELongRangeControls = upcLongRangeControls<UpcE0ImagerId>(upcEChecks);

}  // namespace

// The 2D imager's dialogs.
constexpr ui::DialogTemplate code39ImagerTemplate =
    parameterDialog("CODE39_2DDLG", "Code 39 Parameters", code39ImagerControls);
constexpr ui::DialogTemplate upcAImagerTemplate =
    parameterDialog("UPCA_2DDLG", "UPC-A Parameters", upcAImagerControls, UpcEan);
constexpr ui::DialogTemplate upcE0ImagerTemplate =
    parameterDialog("UPCE_2DDLG", "UPC-E0 Parameters", upcEImagerControls, UpcEan);
constexpr ui::DialogTemplate upcE1ImagerTemplate =
    parameterDialog("UPCE1_2DDLG", "UPC-E1 Parameters", upcEImagerControls, UpcEan);
constexpr ui::DialogTemplate ean8ImagerTemplate =
    parameterDialog("EAN8_2DDLG", "EAN-8 Parameters", ean8Controls<Ean8ImagerId>, UpcEan);
constexpr ui::DialogTemplate ean13ImagerTemplate =
    parameterDialog("EAN13DLG_2D", "EAN-13 Parameters", ean13Controls<Ean13ImagerId>, UpcEan);
constexpr ui::DialogTemplate gs1128ImagerTemplate =
    parameterDialog("EAN128_2DDLG", "GS1-128 (EAN 128) Parameters", gs1128Controls, Gs1128);
constexpr ui::DialogTemplate code93ImagerTemplate =
    parameterDialog("CODE93_2DDLG", "Code 93 Parameters", code93Controls);
constexpr ui::DialogTemplate codabarImagerTemplate =
    parameterDialog("CODABAR_2DDLG", "Codabar Parameters", codabarControls);
constexpr ui::DialogTemplate industrial25ImagerTemplate =
    parameterDialog("DISCRETE25_2DDLG", "Industrial 25 Parameters", code93Controls);
constexpr ui::DialogTemplate interleaved25ImagerTemplate =
    parameterDialog("INTERLEAVE25_2DDLG", "Interleaved 25 Parameters", interleaved25Controls);
constexpr ui::DialogTemplate dataBar14ImagerTemplate =
    parameterDialog("RSS14_2DDLG", "GS1 DataBar-14 Parameters", dataBar14Controls, DataBar);
constexpr ui::DialogTemplate msiImagerTemplate = parameterDialog("MSI_2DDLG", "MSI Parameters", msiControls);
constexpr ui::DialogTemplate code11ImagerTemplate =
    parameterDialog("CODE11_2DDLG", "Code 11 Parameters", code11Controls);
constexpr ui::DialogTemplate postalImagerTemplate =
    parameterDialog("POSTAL_2DDLG", "Postal Code Parameters", postalControls);
constexpr ui::DialogTemplate compositeImagerTemplate =
    parameterDialog("COMPOSITE_2DDLG", "Composite Parameters", compositeControls, Composite);
constexpr ui::DialogTemplate symbologiesImagerTemplate =
    parameterDialog("SYMBOLOGIES_2DDLG", "2D Symbologies Parameters", symbologiesControls);
constexpr ui::DialogTemplate macroPdfImagerTemplate =
    parameterDialog("MACROPDF_2DDLG", "Macro PDF Parameters", macroPdfControls, MacroPdf);
constexpr ui::DialogTemplate imageCaptureTemplate =
    parameterDialog("IMAGECAPTURE_2DDLG", "2D Image Capture Parameters", imageCaptureControls, ImageCapture);

// The long-range twins.
constexpr ui::DialogTemplate upcALongRangeTemplate = twin(upcAImagerTemplate, "UPCA_1DEDLG", upcALongRangeControls);
constexpr ui::DialogTemplate upcE0LongRangeTemplate = twin(upcE0ImagerTemplate, "UPCE_1DEDLG", upcELongRangeControls);
constexpr ui::DialogTemplate upcE1LongRangeTemplate = twin(upcE1ImagerTemplate, "UPCE1_1DEDLG", upcELongRangeControls);
constexpr ui::DialogTemplate ean8LongRangeTemplate =
    twin(ean8ImagerTemplate, "EAN8_1DEDLG", ean8Controls<Ean8LongRangeId>);
constexpr ui::DialogTemplate ean13LongRangeTemplate =
    twin(ean13ImagerTemplate, "EAN13_1DEDLG", ean13Controls<Ean13LongRangeId>);
constexpr ui::DialogTemplate gs1128LongRangeTemplate = twin(gs1128ImagerTemplate, "EAN128_1DEDLG");
constexpr ui::DialogTemplate code39LongRangeTemplate =
    twin(code39ImagerTemplate, "CODE39_1DEDLG", code39LongRangeControls);
constexpr ui::DialogTemplate code93LongRangeTemplate = twin(code93ImagerTemplate, "CODE93_1DEDLG");
constexpr ui::DialogTemplate codabarLongRangeTemplate = twin(codabarImagerTemplate, "CODABAR_1DEDLG");
constexpr ui::DialogTemplate industrial25LongRangeTemplate = twin(industrial25ImagerTemplate, "DISCRETE25_1DEDLG");
constexpr ui::DialogTemplate interleaved25LongRangeTemplate = twin(interleaved25ImagerTemplate, "INTERLEAVE25_1DEDLG");
constexpr ui::DialogTemplate dataBar14LongRangeTemplate = twin(dataBar14ImagerTemplate, "RSS14_1DEDLG");
constexpr ui::DialogTemplate msiLongRangeTemplate = twin(msiImagerTemplate, "MSI_1DEDLG");

}  // namespace resources
