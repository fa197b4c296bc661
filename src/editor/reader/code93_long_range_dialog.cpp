// SPDX-License-Identifier: MIT
// CODE93_1DEDLG: the long-range reader's Code 93 lengths.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Code93ImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "longRange", "Code93">(twins::LongRangeLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::LengthModeLabel, sid(912)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::code93LongRangeTemplate,
    .titleEntry = sid(911),
    .captions = captions,
    .bindings = {},
    .lengthGroup = &lengths,
};

}  // namespace

const ParameterDialogSpec& code93LongRangeDialog() { return dialog; }

}  // namespace editor::reader
