// SPDX-License-Identifier: MIT
// The three faces of the Barcode page. Rows, captions and buttons follow the template's numbering:
// check box N has the "more..." button N + 400.
#include "editor/reader/barcode_page_tables.h"

#include "editor/reader/upc_ean.h"

namespace editor::reader {
namespace {

using Id = resources::BarcodePageId;
using texts::sid;

constexpr ui::ControlId id(int value) { return ui::ControlId(value); }

// The row's "more..." button is enabled while its check box is checked.
constexpr EnablingRule moreWhileChecked(int checkBox)
{
    return enabledWhileChecked(id(checkBox + 400), id(checkBox), WhenDisabled::Keep);
}

// --- Type 1: 1D laser/CCD ---

constexpr Binding laserBehaviour[] = {
    list(Id::FirstBehaviourList, sid(1821), 9, readerField("laserScanMode")),
    list(Id::SecondBehaviourList, sid(1841), 4, readerField("laserReadRedundancy")),
    number(Id::TimeoutEdit, readerField("laserTimeout"), 1, 99, 3),
    flag(Id::NegativeBarcodeCheck, readerField("laserNegativeBarcode")),
    flag(Id::GtinCheck, readerField("laserGtin")),
};
constexpr ui::ControlId laserLabels[] = {Id::FirstBehaviourLabel, Id::SecondBehaviourLabel, Id::TimeoutLabel,
                                         Id::TimeoutUnitLabel};
constexpr ui::TextReplacement laserCaptions[] = {{Id::FirstBehaviourLabel, sid(351), 4},
                                                 {Id::NegativeBarcodeCheck, sid(355), 2}};

constexpr Binding laserSymbologies[] = {
    flag(id(101), readerField("laserCode39")),
    flag(id(102), readerField("laserItalianPharmacode")),
    flag(id(103), readerField("laserFrenchPharmacode")),
    flag(id(104), readerField("laserIndustrial25")),
    flag(id(105), readerField("laserInterleaved25")),
    flag(id(106), readerField("laserMatrix25")),
    flag(id(107), readerField("laserCodabar")),
    flag(id(108), readerField("laserMsi")),
    flag(id(109), readerField("laserPlessey")),
    flag(id(110), readerField("laserUpcE")),
    flag(id(111), readerField("laserUpcEAddon2")),
    flag(id(112), readerField("laserUpcEAddon5")),
    flag(id(113), readerField("laserEan8")),
    flag(id(114), readerField("laserEan8Addon2")),
    flag(id(115), readerField("laserEan8Addon5")),
    flag(id(116), readerField("laserEan13")),
    flag(id(117), readerField("laserEan13Addon2")),
    flag(id(118), readerField("laserEan13Addon5")),
    flag(id(119), readerField("laserTelepen")),
    flag(id(120), readerField("laserDataBar14")),
    flag(id(121), readerField("laserDataBarLimited")),
    flag(id(122), readerField("laserDataBarExpanded")),
    flag(id(123), readerField("laserCode93")),
    flag(id(124), readerField("laserCode128")),
    flag(id(125), readerField("laserGs1128")),
    flag(id(126), readerField("laserIsbt128")),
};

constexpr ui::ControlId laserButtons[] = {id(501), id(502), id(503), id(504), id(505), id(506),
                                          id(507), id(508), id(509), id(510), id(513), id(516),
                                          id(519), id(520), id(521), id(522), id(525)};
constexpr EnablingRule laserRules[] = {
    moreWhileChecked(101), moreWhileChecked(102), moreWhileChecked(103), moreWhileChecked(104), moreWhileChecked(105),
    moreWhileChecked(106), moreWhileChecked(107), moreWhileChecked(108), moreWhileChecked(109), moreWhileChecked(110),
    moreWhileChecked(113), moreWhileChecked(116), moreWhileChecked(119), moreWhileChecked(120), moreWhileChecked(121),
    moreWhileChecked(122), moreWhileChecked(125),
};

constexpr ReaderTypePage laser{
    .readerType = 1,
    .firstRowCaption = sid(371),
    .rowCount = 26,
    .behaviour = laserBehaviour,
    .behaviourLabels = laserLabels,
    .behaviourCaptions = laserCaptions,
    .symbologies = laserSymbologies,
    .buttons = laserButtons,
    .rules = laserRules,
    .coupled = std::pair{id(120), id(122)},  // GS1 DataBar-14 and GS1 DataBar Expanded
};

// --- Type 2: 1D extra long range ---

constexpr Binding longRangeBehaviour[] = {
    number(Id::AimDurationEdit, readerField("longRangeAimDuration"), 0, 99, 3),
    number(Id::DecodeTimeoutEdit, readerField("longRangeDecodeTimeout"), 5, 99, 3),
};
constexpr ui::ControlId longRangeLabels[] = {Id::AimDurationLabel, Id::AimDurationUnitLabel, Id::DecodeTimeoutLabel,
                                             Id::DecodeTimeoutUnitLabel};
constexpr ui::TextReplacement longRangeCaptions[] = {{Id::AimDurationLabel, sid(431), 4}};

constexpr Binding longRangeSymbologies[] = {
    flag(id(101), readerField("longRangeUpcA")),
    flag(id(102), readerField("longRangeUpcE0")),
    flag(id(103), readerField("longRangeUpcE1")),
    flag(id(104), readerField("longRangeEan8")),
    flag(id(105), readerField("longRangeEan13")),
    flag(id(106), readerField("longRangeBooklandEan")),
    flag(id(107), readerField("longRangeCode128")),
    flag(id(108), readerField("longRangeGs1128")),
    flag(id(109), readerField("longRangeIsbt128")),
    flag(id(110), readerField("longRangeCode39")),
    flag(id(111), readerField("longRangeTrioptic39")),
    flag(id(112), readerField("longRangeCode93")),
    flag(id(113), readerField("longRangeCodabar")),
    flag(id(114), readerField("longRangeIndustrial25")),
    flag(id(115), readerField("longRangeInterleaved25")),
    flag(id(116), readerField("longRangeDataBar14")),
    flag(id(117), readerField("longRangeDataBarLimited")),
    flag(id(118), readerField("longRangeDataBarExpanded")),
    flag(id(119), readerField("longRangeMsi")),
};

constexpr ui::ControlId longRangeButtons[] = {id(501), id(502), id(503), id(504), id(505), id(508), id(510),
                                              id(512), id(513), id(514), id(515), id(516), id(519), id(520)};
constexpr EnablingRule longRangeRules[] = {
    moreWhileChecked(101),
    moreWhileChecked(102),
    moreWhileChecked(103),
    moreWhileChecked(104),
    moreWhileChecked(105),
    moreWhileChecked(108),
    moreWhileChecked(110),
    moreWhileChecked(112),
    moreWhileChecked(113),
    moreWhileChecked(114),
    moreWhileChecked(115),
    // One GS1 DataBar dialog for DataBar-14 and DataBar Limited.
    moreWhileChecked(116),
    enabledWhileChecked(id(516), id(117), WhenDisabled::Keep),
    moreWhileChecked(119),
    moreWhileChecked(120),
    enabledWhileChecked(BooklandCheck, Ean13Check, WhenDisabled::Clear),
};

constexpr ui::ControlId longRangeForcingGs1128[] = {id(505)};
constexpr CouponRow longRangeCoupon{id(120), id(520), readerField("longRangeUpcA"),
                                    upc_ean::couponBytes<"longRange">, longRangeForcingGs1128};

constexpr ui::ControlId upcEanWrittenAtOnce[] = {UpcACheck, Ean13Check, Gs1128Check};

constexpr ReaderTypePage longRange{
    .readerType = 2,
    .firstRowCaption = sid(451),
    .rowCount = 20,
    .behaviour = longRangeBehaviour,
    .behaviourLabels = longRangeLabels,
    .behaviourCaptions = longRangeCaptions,
    .symbologies = longRangeSymbologies,
    .writtenAtOnce = upcEanWrittenAtOnce,
    .buttons = longRangeButtons,
    .rules = longRangeRules,
    .coupon = &longRangeCoupon,
};

// --- Type 3: 2D ---

constexpr Binding imagerBehaviour[] = {
    list(Id::FirstBehaviourList, sid(1881), 2, readerField("imagerDecodeIllumination")),
    list(Id::SecondBehaviourList, sid(1881), 2, readerField("imagerAimerPattern")),
    number(Id::TimeoutEdit, readerField("imagerTimeout"), 5, 99, 3),
    list(Id::FocusList, sid(1891), 3, readerField("imagerImageFocus")),
};
constexpr ui::ControlId imagerLabels[] = {Id::FirstBehaviourLabel, Id::SecondBehaviourLabel, Id::TimeoutLabel,
                                          Id::TimeoutUnitLabel, Id::FocusLabel};
constexpr ui::TextReplacement imagerCaptions[] = {{Id::FirstBehaviourLabel, sid(511), 4}, {Id::FocusLabel, sid(515)}};
// Older files hold other non-zero values for "Turn on".
constexpr FieldRef imagerNormalised[] = {readerField("imagerDecodeIllumination")};

constexpr Binding imagerSymbologies[] = {
    flag(id(101), readerField("imagerUpcA")),
    flag(id(102), readerField("imagerUpcE0")),
    flag(id(103), readerField("imagerUpcE1")),
    flag(id(104), readerField("imagerEan8")),
    flag(id(105), readerField("imagerEan13")),
    flag(id(106), readerField("imagerBooklandEan")),
    flag(id(107), readerField("imagerCode128")),
    flag(id(108), readerField("imagerGs1128")),
    flag(id(109), readerField("imagerIsbt128")),
    flag(id(110), readerField("imagerCode39")),
    flag(id(111), readerField("imagerCode93")),
    flag(id(112), readerField("imagerCodabar")),
    flag(id(113), readerField("imagerIndustrial25")),
    flag(id(114), readerField("imagerInterleaved25")),
    flag(id(115), readerField("imagerDataBar14")),
    flag(id(116), readerField("imagerDataBarLimited")),
    flag(id(117), readerField("imagerDataBarExpanded")),
    flag(id(118), readerField("imagerMsi")),
    flag(id(119), readerField("imagerCode11")),
    flag(id(120), readerField("imageCaptureOn")),
};

constexpr ui::ControlId imagerButtons[] = {id(501),
                                           id(502),
                                           id(503),
                                           id(504),
                                           id(505),
                                           id(508),
                                           id(510),
                                           id(511),
                                           id(512),
                                           id(513),
                                           id(514),
                                           id(515),
                                           id(518),
                                           id(519),
                                           id(520),
                                           id(521),
                                           Id::PostalButton,
                                           Id::CompositeButton,
                                           Id::SymbologiesButton,
                                           Id::MacroPdfButton};
constexpr EnablingRule imagerRules[] = {
    moreWhileChecked(101),
    moreWhileChecked(102),
    moreWhileChecked(103),
    moreWhileChecked(104),
    moreWhileChecked(105),
    moreWhileChecked(108),
    moreWhileChecked(110),
    moreWhileChecked(111),
    moreWhileChecked(112),
    moreWhileChecked(113),
    moreWhileChecked(114),
    // One GS1 DataBar dialog for DataBar-14 and DataBar Limited.
    moreWhileChecked(115),
    enabledWhileChecked(id(515), id(116), WhenDisabled::Keep),
    moreWhileChecked(118),
    moreWhileChecked(119),
    moreWhileChecked(120),
    moreWhileChecked(121),
    enabledWhileChecked(BooklandCheck, Ean13Check, WhenDisabled::Clear),
};

constexpr ui::ControlId imagerForcingGs1128[] = {id(501), id(505)};
constexpr CouponRow imagerCoupon{id(121), id(521), readerField("imagerUpcA"), upc_ean::couponBytes<"imager">,
                                 imagerForcingGs1128};

constexpr ui::ControlId imagerWrittenAtOnce[] = {UpcACheck, Ean13Check, Gs1128Check, id(120)};

constexpr ReaderTypePage imager{
    .readerType = 3,
    .firstRowCaption = sid(531),
    .rowCount = 21,
    .behaviour = imagerBehaviour,
    .behaviourLabels = imagerLabels,
    .behaviourCaptions = imagerCaptions,
    .normalisedFlags = imagerNormalised,
    .symbologies = imagerSymbologies,
    .writtenAtOnce = imagerWrittenAtOnce,
    .buttons = imagerButtons,
    .rules = imagerRules,
    .coupon = &imagerCoupon,
    .imageCaptureCheck = id(120),
};

constexpr ui::ControlId behaviourControls[] = {
    Id::NegativeBarcodeCheck, Id::GtinCheck,
    Id::FirstBehaviourLabel,  Id::SecondBehaviourLabel,
    Id::TimeoutLabel,         Id::TimeoutUnitLabel,
    Id::AimDurationLabel,     Id::AimDurationUnitLabel,
    Id::DecodeTimeoutLabel,   Id::DecodeTimeoutUnitLabel,
    Id::FocusLabel,           Id::FirstBehaviourList,
    Id::SecondBehaviourList,  Id::FocusList,
    Id::TimeoutEdit,          Id::AimDurationEdit,
    Id::DecodeTimeoutEdit,
};

}  // namespace

const ReaderTypePage& laserPage() { return laser; }
const ReaderTypePage& longRangePage() { return longRange; }
const ReaderTypePage& imagerPage() { return imager; }

const ReaderTypePage* readerTypePage(int readerType)
{
    switch (readerType) {
    case 1:
        return &laser;
    case 2:
        return &longRange;
    case 3:
        return &imager;
    default:
        return nullptr;
    }
}

std::span<const ui::ControlId> allBehaviourControls() { return behaviourControls; }

}  // namespace editor::reader
