// SPDX-License-Identifier: MIT
// The 2D imager's dialogs that have no long-range twin: Code 11, the postal codes, the composite
// codes, the 2D symbologies and Macro PDF. Each copies the record when it opens and puts it back
// on Cancel.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {

using namespace resources;
using texts::sid;

// The tables are constants of this file; the dialogs are those of reader_dialogs.h.
constexpr CommitPolicy Snapshot = CommitPolicy::SnapshotOnOpen;

constexpr Binding code11Bindings[] = {
    list(Code11ImagerId::VerifyCheckDigitList, sid(2161), 3, readerField("imagerCode11VerifyCheckDigit")),
    flag(Code11ImagerId::TransmitCheckDigitCheck, readerField("imagerCode11TransmitCheckDigit")),
};
// A check digit is only transmitted when one or two are verified.
constexpr EnablingRule code11Rules[] = {
    enabledWhileSelected(Code11ImagerId::TransmitCheckDigitCheck, Code11ImagerId::VerifyCheckDigitList, 0b110),
};
constexpr LengthGroup code11Lengths = twins::lengths<Code11ImagerId, "imager", "Code11">(twins::ImagerLengthLabels);
constexpr ui::TextReplacement code11Captions[] = {
    {Code11ImagerId::VerifyCheckDigitLabel, sid(1092)},
    {Code11ImagerId::TransmitCheckDigitCheck, sid(1093)},
    {Code11ImagerId::LengthModeLabel, sid(1094)},
};
constexpr ParameterDialogSpec code11ImagerDialog{code11ImagerTemplate, sid(1091),      code11Captions, code11Bindings,
                                                 code11Rules,          &code11Lengths, Snapshot};

// Flags only.
constexpr auto postalBindings = flagColumn(
    PostalImagerId::UsPostnetCheck,
    {readerField("imagerUsPostnet"), readerField("imagerUsPlanet"), readerField("imagerUsPostalTransmitCheckDigit"),
     readerField("imagerUkPostal"), readerField("imagerUkPostalTransmitCheckDigit"), readerField("imagerJapanPostal"),
     readerField("imagerAustralianPostal"), readerField("imagerDutchPostal")});
constexpr ui::TextReplacement postalCaptions[] = {{PostalImagerId::UsPostnetCheck, sid(1112), 8}};
constexpr ParameterDialogSpec postalImagerDialog{
    postalImagerTemplate, sid(1111), postalCaptions, postalBindings, {}, nullptr, Snapshot};

constexpr Binding compositeBindings[] = {
    flag(CompositeImagerId::CcCCheck, readerField("imagerCompositeCcC")),
    flag(CompositeImagerId::CcABCheck, readerField("imagerCompositeCcAB")),
    flag(CompositeImagerId::Tlc39Check, readerField("imagerCompositeTlc39")),
    flag(CompositeImagerId::Gs1128EmulationCheck, readerField("imagerGs1128EmulationMode")),
    list(CompositeImagerId::UpcModeList, sid(2101), 3, readerField("imagerUpcCompositeMode")),
};
constexpr ui::TextReplacement compositeCaptions[] = {
    {CompositeImagerId::CcCCheck, sid(1132), 4},
    {CompositeImagerId::UpcModeLabel, sid(1136)},
};
constexpr ParameterDialogSpec compositeImagerDialog{
    compositeImagerTemplate, sid(1131), compositeCaptions, compositeBindings, {}, nullptr, Snapshot};

using Symbologies = SymbologiesImagerId;
constexpr auto symbologiesBindings =
    flagColumn(Symbologies::Pdf417Check,
               {readerField("imagerPdf417"), readerField("imagerMicroPdf417"), readerField("imagerCode128Emulation"),
                readerField("imagerDataMatrix"), readerField("imagerMaxicode"), readerField("imagerQrCode")});
// Code 128 emulation belongs to MicroPDF417; its mark is kept (and stored) while MicroPDF417 is off.
constexpr EnablingRule symbologiesRules[] = {
    enabledWhileChecked(Symbologies::Code128EmulationCheck, Symbologies::MicroPdf417Check, WhenDisabled::Keep),
};
constexpr ui::TextReplacement symbologiesCaptions[] = {{Symbologies::Pdf417Check, sid(1142), 6}};
constexpr ParameterDialogSpec symbologiesImagerDialog{symbologiesImagerTemplate,
                                                      sid(1141),
                                                      symbologiesCaptions,
                                                      symbologiesBindings,
                                                      symbologiesRules,
                                                      nullptr,
                                                      Snapshot};

// Macro PDF: the control header is sent exactly in the mode "Transmit Any Symbol in Set/No
// Particular Order": its byte follows the mode list while the dialog is open, and Cancel takes it
// back with the snapshot.
using MacroPdf = MacroPdfImagerId;
constexpr int AnySymbolInSet = 1;
constexpr int escapeValues[] = {0, 2};  // "None", "GLI Protocol"
constexpr Binding macroPdfBindings[] = {
    list(MacroPdf::ModeList, sid(2121), 3, readerField("imagerMacroPdfMode")),
    list(MacroPdf::EscapeList, sid(2141), 2, readerField("imagerMacroPdfEscapeCharacters"), escapeValues),
};
// The template's control-header box stays hidden; it is only enabled in that mode.
constexpr EnablingRule macroPdfRules[] = {
    enabledWhileSelected(MacroPdf::ControlHeaderCheck, MacroPdf::ModeList, 1U << AnySymbolInSet, WhenDisabled::Keep),
};
constexpr ui::TextReplacement macroPdfCaptions[] = {
    {MacroPdf::ModeLabel, sid(1102)},
    {MacroPdf::ControlHeaderCheck, sid(1103)},
    {MacroPdf::EscapeLabel, sid(1104)},
};

namespace {
void followMode(ParameterDialogModel& dialog, ui::ControlId)
{
    const bool isAnySymbolInSet = dialog.shown().selection(MacroPdf::ModeList) == AnySymbolInSet;
    dialog.byte(readerField("imagerMacroPdfControlHeader")) = isAnySymbolInSet ? 1 : 0;
}
}  // namespace

constexpr ParameterDialogSpec macroPdfImagerDialog{
    macroPdfImagerTemplate, sid(1101), macroPdfCaptions, macroPdfBindings,
    macroPdfRules,          nullptr,   Snapshot,         {.afterChange = followMode}};

}  // namespace editor::reader
