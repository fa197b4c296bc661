// SPDX-License-Identifier: MIT
// CODE39_1DDLG: the laser reader's Code 39 parameters, four independent flags.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserCode39Id;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::TransmitStartStopCheck, readerField("laserCode39TransmitStartStop")),
    flag(Id::VerifyCheckDigitCheck, readerField("laserCode39VerifyCheckDigit")),
    flag(Id::TransmitCheckDigitCheck, readerField("laserCode39TransmitCheckDigit")),
    flag(Id::FullAsciiCheck, readerField("laserCode39FullAscii")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::TransmitStartStopCheck, sid(652), 4},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::laserCode39Template,
    .titleEntry = sid(651),
    .captions = captions,
    .bindings = bindings,
};

}  // namespace

const ParameterDialogSpec& laserCode39Dialog() { return dialog; }

}  // namespace editor::reader
