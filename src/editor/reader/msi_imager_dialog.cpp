// SPDX-License-Identifier: MIT
// MSI_2DDLG: the MSI parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::MsiImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::TransmitCheckDigitCheck, readerField("imagerMsiTransmitCheckDigit")),
    list(Id::CheckDigitsList, sid(2061), 2, readerField("imagerMsiCheckDigits")),
    list(Id::CheckAlgorithmList, sid(2081), 2, readerField("imagerMsiCheckAlgorithm")),
};

// The algorithm only matters with two check digits; the choice is kept while it does not.
constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::CheckAlgorithmList, Id::CheckDigitsList, 0b10, WhenDisabled::Keep),
    enabledWhileSelected(Id::CheckAlgorithmLabel, Id::CheckDigitsList, 0b10),
};

constexpr LengthGroup lengths{Id::LengthModeList, Id::Length1Edit,  Id::Length2Edit,
                              Id::Length1Label,   Id::Length2Label, readerField("imagerMsiLengthMode")};

constexpr ui::TextReplacement captions[] = {
    {Id::TransmitCheckDigitCheck, sid(1072)},
    {Id::CheckDigitsLabel, sid(1073), 2},
    {Id::LengthModeLabel, sid(1075)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::msiImagerTemplate,
    .titleEntry = sid(1071),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& msiImagerDialog() { return dialog; }

}  // namespace editor::reader
