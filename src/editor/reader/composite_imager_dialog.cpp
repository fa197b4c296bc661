// SPDX-License-Identifier: MIT
// COMPOSITE_2DDLG: the composite codes of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::CompositeImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    flag(Id::CcCCheck, readerField("imagerCompositeCcC")),
    flag(Id::CcABCheck, readerField("imagerCompositeCcAB")),
    flag(Id::Tlc39Check, readerField("imagerCompositeTlc39")),
    flag(Id::Gs1128EmulationCheck, readerField("imagerGs1128EmulationMode")),
    list(Id::UpcModeList, sid(2101), 3, readerField("imagerUpcCompositeMode")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::CcCCheck, sid(1132), 4},
    {Id::UpcModeLabel, sid(1136)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::compositeImagerTemplate,
    .titleEntry = sid(1131),
    .captions = captions,
    .bindings = bindings,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& compositeImagerDialog() { return dialog; }

}  // namespace editor::reader
