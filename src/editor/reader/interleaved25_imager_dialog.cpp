// SPDX-License-Identifier: MIT
// INTERLEAVE25_2DDLG: the Interleaved 25 parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::Interleaved25ImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    list(Id::VerifyCheckDigitList, sid(2070), 3, readerField("imagerInterleaved25VerifyCheckDigit")),
    flag(Id::TransmitCheckDigitCheck, readerField("imagerInterleaved25TransmitCheckDigit")),
    flag(Id::ConvertToEan13Check, readerField("imagerInterleaved25ConvertToEan13")),
};

// A check digit is only transmitted when one is verified ("USS" or "OPCC", not "Disable").
constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::TransmitCheckDigitCheck, Id::VerifyCheckDigitList, 0b110),
};

constexpr LengthGroup lengths{Id::LengthModeList, Id::Length1Edit,  Id::Length2Edit,
                              Id::Length1Label,   Id::Length2Label, readerField("imagerInterleaved25LengthMode")};

constexpr ui::TextReplacement captions[] = {
    {Id::VerifyCheckDigitLabel, sid(1052)},
    {Id::TransmitCheckDigitCheck, sid(1053), 2},
    {Id::LengthModeLabel, sid(1055)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::interleaved25ImagerTemplate,
    .titleEntry = sid(1051),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& interleaved25ImagerDialog() { return dialog; }

}  // namespace editor::reader
