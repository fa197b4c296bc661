// SPDX-License-Identifier: MIT
// CODE39_1DEDLG: the long-range reader's Code 39 parameters, the 2D table without "Trioptic 39".
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Code39ImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "longRange", "Code39">(twins::LongRangeLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::ConvertToCode32Check, sid(902), 5},
    {Id::LengthModeLabel, sid(907)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::code39LongRangeTemplate,
    .titleEntry = sid(901),
    .captions = captions,
    .bindings = std::span<const Binding>(twins::code39<"longRange">).first(5),
    .rules = twins::code39Rules,
    .lengthGroup = &lengths,
};

}  // namespace

const ParameterDialogSpec& code39LongRangeDialog() { return dialog; }

}  // namespace editor::reader
