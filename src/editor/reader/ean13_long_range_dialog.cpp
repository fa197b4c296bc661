// SPDX-License-Identifier: MIT
// EAN13_1DEDLG: the long-range reader's EAN-13 parameters, the supplementals and the redundancy
// that every UPC/EAN dialog of this reader shares. Its captions are those of the 2D EAN-13 dialog;
// the redundancy label keeps its own text.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::Ean13LongRangeId;
using texts::sid;

constexpr Binding bindings[] = {
    upc_ean::supplementals<"longRange">(Id::SupplementalsList),
    upc_ean::redundancy<"longRange">(Id::RedundancyEdit),
};

constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
};

constexpr ui::TextReplacement captions[] = {
    {Id::SupplementalsLabel, sid(1242)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::ean13LongRangeTemplate,
    .titleEntry = sid(1241),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
};

}  // namespace

const ParameterDialogSpec& ean13LongRangeDialog() { return dialog; }

}  // namespace editor::reader
