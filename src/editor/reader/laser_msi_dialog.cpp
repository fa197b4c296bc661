// SPDX-License-Identifier: MIT
// MSI_1DDLG: the laser reader's MSI, three radio groups and the fixed or max/min lengths.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserMsiId;
using texts::sid;

constexpr Binding bindings[] = {
    radio({Id::SingleModulo10Radio, 3}, readerField("laserMsiVerifyCheckDigit")),
    radio({Id::LastDigitNotTransmittedRadio, 3}, readerField("laserMsiTransmitCheckDigit")),
};

// The boxes take three characters of any kind; what is not a number becomes 1.
constexpr LengthGroup lengths{
    .modeList = Id::FixedLengthRadio,
    .length1Edit = Id::Length1Edit,
    .length2Edit = Id::Length2Edit,
    .length1Label = Id::Length1Label,
    .length2Label = Id::Length2Label,
    .mode = readerField("laserMsiLengthSelection"),
    .firstLabel = sid(411),
    .style = LengthStyle::FixedOrMaxMin,
    .isDigitsOnly = false,
};

constexpr ui::TextReplacement captions[] = {
    {Id::VerifyGroup, sid(752), 3},
    {Id::SingleModulo10Radio, sid(755), 8},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::laserMsiTemplate,
    .titleEntry = sid(751),
    .captions = captions,
    .bindings = bindings,
    .lengthGroup = &lengths,
};

}  // namespace

const ParameterDialogSpec& laserMsiDialog() { return dialog; }

}  // namespace editor::reader
