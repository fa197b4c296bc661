// SPDX-License-Identifier: MIT
// UPCE1_2DDLG: the UPC-E1 parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::UpcE1ImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    upc_ean::preamble(Id::PreambleList, readerField("imagerUpcE1Preamble")),
    upc_ean::supplementals(Id::SupplementalsList),
    upc_ean::redundancy(Id::RedundancyEdit),
    flag(Id::TransmitCheckDigitCheck, readerField("imagerUpcE1TransmitCheckDigit")),
    flag(Id::ConvertToUpcACheck, readerField("imagerUpcE1ConvertToUpcA")),
    flag(Id::LinearDecodeCheck, readerField("imagerLinearUpcEanDecode")),
};

constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
};

constexpr ui::TextReplacement captions[] = {
    {Id::PreambleLabel, sid(992), 2},
    {Id::TransmitCheckDigitCheck, sid(994), 2},
    {Id::LinearDecodeCheck, sid(997)},
    {Id::RedundancyLabel, sid(998)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::upcE1ImagerTemplate,
    .titleEntry = sid(991),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& upcE1ImagerDialog() { return dialog; }

}  // namespace editor::reader
