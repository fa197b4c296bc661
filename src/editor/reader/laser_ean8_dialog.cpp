// SPDX-License-Identifier: MIT
// EAN8_1DDLG: the laser reader's EAN-8 parameters.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserEan8Id;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::ConvertToEan13Check, readerField("laserEan8ConvertToEan13")),
    flag(Id::TransmitCheckDigitCheck, readerField("laserEan8TransmitCheckDigit")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::ConvertToEan13Check, sid(792), 2},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::laserEan8Template,
    .titleEntry = sid(791),
    .captions = captions,
    .bindings = bindings,
};

}  // namespace

const ParameterDialogSpec& laserEan8Dialog() { return dialog; }

}  // namespace editor::reader
