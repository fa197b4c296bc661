// SPDX-License-Identifier: MIT
// EAN13_1DDLG: the laser reader's EAN-13 and UPC-A parameters.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserEan13Id;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::IsbnCheck, readerField("laserEan13IsbnConversion")),
    flag(Id::IssnCheck, readerField("laserEan13IssnConversion")),
    flag(Id::TransmitEan13CheckDigitCheck, readerField("laserEan13TransmitCheckDigit")),
    flag(Id::TransmitUpcASystemNumberCheck, readerField("laserUpcATransmitSystemNumber")),
    flag(Id::TransmitUpcACheckDigitCheck, readerField("laserUpcATransmitCheckDigit")),
    flag(Id::ConvertUpcAToEan13Check, readerField("laserUpcAConvertToEan13")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::IsbnCheck, sid(802), 6},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::laserEan13Template,
    .titleEntry = sid(801),
    .captions = captions,
    .bindings = bindings,
};

}  // namespace

const ParameterDialogSpec& laserEan13Dialog() { return dialog; }

}  // namespace editor::reader
