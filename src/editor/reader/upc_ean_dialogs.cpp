// SPDX-License-Identifier: MIT
// The UPC/EAN dialogs of the 2D imager and of the long-range reader. One table per symbology is
// placed in a reader's area by its field prefix; the 2D UPC dialogs add "Linear UPC/EAN Decode".
// Choosing the country-code preamble in a UPC-A dialog while the reader's coupon code is on asks
// with the note first. The 2D dialogs but EAN-13 copy the record when they open and put it back on
// Cancel; the long-range ones write nothing before OK.
#include <array>
#include <cstddef>
#include <span>

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
template <Literal Symbology>
constexpr auto upcEImagerBindings = withLinearDecode(upcE<"imager", Symbology>, UpcE0ImagerId::LinearDecodeCheck);

using Template = const ui::DialogTemplate& (*)();

// UPC-E0 and UPC-E1 of a reader, their captions from the title entry `Title` on.
template <Literal Area, Literal Symbology, int Title> constexpr ParameterDialogSpec upcEDialog(Template dialogTemplate)
{
    if constexpr (twins::joined<Area> == "imager") {
        return {dialogTemplate,
                sid(Title),
                upcEImagerCaptions<Title>,
                upcEImagerBindings<Symbology>,
                redundancyRules<UpcE0ImagerId>,
                nullptr,
                Snapshot};
    } else {
        return {dialogTemplate, sid(Title), upcELongRangeCaptions<Title>, upcE<Area, Symbology>,
                redundancyRules<UpcE0ImagerId>};
    }
}

// EAN-8 of a reader; the 2D dialog copies the record when it opens.
template <typename Id, Literal Area, int Title> constexpr ParameterDialogSpec ean8Dialog(Template dialogTemplate)
{
    const bool isImager = twins::joined<Area> == "imager";
    return {dialogTemplate,
            sid(Title),
            ean8Captions<Id, Title>,
            ean8<Id, Area>,
            redundancyRules<Id>,
            nullptr,
            isImager ? Snapshot : CommitPolicy::OnOk};
}

// EAN-13 of a reader: nothing is written before OK in either.
template <typename Id, Literal Area>
constexpr ParameterDialogSpec ean13Dialog(Template dialogTemplate, std::span<const ui::TextReplacement> captions)
{
    return {dialogTemplate, sid(1241), captions, ean13<Id, Area>, redundancyRules<Id>};
}

}  // namespace

constexpr ParameterDialogSpec upcAImagerDialog{
    resources::upcAImagerTemplate, sid(971), upcAImagerCaptions, upcAImagerBindings,
    redundancyRules<UpcAImagerId>, nullptr,  Snapshot,           upcAHooks<"imager">};
constexpr ParameterDialogSpec upcALongRangeDialog{
    resources::upcALongRangeTemplate, sid(861), upcALongRangeCaptions, upcA<"longRange">,
    redundancyRules<UpcAImagerId>,    nullptr,  CommitPolicy::OnOk,    upcAHooks<"longRange">};
constexpr ParameterDialogSpec upcE0ImagerDialog = upcEDialog<"imager", "UpcE0", 981>(resources::upcE0ImagerTemplate);
constexpr ParameterDialogSpec upcE1ImagerDialog = upcEDialog<"imager", "UpcE1", 991>(resources::upcE1ImagerTemplate);
constexpr ParameterDialogSpec upcE0LongRangeDialog =
    upcEDialog<"longRange", "UpcE0", 871>(resources::upcE0LongRangeTemplate);
constexpr ParameterDialogSpec upcE1LongRangeDialog =
    upcEDialog<"longRange", "UpcE1", 881>(resources::upcE1LongRangeTemplate);
constexpr ParameterDialogSpec ean8ImagerDialog =
    ean8Dialog<resources::Ean8ImagerId, "imager", 1001>(resources::ean8ImagerTemplate);
constexpr ParameterDialogSpec ean8LongRangeDialog =
    ean8Dialog<resources::Ean8LongRangeId, "longRange", 891>(resources::ean8LongRangeTemplate);
constexpr ParameterDialogSpec ean13ImagerDialog =
    ean13Dialog<resources::Ean13ImagerId, "imager">(resources::ean13ImagerTemplate, ean13ImagerCaptions);
constexpr ParameterDialogSpec ean13LongRangeDialog =
    ean13Dialog<resources::Ean13LongRangeId, "longRange">(resources::ean13LongRangeTemplate, ean13LongRangeCaptions);

}  // namespace editor::reader
