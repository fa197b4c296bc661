// SPDX-License-Identifier: MIT
// CODE93_2DDLG: the Code 93 parameters of the 2D imager: the length group alone.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Code93ImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "imager", "Code93">(twins::ImagerLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::LengthModeLabel, sid(1022)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::code93ImagerTemplate,
    .titleEntry = sid(1021),
    .captions = captions,
    .bindings = {},
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& code93ImagerDialog() { return dialog; }

}  // namespace editor::reader
