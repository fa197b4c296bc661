// SPDX-License-Identifier: MIT
// POSTAL_2DDLG: the postal codes the 2D imager reads, flags only.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::PostalImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::UsPostnetCheck, readerField("imagerUsPostnet")),
    flag(Id::UsPlanetCheck, readerField("imagerUsPlanet")),
    flag(Id::UsCheckDigitCheck, readerField("imagerUsPostalTransmitCheckDigit")),
    flag(Id::UkPostalCheck, readerField("imagerUkPostal")),
    flag(Id::UkCheckDigitCheck, readerField("imagerUkPostalTransmitCheckDigit")),
    flag(Id::JapanPostalCheck, readerField("imagerJapanPostal")),
    flag(Id::AustralianPostalCheck, readerField("imagerAustralianPostal")),
    flag(Id::DutchPostalCheck, readerField("imagerDutchPostal")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::UsPostnetCheck, sid(1112), 8},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::postalImagerTemplate,
    .titleEntry = sid(1111),
    .captions = captions,
    .bindings = bindings,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& postalImagerDialog() { return dialog; }

}  // namespace editor::reader
