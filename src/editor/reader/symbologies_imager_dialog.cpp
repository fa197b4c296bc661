// SPDX-License-Identifier: MIT
// SYMBOLOGIES_2DDLG: the 2D symbologies of the imager.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::SymbologiesImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::Pdf417Check, readerField("imagerPdf417")),
    flag(Id::MicroPdf417Check, readerField("imagerMicroPdf417")),
    flag(Id::Code128EmulationCheck, readerField("imagerCode128Emulation")),
    flag(Id::DataMatrixCheck, readerField("imagerDataMatrix")),
    flag(Id::MaxicodeCheck, readerField("imagerMaxicode")),
    flag(Id::QrCodeCheck, readerField("imagerQrCode")),
};

// Code 128 emulation belongs to MicroPDF417; its mark is kept (and stored) while MicroPDF417 is off.
constexpr EnablingRule rules[] = {
    enabledWhileChecked(Id::Code128EmulationCheck, Id::MicroPdf417Check, WhenDisabled::Keep),
};

constexpr ui::TextReplacement captions[] = {
    {Id::Pdf417Check, sid(1142), 6},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::symbologiesImagerTemplate,
    .titleEntry = sid(1141),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& symbologiesImagerDialog() { return dialog; }

}  // namespace editor::reader
