// SPDX-License-Identifier: MIT
// EAN128_2DDLG: the GS1-128 parameters of the 2D imager: the character that replaces the field
// separator, kept in the system settings (empty: no replacement). Nothing is written before OK.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using Id = resources::Gs1128ImagerId;
using texts::sid;

constexpr ui::TextReplacement captions[] = {
    {Id::SeparatorLabel, sid(1232)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::gs1128ImagerTemplate,
    .titleEntry = sid(1231),
    .captions = captions,
    .bindings = twins::gs1128,
    .commit = CommitPolicy::OnOk,
};

}  // namespace

const ParameterDialogSpec& gs1128ImagerDialog() { return dialog; }

}  // namespace editor::reader
