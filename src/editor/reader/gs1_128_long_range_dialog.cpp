// SPDX-License-Identifier: MIT
// EAN128_1DEDLG: the GS1-128 field separator, from the long-range reader's Barcode page.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Gs1128ImagerId;
using texts::sid;

constexpr ui::TextReplacement captions[] = {
    {Id::SeparatorLabel, sid(1222)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::gs1128LongRangeTemplate,
    .titleEntry = sid(1221),
    .captions = captions,
    .bindings = twins::gs1128,
};

}  // namespace

const ParameterDialogSpec& gs1128LongRangeDialog() { return dialog; }

}  // namespace editor::reader
