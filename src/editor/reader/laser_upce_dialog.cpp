// SPDX-License-Identifier: MIT
// UPCE_1DDLG: the laser reader's UPC-E parameters.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserUpcEId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::ConvertToUpcACheck, readerField("laserUpcEConvertToUpcA")),
    flag(Id::TransmitSystemNumberCheck, readerField("laserUpcETransmitSystemNumber")),
    flag(Id::TransmitCheckDigitCheck, readerField("laserUpcETransmitCheckDigit")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::ConvertToUpcACheck, sid(782), 3},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::laserUpcETemplate,
    .titleEntry = sid(781),
    .captions = captions,
    .bindings = bindings,
};

}  // namespace

const ParameterDialogSpec& laserUpcEDialog() { return dialog; }

}  // namespace editor::reader
