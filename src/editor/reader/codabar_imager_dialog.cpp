// SPDX-License-Identifier: MIT
// CODABAR_2DDLG: the Codabar parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::CodabarImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "imager", "Codabar">(twins::ImagerLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::ClsiEditingCheck, sid(1032), 2},
    {Id::LengthModeLabel, sid(1034)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::codabarImagerTemplate,
    .titleEntry = sid(1031),
    .captions = captions,
    .bindings = twins::codabar<"imager">,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& codabarImagerDialog() { return dialog; }

}  // namespace editor::reader
