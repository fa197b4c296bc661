// SPDX-License-Identifier: MIT
// CODABAR_1DDLG: how the laser reader transmits Codabar's start and stop characters.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserCodabarId;
using texts::sid;

constexpr Binding bindings[] = {
    radio({Id::NoneRadio, 5}, readerField("laserCodabarTransmitStartStop")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::StartStopGroup, sid(742)},
    {Id::NoneRadio, sid(743), 5},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::laserCodabarTemplate,
    .titleEntry = sid(741),
    .captions = captions,
    .bindings = bindings,
};

}  // namespace

const ParameterDialogSpec& laserCodabarDialog() { return dialog; }

}  // namespace editor::reader
