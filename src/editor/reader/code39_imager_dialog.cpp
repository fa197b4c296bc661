// SPDX-License-Identifier: MIT
// CODE39_2DDLG: the Code 39 parameters of the 2D imager. Its bindings and rules are the table it
// shares with the long-range reader (twin_tables.h).
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Code39ImagerId;
using texts::sid;

constexpr LengthGroup lengths = twins::lengths<Id, "imager", "Code39">(twins::ImagerLengthLabels);

// Trioptic 39 (106) keeps its template text in every language.
constexpr ui::TextReplacement captions[] = {
    {Id::ConvertToCode32Check, sid(1012), 5},
    {Id::LengthModeLabel, sid(1017)},
};

}  // namespace

constexpr ParameterDialogSpec code39ImagerDialog{
    .dialogTemplate = resources::code39ImagerTemplate,
    .titleEntry = sid(1011),
    .captions = captions,
    .bindings = twins::code39<"imager">,
    .rules = twins::code39Rules,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace editor::reader
