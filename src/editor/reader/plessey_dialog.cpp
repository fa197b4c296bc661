// SPDX-License-Identifier: MIT
// PLESSEY_1DDLG: the laser reader's Plessey parameters.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::PlesseyId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::ConvertToUkPlesseyCheck, readerField("laserPlesseyConvertToUkPlessey")),
    flag(Id::TransmitCheckDigitCheck, readerField("laserPlesseyTransmitCheckDigit")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::ConvertToUkPlesseyCheck, sid(772), 2},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::plesseyTemplate,
    .titleEntry = sid(771),
    .captions = captions,
    .bindings = bindings,
};

}  // namespace

const ParameterDialogSpec& plesseyDialog() { return dialog; }

}  // namespace editor::reader
