// SPDX-License-Identifier: MIT
// CODABAR_1DEDLG: the long-range reader's Codabar parameters.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::CodabarImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "longRange", "Codabar">(twins::LongRangeLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::ClsiEditingCheck, sid(942), 2},
    {Id::LengthModeLabel, sid(944)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::codabarLongRangeTemplate,
    .titleEntry = sid(941),
    .captions = captions,
    .bindings = twins::codabar<"longRange">,
    .lengthGroup = &lengths,
};

}  // namespace

const ParameterDialogSpec& codabarLongRangeDialog() { return dialog; }

}  // namespace editor::reader
