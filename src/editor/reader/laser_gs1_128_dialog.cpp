// SPDX-License-Identifier: MIT
// EAN128_1DDLG: the laser reader's GS1-128 code ID and the field separator that every reader shares.
#include "editor/reader/reader_dialogs.h"
#include "resources/laser_templates.h"

namespace editor::reader {
namespace {

using Id = resources::LaserGs1128Id;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::TransmitCodeIdCheck, readerField("laserGs1128TransmitCodeId")),
    character(Id::SeparatorEdit, deviceField("gs1Separator")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::TransmitCodeIdCheck, sid(852)},
    {Id::SeparatorLabel, sid(853)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::laserGs1128Template,
    .titleEntry = sid(851),
    .captions = captions,
    .bindings = bindings,
};

}  // namespace

const ParameterDialogSpec& laserGs1128Dialog() { return dialog; }

}  // namespace editor::reader
