// SPDX-License-Identifier: MIT
// CODE11_2DDLG: the Code 11 parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::Code11ImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    list(Id::VerifyCheckDigitList, sid(2161), 3, readerField("imagerCode11VerifyCheckDigit")),
    flag(Id::TransmitCheckDigitCheck, readerField("imagerCode11TransmitCheckDigit")),
};

// A check digit is only transmitted when one or two are verified.
constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::TransmitCheckDigitCheck, Id::VerifyCheckDigitList, 0b110),
};

constexpr LengthGroup lengths{Id::LengthModeList, Id::Length1Edit,  Id::Length2Edit,
                              Id::Length1Label,   Id::Length2Label, readerField("imagerCode11LengthMode")};

constexpr ui::TextReplacement captions[] = {
    {Id::VerifyCheckDigitLabel, sid(1092)},
    {Id::TransmitCheckDigitCheck, sid(1093)},
    {Id::LengthModeLabel, sid(1094)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::code11ImagerTemplate,
    .titleEntry = sid(1091),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& code11ImagerDialog() { return dialog; }

}  // namespace editor::reader
