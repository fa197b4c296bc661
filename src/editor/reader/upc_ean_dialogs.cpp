// SPDX-License-Identifier: MIT
// The UPC/EAN dialogs of the 2D imager and of the long-range reader. One table per symbology is
// placed in a reader's area by its field prefix; the 2D UPC dialogs add "Linear UPC/EAN Decode".
// Choosing the country-code preamble in a UPC-A dialog while the reader's coupon code is on asks
// with the note first. The 2D dialogs but EAN-13 copy the record when they open and put it back on
// Cancel; the long-range ones write nothing before OK.
#include <array>
#include <cstddef>

#include "editor/reader/coupon_code_note_dialog.h"
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"
#include "editor/reader/upc_ean.h"

namespace editor::reader {
namespace {

using resources::UpcAImagerId;
using resources::UpcE0ImagerId;
using texts::sid;
using twins::field;
using twins::Literal;
using upc_ean::redundancyRules;

constexpr CommitPolicy Snapshot = CommitPolicy::SnapshotOnOpen;

// `bindings` and the 2D imager's "Linear UPC/EAN Decode" box `control`.
template <std::size_t N>
constexpr std::array<Binding, N + 1> withLinearDecode(const std::array<Binding, N>& bindings, ui::ControlId control)
{
    std::array<Binding, N + 1> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = bindings[i];
    all[N] = flag(control, readerField("imagerLinearUpcEanDecode"));
    return all;
}

template <Literal Area> constexpr const CouponBytes& coupon = upc_ean::couponBytes<Area>;
template <Literal Area>
constexpr std::array<Binding, 4> upcA{
    upc_ean::preamble(UpcAImagerId::PreambleList, coupon<Area>.upcAPreamble),
    upc_ean::supplementals<Area>(UpcAImagerId::SupplementalsList),
    upc_ean::redundancy<Area>(UpcAImagerId::RedundancyEdit),
    flag(UpcAImagerId::TransmitCheckDigitCheck, field<Area, "UpcATransmitCheckDigit">),
};
template <Literal Area> bool confirmPreamble(ParameterDialogModel& dialog)
{
    return confirmCountryCodePreamble(dialog, coupon<Area>, UpcAImagerId::PreambleList);
}
template <Literal Area> void endCoupon(ParameterDialogModel& dialog) { endUpcACoupon(dialog, coupon<Area>); }
template <Literal Area>
constexpr ParameterHooks upcAHooks{.beforeStore = confirmPreamble<Area>, .afterStore = endCoupon<Area>};

// UPC-E0 and UPC-E1 alike, each with bytes of its own.
template <Literal Area, Literal Symbology>
constexpr std::array<Binding, 5> upcE{
    upc_ean::preamble(UpcE0ImagerId::PreambleList, readerField(twins::joined<Area, Symbology, "Preamble">)),
    upc_ean::supplementals<Area>(UpcE0ImagerId::SupplementalsList),
    upc_ean::redundancy<Area>(UpcE0ImagerId::RedundancyEdit),
    flag(UpcE0ImagerId::TransmitCheckDigitCheck, readerField(twins::joined<Area, Symbology, "TransmitCheckDigit">)),
    flag(UpcE0ImagerId::ConvertToUpcACheck, readerField(twins::joined<Area, Symbology, "ConvertToUpcA">)),
};

// EAN-13 has the supplementals alone, EAN-8 converts to EAN-13 too.
template <typename Id, Literal Area>
constexpr Binding ean13[] = {upc_ean::supplementals<Area>(Id::SupplementalsList),
                             upc_ean::redundancy<Area>(Id::RedundancyEdit)};
template <typename Id, Literal Area>
constexpr Binding ean8[] = {upc_ean::supplementals<Area>(Id::SupplementalsList),
                            upc_ean::redundancy<Area>(Id::RedundancyEdit),
                            flag(Id::ConvertToEan13Check, field<Area, "Ean8ConvertToEan13">)};

// Captions from the title entry `Title` on.
constexpr ui::TextReplacement upcAImagerCaptions[] = {
    {UpcAImagerId::PreambleLabel, sid(972), 2},
    {UpcAImagerId::TransmitCheckDigitCheck, sid(974)},
    {UpcAImagerId::LinearDecodeCheck, sid(976)},
    {UpcAImagerId::RedundancyLabel, sid(977)},
};
constexpr ui::TextReplacement upcALongRangeCaptions[] = {
    {UpcAImagerId::PreambleLabel, sid(862), 2},
    {UpcAImagerId::TransmitCheckDigitCheck, sid(864)},
    {UpcAImagerId::RedundancyLabel, sid(866)},
};
template <int Title>
constexpr ui::TextReplacement upcEImagerCaptions[] = {
    {UpcE0ImagerId::PreambleLabel, sid(Title + 1), 2},
    {UpcE0ImagerId::TransmitCheckDigitCheck, sid(Title + 3), 2},
    {UpcE0ImagerId::LinearDecodeCheck, sid(Title + 6)},
    {UpcE0ImagerId::RedundancyLabel, sid(Title + 7)},
};
template <int Title>
constexpr ui::TextReplacement upcELongRangeCaptions[] = {
    {UpcE0ImagerId::PreambleLabel, sid(Title + 1), 2},
    {UpcE0ImagerId::TransmitCheckDigitCheck, sid(Title + 3), 2},
    {UpcE0ImagerId::RedundancyLabel, sid(Title + 6)},
};
template <typename Id, int Title>
constexpr ui::TextReplacement ean8Captions[] = {
    {Id::SupplementalsLabel, sid(Title + 1)},
    {Id::ConvertToEan13Check, sid(Title + 2)},
    {Id::RedundancyLabel, sid(Title + 3)},
};
// The long-range EAN-13 takes the 2D dialog's entries; its redundancy label keeps its own text.
constexpr ui::TextReplacement ean13ImagerCaptions[] = {{resources::Ean13ImagerId::SupplementalsLabel, sid(1242), 2}};
constexpr ui::TextReplacement ean13LongRangeCaptions[] = {{resources::Ean13LongRangeId::SupplementalsLabel, sid(1242)}};

constexpr auto upcAImagerBindings = withLinearDecode(upcA<"imager">, UpcAImagerId::LinearDecodeCheck);
constexpr auto upcE0ImagerBindings = withLinearDecode(upcE<"imager", "UpcE0">, UpcE0ImagerId::LinearDecodeCheck);
constexpr auto upcE1ImagerBindings = withLinearDecode(upcE<"imager", "UpcE1">, UpcE0ImagerId::LinearDecodeCheck);

constexpr ParameterDialogSpec upcAImager{
    resources::upcAImagerTemplate, sid(971), upcAImagerCaptions, upcAImagerBindings,
    redundancyRules<UpcAImagerId>, nullptr,  Snapshot,           upcAHooks<"imager">};
constexpr ParameterDialogSpec upcALongRange{
    resources::upcALongRangeTemplate, sid(861), upcALongRangeCaptions, upcA<"longRange">,
    redundancyRules<UpcAImagerId>,    nullptr,  CommitPolicy::OnOk,    upcAHooks<"longRange">};
constexpr ParameterDialogSpec upcE0Imager{resources::upcE0ImagerTemplate,
                                          sid(981),
                                          upcEImagerCaptions<981>,
                                          upcE0ImagerBindings,
                                          redundancyRules<UpcE0ImagerId>,
                                          nullptr,
                                          Snapshot};
constexpr ParameterDialogSpec upcE1Imager{resources::upcE1ImagerTemplate,
                                          sid(991),
                                          upcEImagerCaptions<991>,
                                          upcE1ImagerBindings,
                                          redundancyRules<UpcE0ImagerId>,
                                          nullptr,
                                          Snapshot};
constexpr ParameterDialogSpec upcE0LongRange{resources::upcE0LongRangeTemplate, sid(871), upcELongRangeCaptions<871>,
                                             upcE<"longRange", "UpcE0">, redundancyRules<UpcE0ImagerId>};
constexpr ParameterDialogSpec upcE1LongRange{resources::upcE1LongRangeTemplate, sid(881), upcELongRangeCaptions<881>,
                                             upcE<"longRange", "UpcE1">, redundancyRules<UpcE0ImagerId>};
constexpr ParameterDialogSpec ean8Imager{resources::ean8ImagerTemplate,
                                         sid(1001),
                                         ean8Captions<resources::Ean8ImagerId, 1001>,
                                         ean8<resources::Ean8ImagerId, "imager">,
                                         redundancyRules<resources::Ean8ImagerId>,
                                         nullptr,
                                         Snapshot};
constexpr ParameterDialogSpec ean8LongRange{
    resources::ean8LongRangeTemplate, sid(891), ean8Captions<resources::Ean8LongRangeId, 891>,
    ean8<resources::Ean8LongRangeId, "longRange">, redundancyRules<resources::Ean8LongRangeId>};
constexpr ParameterDialogSpec ean13Imager{resources::ean13ImagerTemplate, sid(1241), ean13ImagerCaptions,
                                          ean13<resources::Ean13ImagerId, "imager">,
                                          redundancyRules<resources::Ean13ImagerId>};
constexpr ParameterDialogSpec ean13LongRange{resources::ean13LongRangeTemplate, sid(1241), ean13LongRangeCaptions,
                                             ean13<resources::Ean13LongRangeId, "longRange">,
                                             redundancyRules<resources::Ean13LongRangeId>};

}  // namespace

const ParameterDialogSpec& upcAImagerDialog() { return upcAImager; }
const ParameterDialogSpec& upcALongRangeDialog() { return upcALongRange; }
const ParameterDialogSpec& upcE0ImagerDialog() { return upcE0Imager; }
const ParameterDialogSpec& upcE1ImagerDialog() { return upcE1Imager; }
const ParameterDialogSpec& upcE0LongRangeDialog() { return upcE0LongRange; }
const ParameterDialogSpec& upcE1LongRangeDialog() { return upcE1LongRange; }
const ParameterDialogSpec& ean8ImagerDialog() { return ean8Imager; }
const ParameterDialogSpec& ean8LongRangeDialog() { return ean8LongRange; }
const ParameterDialogSpec& ean13ImagerDialog() { return ean13Imager; }
const ParameterDialogSpec& ean13LongRangeDialog() { return ean13LongRange; }

}  // namespace editor::reader
