// SPDX-License-Identifier: MIT
// EAN8_2DDLG: the EAN-8 parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::Ean8ImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    upc_ean::supplementals(Id::SupplementalsList),
    upc_ean::redundancy(Id::RedundancyEdit),
    flag(Id::ConvertToEan13Check, readerField("imagerEan8ConvertToEan13")),
};

constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
};

constexpr ui::TextReplacement captions[] = {
    {Id::SupplementalsLabel, sid(1002)},
    {Id::ConvertToEan13Check, sid(1003)},
    {Id::RedundancyLabel, sid(1004)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::ean8ImagerTemplate,
    .titleEntry = sid(1001),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& ean8ImagerDialog() { return dialog; }

}  // namespace editor::reader
