// SPDX-License-Identifier: MIT
// INDUSTRIAL25_1DDLG, INTERLEAVE25_1DDLG and MATRIX25_1DDLG: the laser reader's 2 of 5 codes, one
// table placed at each code's seven bytes.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserTwoOfFiveId;
using project::reader_map::joined;
using project::reader_map::Literal;
using texts::sid;

template <Literal Symbology, int Title, const ui::DialogTemplate& (*Template)()> struct TwoOfFive
{
    static constexpr Binding bindings[] = {
        radio({Id::Industrial25Radio, 3}, readerField(joined<"laser", Symbology, "StartStop">)),
        flag(Id::VerifyCheckDigitCheck, readerField(joined<"laser", Symbology, "VerifyCheckDigit">)),
        flag(Id::TransmitCheckDigitCheck, readerField(joined<"laser", Symbology, "TransmitCheckDigit">)),
    };
    static constexpr LengthGroup lengths{
        .modeList = Id::FixedLengthRadio,
        .length1Edit = Id::Length1Edit,
        .length2Edit = Id::Length2Edit,
        .length1Label = Id::Length1Label,
        .length2Label = Id::Length2Label,
        .mode = readerField(joined<"laser", Symbology, "LengthSelection">),
        .firstLabel = sid(411),
        .style = LengthStyle::FixedOrMaxMin,
    };
    // The group boxes, the five radio buttons and the check boxes, in that order after the title.
    static constexpr ui::TextReplacement captions[] = {
        {Id::StartStopGroup, sid(Title + 1), 2},
        {Id::Industrial25Radio, sid(Title + 3), 5},
        {Id::VerifyCheckDigitCheck, sid(Title + 8), 2},
    };
    static constexpr ParameterDialogSpec dialog{
        .dialogTemplate = Template,
        .titleEntry = sid(Title),
        .captions = captions,
        .bindings = bindings,
        .lengthGroup = &lengths,
    };
};

}  // namespace

const ParameterDialogSpec& laserIndustrial25Dialog()
{
    return TwoOfFive<"Industrial25", 681, resources::laserIndustrial25Template>::dialog;
}
const ParameterDialogSpec& laserInterleaved25Dialog()
{
    return TwoOfFive<"Interleaved25", 701, resources::laserInterleaved25Template>::dialog;
}
const ParameterDialogSpec& laserMatrix25Dialog()
{
    return TwoOfFive<"Matrix25", 721, resources::laserMatrix25Template>::dialog;
}

}  // namespace editor::reader
