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

// The captions of the run `Controls` from the entry after `Title` on.
template <int Title, ui::ControlRange Controls>
constexpr ui::TextReplacement runAfterTitle[] = {{Controls.at(0), sid(Title + 1), Controls.count}};

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

// Industrial, Interleaved and Matrix 25: one table placed at each code's seven bytes.
template <Literal Symbology, int Title, const ui::DialogTemplate& Template> struct TwoOfFive
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

// A dialog of check boxes alone: the run `Checks`, captioned from the entry after `Title` on, each
// box the flag of its field in `Fields`.
template <const ui::DialogTemplate& Template, int Title, ui::ControlRange Checks, FieldRef... Fields> struct FlagsOnly
{
    static constexpr auto bindings = flagColumn(Checks, {Fields...});
    static constexpr ParameterDialogSpec dialog{Template, sid(Title), runAfterTitle<Title, Checks>, bindings};
};

// GS1 DataBar-14 and Limited; the boxes run from the code ID down to the check digit, the bytes
// the other way. Expanded has the code ID only.
template <Literal Symbology, int Title, const ui::DialogTemplate& Template>
using DataBar =
    FlagsOnly<Template, Title, LaserDataBarChecks, readerField(twins::joined<"laser", Symbology, "TransmitCodeId">),
              readerField(twins::joined<"laser", Symbology, "TransmitApplicationId">),
              readerField(twins::joined<"laser", Symbology, "TransmitCheckDigit">)>;

}  // namespace

constexpr ParameterDialogSpec laserCode39Dialog =
    FlagsOnly<laserCode39Template, 651, LaserCode39Checks, readerField("laserCode39TransmitStartStop"),
              readerField("laserCode39VerifyCheckDigit"), readerField("laserCode39TransmitCheckDigit"),
              readerField("laserCode39FullAscii")>::dialog;

// The two Pharmacodes: one check box each.
constexpr ParameterDialogSpec italianPharmacodeDialog =
    FlagsOnly<italianPharmacodeTemplate, 661, PharmacodeChecks,
              readerField("laserItalianPharmacodeTransmitCheckDigit")>::dialog;
constexpr ParameterDialogSpec frenchPharmacodeDialog =
    FlagsOnly<frenchPharmacodeTemplate, 671, PharmacodeChecks,
              readerField("laserFrenchPharmacodeTransmitCheckDigit")>::dialog;

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

constexpr ParameterDialogSpec plesseyDialog =
    FlagsOnly<plesseyTemplate, 771, PlesseyChecks, readerField("laserPlesseyConvertToUkPlessey"),
              readerField("laserPlesseyTransmitCheckDigit")>::dialog;

constexpr ParameterDialogSpec laserUpcEDialog =
    FlagsOnly<laserUpcETemplate, 781, LaserUpcEChecks, readerField("laserUpcEConvertToUpcA"),
              readerField("laserUpcETransmitSystemNumber"), readerField("laserUpcETransmitCheckDigit")>::dialog;

constexpr ParameterDialogSpec laserEan8Dialog =
    FlagsOnly<laserEan8Template, 791, LaserEan8Checks, readerField("laserEan8ConvertToEan13"),
              readerField("laserEan8TransmitCheckDigit")>::dialog;

// EAN-13 and UPC-A.
constexpr ParameterDialogSpec laserEan13Dialog =
    FlagsOnly<laserEan13Template, 801, LaserEan13Checks, readerField("laserEan13IsbnConversion"),
              readerField("laserEan13IssnConversion"), readerField("laserEan13TransmitCheckDigit"),
              readerField("laserUpcATransmitSystemNumber"), readerField("laserUpcATransmitCheckDigit"),
              readerField("laserUpcAConvertToEan13")>::dialog;

// The terminal reads byte 63 as "original Telepen", so the first button stores 1.
constexpr int originalFirst[] = {1, 0};
constexpr ui::ControlRange telepenRadios{TelepenId::OriginalRadio, 2};
constexpr Binding telepenBindings[] = {
    radio(telepenRadios, readerField("laserTelepenOriginal"), originalFirst),
};
constexpr ParameterDialogSpec telepenDialog{telepenTemplate, sid(811), runAfterTitle<811, telepenRadios>,
                                            telepenBindings};

constexpr ParameterDialogSpec laserDataBar14Dialog = DataBar<"DataBar14", 821, laserDataBar14Template>::dialog;
constexpr ParameterDialogSpec laserDataBarLimitedDialog =
    DataBar<"DataBarLimited", 831, laserDataBarLimitedTemplate>::dialog;
constexpr ParameterDialogSpec laserDataBarExpandedDialog =
    FlagsOnly<laserDataBarExpandedTemplate, 841, LaserDataBarExpandedChecks,
              readerField("laserDataBarExpandedTransmitCodeId")>::dialog;

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
