// SPDX-License-Identifier: MIT
// DISCRETE25_2DDLG: the Industrial 25 parameters of the 2D imager: the length group alone.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Industrial25ImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "imager", "Industrial25">(twins::ImagerLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::LengthModeLabel, sid(1042)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::industrial25ImagerTemplate,
    .titleEntry = sid(1041),
    .captions = captions,
    .bindings = {},
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& industrial25ImagerDialog() { return dialog; }

}  // namespace editor::reader
