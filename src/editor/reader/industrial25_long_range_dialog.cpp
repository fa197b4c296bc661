// SPDX-License-Identifier: MIT
// DISCRETE25_1DEDLG: the long-range reader's Industrial 25 lengths.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Industrial25ImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "longRange", "Industrial25">(twins::LongRangeLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::LengthModeLabel, sid(922)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::industrial25LongRangeTemplate,
    .titleEntry = sid(921),
    .captions = captions,
    .bindings = {},
    .lengthGroup = &lengths,
};

}  // namespace

const ParameterDialogSpec& industrial25LongRangeDialog() { return dialog; }

}  // namespace editor::reader
