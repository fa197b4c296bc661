// SPDX-License-Identifier: MIT
// RSS14_2DDLG: the GS1 DataBar-14 parameters of the 2D imager: one flag.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::DataBar14ImagerId;
using texts::sid;

constexpr ui::TextReplacement captions[] = {
    {Id::ConvertToUpcEanCheck, sid(1062)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::dataBar14ImagerTemplate,
    .titleEntry = sid(1061),
    .captions = captions,
    .bindings = twins::dataBar14<"imager">,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& dataBar14ImagerDialog() { return dialog; }

}  // namespace editor::reader
