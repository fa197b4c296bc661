// SPDX-License-Identifier: MIT
// The 1D laser/CCD reader's symbology dialogs (`_1DDLG`). None writes before OK. Most are check
// boxes whose captions are one run of entries after the title entry.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"
#include "resources/laser_templates.h"

namespace editor::reader {

using namespace resources;
using texts::sid;
using twins::Literal;

// The templates are this file's own; the tables below them are constants of this file and the
// dialogs those of reader_dialogs.h.
namespace {

// `Count` captions from the entry after `Title` on, the first for `First`.
template <int Title, auto First, int Count = 1>
constexpr ui::TextReplacement runAfterTitle[] = {{First, sid(Title + 1), Count}};

// "Fixed Length" or "Max / Min Length" and the two lengths of 1..127.
template <typename Id> constexpr LengthGroup fixedOrMaxMin(FieldRef mode, bool isDigitsOnly = true)
{
    return {Id::FixedLengthRadio,
            Id::Length1Edit,
            Id::Length2Edit,
            Id::Length1Label,
            Id::Length2Label,
            mode,
            sid(411),
            LengthStyle::FixedOrMaxMin,
            isDigitsOnly};
}

// The two Pharmacodes: one check box each.
template <Literal Symbology>
constexpr Binding pharmacodeBindings[] = {
    flag(PharmacodeId::TransmitCheckDigitCheck, readerField(twins::joined<"laser", Symbology, "TransmitCheckDigit">))};

// Industrial, Interleaved and Matrix 25: one table placed at each code's seven bytes.
template <Literal Symbology, int Title, const ui::DialogTemplate& (*Template)()> struct TwoOfFive
{
    using Id = LaserTwoOfFiveId;
    static constexpr Binding bindings[] = {
        radio({Id::Industrial25Radio, 3}, readerField(twins::joined<"laser", Symbology, "StartStop">)),
        flag(Id::VerifyCheckDigitCheck, readerField(twins::joined<"laser", Symbology, "VerifyCheckDigit">)),
        flag(Id::TransmitCheckDigitCheck, readerField(twins::joined<"laser", Symbology, "TransmitCheckDigit">)),
    };
    static constexpr LengthGroup lengths =
        fixedOrMaxMin<Id>(readerField(twins::joined<"laser", Symbology, "LengthSelection">));
    // The group boxes, the five radio buttons and the check boxes, in that order after the title.
    static constexpr ui::TextReplacement captions[] = {
        {Id::StartStopGroup, sid(Title + 1), 2},
        {Id::Industrial25Radio, sid(Title + 3), 5},
        {Id::VerifyCheckDigitCheck, sid(Title + 8), 2},
    };
    static constexpr ParameterDialogSpec dialog{Template, sid(Title), captions, bindings, {}, &lengths};
};

// GS1 DataBar-14 and Limited; the boxes run from the code ID down to the check digit, the bytes
// the other way. Expanded has the code ID only.
template <Literal Symbology>
constexpr Binding dataBarBindings[] = {
    flag(LaserDataBarId::TransmitCodeIdCheck, readerField(twins::joined<"laser", Symbology, "TransmitCodeId">)),
    flag(LaserDataBarId::TransmitApplicationIdCheck,
         readerField(twins::joined<"laser", Symbology, "TransmitApplicationId">)),
    flag(LaserDataBarId::TransmitCheckDigitCheck, readerField(twins::joined<"laser", Symbology, "TransmitCheckDigit">)),
};

}  // namespace

constexpr auto code39Bindings =
    flagColumn(LaserCode39Id::TransmitStartStopCheck,
               {readerField("laserCode39TransmitStartStop"), readerField("laserCode39VerifyCheckDigit"),
                readerField("laserCode39TransmitCheckDigit"), readerField("laserCode39FullAscii")});
constexpr ParameterDialogSpec laserCode39Dialog{
    laserCode39Template, sid(651), runAfterTitle<651, LaserCode39Id::TransmitStartStopCheck, 4>, code39Bindings};

constexpr ParameterDialogSpec italianPharmacodeDialog{italianPharmacodeTemplate, sid(661),
                                                      runAfterTitle<661, PharmacodeId::TransmitCheckDigitCheck>,
                                                      pharmacodeBindings<"ItalianPharmacode">};
constexpr ParameterDialogSpec frenchPharmacodeDialog{frenchPharmacodeTemplate, sid(671),
                                                     runAfterTitle<671, PharmacodeId::TransmitCheckDigitCheck>,
                                                     pharmacodeBindings<"FrenchPharmacode">};

constexpr ParameterDialogSpec laserIndustrial25Dialog =
    TwoOfFive<"Industrial25", 681, laserIndustrial25Template>::dialog;
constexpr ParameterDialogSpec laserInterleaved25Dialog =
    TwoOfFive<"Interleaved25", 701, laserInterleaved25Template>::dialog;
constexpr ParameterDialogSpec laserMatrix25Dialog = TwoOfFive<"Matrix25", 721, laserMatrix25Template>::dialog;

constexpr Binding codabarBindings[] = {
    radio({LaserCodabarId::NoneRadio, 5}, readerField("laserCodabarTransmitStartStop")),
};
constexpr ui::TextReplacement codabarCaptions[] = {
    {LaserCodabarId::StartStopGroup, sid(742)},
    {LaserCodabarId::NoneRadio, sid(743), 5},
};
constexpr ParameterDialogSpec laserCodabarDialog{laserCodabarTemplate, sid(741), codabarCaptions, codabarBindings};

// MSI: three radio groups; the length boxes take three characters of any kind, what is not a
// number becomes 1.
constexpr Binding msiBindings[] = {
    radio({LaserMsiId::SingleModulo10Radio, 3}, readerField("laserMsiVerifyCheckDigit")),
    radio({LaserMsiId::LastDigitNotTransmittedRadio, 3}, readerField("laserMsiTransmitCheckDigit")),
};
constexpr LengthGroup msiLengths = fixedOrMaxMin<LaserMsiId>(readerField("laserMsiLengthSelection"), false);
constexpr ui::TextReplacement msiCaptions[] = {
    {LaserMsiId::VerifyGroup, sid(752), 3},
    {LaserMsiId::SingleModulo10Radio, sid(755), 8},
};
constexpr ParameterDialogSpec laserMsiDialog{laserMsiTemplate, sid(751), msiCaptions, msiBindings, {}, &msiLengths};

constexpr auto plesseyBindings =
    flagColumn(PlesseyId::ConvertToUkPlesseyCheck,
               {readerField("laserPlesseyConvertToUkPlessey"), readerField("laserPlesseyTransmitCheckDigit")});
constexpr ParameterDialogSpec plesseyDialog{plesseyTemplate, sid(771),
                                            runAfterTitle<771, PlesseyId::ConvertToUkPlesseyCheck, 2>, plesseyBindings};

constexpr auto upcEBindings = flagColumn(LaserUpcEId::ConvertToUpcACheck, {readerField("laserUpcEConvertToUpcA"),
                                                                           readerField("laserUpcETransmitSystemNumber"),
                                                                           readerField("laserUpcETransmitCheckDigit")});
constexpr ParameterDialogSpec laserUpcEDialog{laserUpcETemplate, sid(781),
                                              runAfterTitle<781, LaserUpcEId::ConvertToUpcACheck, 3>, upcEBindings};

constexpr auto ean8Bindings =
    flagColumn(LaserEan8Id::ConvertToEan13Check,
               {readerField("laserEan8ConvertToEan13"), readerField("laserEan8TransmitCheckDigit")});
constexpr ParameterDialogSpec laserEan8Dialog{laserEan8Template, sid(791),
                                              runAfterTitle<791, LaserEan8Id::ConvertToEan13Check, 2>, ean8Bindings};

// EAN-13 and UPC-A.
constexpr auto ean13Bindings = flagColumn(
    LaserEan13Id::IsbnCheck, {readerField("laserEan13IsbnConversion"), readerField("laserEan13IssnConversion"),
                              readerField("laserEan13TransmitCheckDigit"), readerField("laserUpcATransmitSystemNumber"),
                              readerField("laserUpcATransmitCheckDigit"), readerField("laserUpcAConvertToEan13")});
constexpr ParameterDialogSpec laserEan13Dialog{laserEan13Template, sid(801),
                                               runAfterTitle<801, LaserEan13Id::IsbnCheck, 6>, ean13Bindings};

// The terminal reads byte 63 as "original Telepen", so the first button stores 1.
constexpr int originalFirst[] = {1, 0};
constexpr Binding telepenBindings[] = {
    radio({TelepenId::OriginalRadio, 2}, readerField("laserTelepenOriginal"), originalFirst),
};
constexpr ParameterDialogSpec telepenDialog{telepenTemplate, sid(811), runAfterTitle<811, TelepenId::OriginalRadio, 2>,
                                            telepenBindings};

constexpr ParameterDialogSpec laserDataBar14Dialog{laserDataBar14Template, sid(821),
                                                   runAfterTitle<821, LaserDataBarId::TransmitCodeIdCheck, 3>,
                                                   dataBarBindings<"DataBar14">};
constexpr ParameterDialogSpec laserDataBarLimitedDialog{laserDataBarLimitedTemplate, sid(831),
                                                        runAfterTitle<831, LaserDataBarId::TransmitCodeIdCheck, 3>,
                                                        dataBarBindings<"DataBarLimited">};
constexpr Binding dataBarExpandedBindings[] = {
    flag(LaserDataBarId::TransmitCodeIdCheck, readerField("laserDataBarExpandedTransmitCodeId")),
};
constexpr ParameterDialogSpec laserDataBarExpandedDialog{laserDataBarExpandedTemplate, sid(841),
                                                         runAfterTitle<841, LaserDataBarId::TransmitCodeIdCheck>,
                                                         dataBarExpandedBindings};

// The code ID, and the field separator that every reader shares.
constexpr Binding gs1128Bindings[] = {
    flag(LaserGs1128Id::TransmitCodeIdCheck, readerField("laserGs1128TransmitCodeId")),
    character(LaserGs1128Id::SeparatorEdit, deviceField("gs1Separator")),
};
constexpr ui::TextReplacement gs1128Captions[] = {
    {LaserGs1128Id::TransmitCodeIdCheck, sid(852)},
    {LaserGs1128Id::SeparatorLabel, sid(853)},
};
constexpr ParameterDialogSpec laserGs1128Dialog{laserGs1128Template, sid(851), gs1128Captions, gs1128Bindings};

}  // namespace editor::reader
