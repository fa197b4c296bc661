// SPDX-License-Identifier: MIT
// EAN8_1DEDLG: the long-range reader's EAN-8 parameters.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::Ean8LongRangeId;
using texts::sid;

constexpr Binding bindings[] = {
    upc_ean::supplementals<"longRange">(Id::SupplementalsList),
    upc_ean::redundancy<"longRange">(Id::RedundancyEdit),
    flag(Id::ConvertToEan13Check, readerField("longRangeEan8ConvertToEan13")),
};

constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
};

constexpr ui::TextReplacement captions[] = {
    {Id::SupplementalsLabel, sid(892)},
    {Id::ConvertToEan13Check, sid(893)},
    {Id::RedundancyLabel, sid(894)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::ean8LongRangeTemplate,
    .titleEntry = sid(891),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
};

}  // namespace

const ParameterDialogSpec& ean8LongRangeDialog() { return dialog; }

}  // namespace editor::reader
