// SPDX-License-Identifier: MIT
// CODE39_2DDLG: the Code 39 parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"

#include "resources/reader_templates.h"

namespace editor::reader {
namespace {

using Id = resources::Code39ImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::ConvertToCode32Check, readerField("imagerCode39ConvertToCode32")),
    flag(Id::Code32PrefixCheck, readerField("imagerCode39Code32Prefix")),
    flag(Id::VerifyCheckDigitCheck, readerField("imagerCode39VerifyCheckDigit")),
    flag(Id::TransmitCheckDigitCheck, readerField("imagerCode39TransmitCheckDigit")),
    flag(Id::FullAsciiCheck, readerField("imagerCode39FullAscii")),
    flag(Id::Trioptic39Check, readerField("imagerTrioptic39")),
};

// The prefix only means something for Code 32, the transmitted check digit only when it is verified.
constexpr EnablingRule rules[] = {
    enabledWhileChecked(Id::Code32PrefixCheck, Id::ConvertToCode32Check),
    enabledWhileChecked(Id::TransmitCheckDigitCheck, Id::VerifyCheckDigitCheck),
};

constexpr LengthGroup lengths{Id::LengthModeList, Id::Length1Edit,  Id::Length2Edit,
                              Id::Length1Label,   Id::Length2Label, readerField("imagerCode39LengthMode")};

// Trioptic 39 (106) keeps its template text in every language.
constexpr ui::TextReplacement captions[] = {
    {Id::ConvertToCode32Check, sid(1012), 5},
    {Id::LengthModeLabel, sid(1017)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::code39ImagerTemplate,
    .titleEntry = sid(1011),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& code39ImagerDialog() { return dialog; }

}  // namespace editor::reader
