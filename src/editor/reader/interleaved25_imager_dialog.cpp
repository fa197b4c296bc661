// SPDX-License-Identifier: MIT
// INTERLEAVE25_2DDLG: the Interleaved 25 parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Interleaved25ImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "imager", "Interleaved25">(twins::ImagerLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::VerifyCheckDigitLabel, sid(1052)},
    {Id::TransmitCheckDigitCheck, sid(1053), 2},
    {Id::LengthModeLabel, sid(1055)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::interleaved25ImagerTemplate,
    .titleEntry = sid(1051),
    .captions = captions,
    .bindings = twins::interleaved25<"imager">,
    .rules = twins::interleaved25Rules,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& interleaved25ImagerDialog() { return dialog; }

}  // namespace editor::reader
