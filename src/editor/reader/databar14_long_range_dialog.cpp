// SPDX-License-Identifier: MIT
// RSS14_1DEDLG: the long-range reader's GS1 DataBar conversion.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::DataBar14ImagerId;
using texts::sid;

constexpr ui::TextReplacement captions[] = {
    {Id::ConvertToUpcEanCheck, sid(952)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::dataBar14LongRangeTemplate,
    .titleEntry = sid(951),
    .captions = captions,
    .bindings = twins::dataBar14<"longRange">,
};

}  // namespace

const ParameterDialogSpec& dataBar14LongRangeDialog() { return dialog; }

}  // namespace editor::reader
