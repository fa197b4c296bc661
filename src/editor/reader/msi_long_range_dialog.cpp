// SPDX-License-Identifier: MIT
// MSI_1DEDLG: the long-range reader's MSI parameters.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::MsiImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "longRange", "Msi">(twins::LongRangeLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::TransmitCheckDigitCheck, sid(962)},
    {Id::CheckDigitsLabel, sid(963), 2},
    {Id::LengthModeLabel, sid(965)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::msiLongRangeTemplate,
    .titleEntry = sid(961),
    .captions = captions,
    .bindings = twins::msi<"longRange">,
    .rules = twins::msiRules,
    .lengthGroup = &lengths,
};

}  // namespace

const ParameterDialogSpec& msiLongRangeDialog() { return dialog; }

}  // namespace editor::reader
