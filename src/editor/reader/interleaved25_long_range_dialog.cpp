// SPDX-License-Identifier: MIT
// INTERLEAVE25_1DEDLG: the long-range reader's Interleaved 25 parameters; the only dialog of this
// reader that copies the record when it opens and puts it back on Cancel.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Interleaved25ImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "longRange", "Interleaved25">(twins::LongRangeLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::TransmitCheckDigitCheck, sid(933), 2},
    {Id::LengthModeLabel, sid(935)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::interleaved25LongRangeTemplate,
    .titleEntry = sid(931),
    .captions = captions,
    .bindings = twins::interleaved25<"longRange">,
    .rules = twins::interleaved25Rules,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& interleaved25LongRangeDialog() { return dialog; }

}  // namespace editor::reader
