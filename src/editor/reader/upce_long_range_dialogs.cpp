// SPDX-License-Identifier: MIT
// UPCE_1DEDLG and UPCE1_1DEDLG: the long-range reader's UPC-E0 and UPC-E1 parameters, one table
// for both. They share the supplementals and the redundancy with every UPC/EAN dialog of this reader.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/upc_ean.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::UpcE0ImagerId;  // UPC-E1's controls are the same
using project::reader_map::joined;
using project::reader_map::Literal;
using texts::sid;

template <Literal Symbology, int Title, const ui::DialogTemplate& (*Template)()> struct UpcE
{
    static constexpr Binding bindings[] = {
        upc_ean::preamble(Id::PreambleList, readerField(joined<"longRange", Symbology, "Preamble">)),
        upc_ean::supplementals<"longRange">(Id::SupplementalsList),
        upc_ean::redundancy<"longRange">(Id::RedundancyEdit),
        flag(Id::TransmitCheckDigitCheck, readerField(joined<"longRange", Symbology, "TransmitCheckDigit">)),
        flag(Id::ConvertToUpcACheck, readerField(joined<"longRange", Symbology, "ConvertToUpcA">)),
    };
    static constexpr EnablingRule rules[] = {
        enabledWhileSelected(Id::RedundancyEdit, Id::SupplementalsList, upc_ean::WithSupplementals),
        enabledWhileSelected(Id::RedundancyLabel, Id::SupplementalsList, upc_ean::WithSupplementals),
    };
    static constexpr ui::TextReplacement captions[] = {
        {Id::PreambleLabel, sid(Title + 1), 2},
        {Id::TransmitCheckDigitCheck, sid(Title + 3), 2},
        {Id::RedundancyLabel, sid(Title + 6)},
    };
    static constexpr ParameterDialogSpec dialog{
        .dialogTemplate = Template,
        .titleEntry = sid(Title),
        .captions = captions,
        .bindings = bindings,
        .rules = rules,
    };
};

}  // namespace

const ParameterDialogSpec& upcE0LongRangeDialog()
{
    return UpcE<"UpcE0", 871, resources::upcE0LongRangeTemplate>::dialog;
}
const ParameterDialogSpec& upcE1LongRangeDialog()
{
    return UpcE<"UpcE1", 881, resources::upcE1LongRangeTemplate>::dialog;
}

}  // namespace editor::reader
