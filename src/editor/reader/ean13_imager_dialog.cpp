// SPDX-License-Identifier: MIT
// EAN13DLG_2D: the EAN-13 parameters of the 2D imager. Nothing is written before OK,
// so Cancel simply closes.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::Ean13ImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    upc_ean::supplementals(Id::SupplementalsList),
    upc_ean::redundancy(Id::RedundancyEdit),
};

constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
};

constexpr ui::TextReplacement captions[] = {
    {Id::SupplementalsLabel, sid(1242), 2},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::ean13ImagerTemplate,
    .titleEntry = sid(1241),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .commit = CommitPolicy::OnOk,
};

}  // namespace

const ParameterDialogSpec& ean13ImagerDialog() { return dialog; }

}  // namespace editor::reader
