// SPDX-License-Identifier: MIT
// UPCE_2DDLG: the UPC-E0 parameters of the 2D imager.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::UpcE0ImagerId;
using texts::sid;

constexpr Binding bindings[] = {
    upc_ean::preamble(Id::PreambleList, readerField("imagerUpcE0Preamble")),
    upc_ean::supplementals(Id::SupplementalsList),
    upc_ean::redundancy(Id::RedundancyEdit),
    flag(Id::TransmitCheckDigitCheck, readerField("imagerUpcE0TransmitCheckDigit")),
    flag(Id::ConvertToUpcACheck, readerField("imagerUpcE0ConvertToUpcA")),
    flag(Id::LinearDecodeCheck, readerField("imagerLinearUpcEanDecode")),
};

constexpr EnablingRule rules[] = {
    enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
    enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
};

constexpr ui::TextReplacement captions[] = {
    {Id::PreambleLabel, sid(982), 2},
    {Id::TransmitCheckDigitCheck, sid(984), 2},
    {Id::LinearDecodeCheck, sid(987)},
    {Id::RedundancyLabel, sid(988)},
};

constexpr ParameterDialogSpec dialog{
    .dialogTemplate = resources::upcE0ImagerTemplate,
    .titleEntry = sid(981),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .commit = CommitPolicy::SnapshotOnOpen,
};

}  // namespace

const ParameterDialogSpec& upcE0ImagerDialog() { return dialog; }

}  // namespace editor::reader
