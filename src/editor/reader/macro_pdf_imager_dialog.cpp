// SPDX-License-Identifier: MIT
// MACROPDF_2DDLG: the Macro PDF parameters of the 2D imager. The control header is sent exactly
// in the mode "Transmit Any Symbol in Set/No Particular Order": its byte follows the mode list while
// the dialog is open, and Cancel takes it back with the snapshot.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::MacroPdfImagerId;
using texts::sid;

constexpr int AnySymbolInSet = 1;
constexpr int escapeValues[] = {0, 2};  // "None", "GLI Protocol"

constexpr Binding bindings[] = {
    list(Id::ModeList, sid(2121), 3, readerField("imagerMacroPdfMode")),
    list(Id::EscapeList, sid(2141), 2, readerField("imagerMacroPdfEscapeCharacters"), escapeValues),
};

// The template's control-header box stays hidden; it is only enabled in that mode.
constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::ControlHeaderCheck, Id::ModeList, 1U << AnySymbolInSet, WhenDisabled::Keep),
};

constexpr ui::TextReplacement captions[] = {
    {Id::ModeLabel, sid(1102)},
    {Id::ControlHeaderCheck, sid(1103)},
    {Id::EscapeLabel, sid(1104)},
};

void followMode(ParameterDialogModel& dialog, ui::ControlId)
{
    const bool isAnySymbolInSet = dialog.shown().selection(Id::ModeList) == AnySymbolInSet;
    dialog.byte(readerField("imagerMacroPdfControlHeader")) = isAnySymbolInSet ? 1 : 0;
}

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::macroPdfImagerTemplate,
    .titleEntry = sid(1101),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .commit = CommitPolicy::SnapshotOnOpen,
    .hooks = {.afterChange = followMode},
};

}  // namespace

const ParameterDialogSpec& macroPdfImagerDialog() { return dialog; }

}  // namespace editor::reader
