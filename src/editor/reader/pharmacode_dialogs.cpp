// SPDX-License-Identifier: MIT
// ITALYPHARMA_1DDLG and FRENCHPHARMA_1DDLG: the laser reader's two Pharmacodes, one check box each.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::PharmacodeId;
using texts::sid;

constexpr Binding italianBindings[] = {
    flag(Id::TransmitCheckDigitCheck, readerField("laserItalianPharmacodeTransmitCheckDigit")),
};
constexpr ui::TextReplacement italianCaptions[] = {{Id::TransmitCheckDigitCheck, sid(662)}};

constexpr Binding frenchBindings[] = {
    flag(Id::TransmitCheckDigitCheck, readerField("laserFrenchPharmacodeTransmitCheckDigit")),
};
constexpr ui::TextReplacement frenchCaptions[] = {{Id::TransmitCheckDigitCheck, sid(672)}};

constexpr ParameterDialogSpec italian{
    .dialogTemplate = resources::italianPharmacodeTemplate,
    .titleEntry = sid(661),
    .captions = italianCaptions,
    .bindings = italianBindings,
};

constexpr ParameterDialogSpec french{
    .dialogTemplate = resources::frenchPharmacodeTemplate,
    .titleEntry = sid(671),
    .captions = frenchCaptions,
    .bindings = frenchBindings,
};

}  // namespace

const ParameterDialogSpec& italianPharmacodeDialog() { return italian; }
const ParameterDialogSpec& frenchPharmacodeDialog() { return french; }

}  // namespace editor::reader
