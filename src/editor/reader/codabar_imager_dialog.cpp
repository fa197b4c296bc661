// SPDX-License-Identifier: MIT
// CODABAR_2DDLG: the Codabar parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::CodabarImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::ClsiEditingCheck, readerField("imagerCodabarClsiEditing")),
    flag(Id::NotisEditingCheck, readerField("imagerCodabarNotisEditing")),
};

constexpr LengthGroup lengths{Id::LengthModeList, Id::Length1Edit,  Id::Length2Edit,
                              Id::Length1Label,   Id::Length2Label, readerField("imagerCodabarLengthMode")};

constexpr ui::TextReplacement captions[] = {
    {Id::ClsiEditingCheck, sid(1032), 2},
    {Id::LengthModeLabel, sid(1034)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::codabarImagerTemplate,
    .titleEntry = sid(1031),
    .captions = captions,
    .bindings = bindings,
    .lengthGroup = &lengths,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& codabarImagerDialog() { return dialog; }

}  // namespace editor::reader
