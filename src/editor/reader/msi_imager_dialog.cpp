// SPDX-License-Identifier: MIT
// MSI_2DDLG: the MSI parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::MsiImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "imager", "Msi">(twins::ImagerLengthLabels);

constexpr ui::TextReplacement captions[] = {
    {Id::TransmitCheckDigitCheck, sid(1072)},
    {Id::CheckDigitsLabel, sid(1073), 2},
    {Id::LengthModeLabel, sid(1075)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::msiImagerTemplate,
    .titleEntry = sid(1071),
    .captions = captions,
    .bindings = twins::msi<"imager">,
    .rules = twins::msiRules,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& msiImagerDialog() { return dialog; }

}  // namespace editor::reader
