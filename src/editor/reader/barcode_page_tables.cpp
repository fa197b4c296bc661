// SPDX-License-Identifier: MIT
// The three faces of the Barcode page. Rows, captions and buttons follow the template's numbering:
// check box N has the "more..." button N + 400.
#include "editor/reader/barcode_page_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "editor/reader/upc_ean.h"

namespace editor::reader {
namespace {

using Id = resources::BarcodePageId;
using texts::sid;

constexpr ui::ControlId id(int value) { return ui::ControlId(value); }

// The symbology rows of a type: the check boxes from 101 on, each bound to the enable byte of its
// field; the "more..." buttons of the check boxes `moreRows`, each enabled while its box is
// checked; then the type's further buttons and rules.
template <std::size_t Checks, std::size_t More, std::size_t Buttons, std::size_t Rules> struct RowTables
{
    std::array<Binding, Checks> checks{};
    std::array<ui::ControlId, More + Buttons> buttons{};
    std::array<EnablingRule, More + Rules> rules{};

    constexpr operator SymbologyRows() const
    {
        return {checks, buttons, rules};
    }  // NOLINT(google-explicit-constructor)
};

template <std::size_t Checks, std::size_t More, std::size_t Buttons = 0, std::size_t Rules = 0>
consteval RowTables<Checks, More, Buttons, Rules>
rowTables(const std::string_view (&fields)[Checks], const int (&moreRows)[More],
          const std::array<ui::ControlId, Buttons>& buttons = {}, const std::array<EnablingRule, Rules>& rules = {})
{
    RowTables<Checks, More, Buttons, Rules> rows;
    for (std::size_t i = 0; i < Checks; ++i) {
        rows.checks[i] = flag(id(101 + static_cast<int>(i)), readerField(fields[i]));
    }
    for (std::size_t i = 0; i < More; ++i) {
        rows.buttons[i] = id(moreRows[i] + 400);
        rows.rules[i] = enabledWhileChecked(id(moreRows[i] + 400), id(moreRows[i]), WhenDisabled::Keep);
    }
    std::copy(buttons.begin(), buttons.end(), rows.buttons.begin() + More);
    std::copy(rules.begin(), rules.end(), rows.rules.begin() + More);
    return rows;
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

constexpr std::string_view laserRows[] = {"laserCode39",
                                          "laserItalianPharmacode",
                                          "laserFrenchPharmacode",
                                          "laserIndustrial25",
                                          "laserInterleaved25",
                                          "laserMatrix25",
                                          "laserCodabar",
                                          "laserMsi",
                                          "laserPlessey",
                                          "laserUpcE",
                                          "laserUpcEAddon2",
                                          "laserUpcEAddon5",
                                          "laserEan8",
                                          "laserEan8Addon2",
                                          "laserEan8Addon5",
                                          "laserEan13",
                                          "laserEan13Addon2",
                                          "laserEan13Addon5",
                                          "laserTelepen",
                                          "laserDataBar14",
                                          "laserDataBarLimited",
                                          "laserDataBarExpanded",
                                          "laserCode93",
                                          "laserCode128",
                                          "laserGs1128",
                                          "laserIsbt128"};
constexpr int laserMoreRows[] = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 113, 116, 119, 120, 121, 122, 125};
constexpr auto laserTables = rowTables(laserRows, laserMoreRows);

constexpr ReaderTypePage laser{
    .readerType = 1,
    .firstRowCaption = sid(371),
    .behaviour = {laserBehaviour, laserLabels, laserCaptions},
    .rows = laserTables,
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

// Row 120 is the coupon code.
constexpr std::string_view longRangeRows[] = {
    "longRangeUpcA",      "longRangeUpcE0",          "longRangeUpcE1",
    "longRangeEan8",      "longRangeEan13",          "longRangeBooklandEan",
    "longRangeCode128",   "longRangeGs1128",         "longRangeIsbt128",
    "longRangeCode39",    "longRangeTrioptic39",     "longRangeCode93",
    "longRangeCodabar",   "longRangeIndustrial25",   "longRangeInterleaved25",
    "longRangeDataBar14", "longRangeDataBarLimited", "longRangeDataBarExpanded",
    "longRangeMsi"};
constexpr int longRangeMoreRows[] = {101, 102, 103, 104, 105, 108, 110, 112, 113, 114, 115, 116, 119, 120};
// One GS1 DataBar dialog for DataBar-14 and DataBar Limited.
constexpr auto longRangeTables =
    rowTables(longRangeRows, longRangeMoreRows, {},
              std::array{enabledWhileChecked(id(516), id(117), WhenDisabled::Keep),
                         enabledWhileChecked(BooklandCheck, Ean13Check, WhenDisabled::Clear)});

constexpr ui::ControlId longRangeForcingGs1128[] = {id(505)};
constexpr CouponRow longRangeCoupon{id(120), id(520), readerField("longRangeUpcA"), upc_ean::couponBytes<"longRange">,
                                    longRangeForcingGs1128};

constexpr ReaderTypePage longRange{
    .readerType = 2,
    .firstRowCaption = sid(451),
    .behaviour = {longRangeBehaviour, longRangeLabels, longRangeCaptions},
    .rows = longRangeTables,
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

// Row 120 switches image capture, row 121 is the coupon code.
constexpr std::string_view imagerRows[] = {
    "imagerUpcA",           "imagerUpcE0",           "imagerUpcE1",        "imagerEan8",          "imagerEan13",
    "imagerBooklandEan",    "imagerCode128",         "imagerGs1128",       "imagerIsbt128",       "imagerCode39",
    "imagerCode93",         "imagerCodabar",         "imagerIndustrial25", "imagerInterleaved25", "imagerDataBar14",
    "imagerDataBarLimited", "imagerDataBarExpanded", "imagerMsi",          "imagerCode11",        "imageCaptureOn"};
constexpr int imagerMoreRows[] = {101, 102, 103, 104, 105, 108, 110, 111, 112, 113, 114, 115, 118, 119, 120, 121};
// One GS1 DataBar dialog for DataBar-14 and DataBar Limited.
constexpr auto imagerTables = rowTables(
    imagerRows, imagerMoreRows,
    std::array<ui::ControlId, 4>{Id::PostalButton, Id::CompositeButton, Id::SymbologiesButton, Id::MacroPdfButton},
    std::array{enabledWhileChecked(id(515), id(116), WhenDisabled::Keep),
               enabledWhileChecked(BooklandCheck, Ean13Check, WhenDisabled::Clear)});

constexpr ui::ControlId imagerForcingGs1128[] = {id(501), id(505)};
constexpr CouponRow imagerCoupon{id(121), id(521), readerField("imagerUpcA"), upc_ean::couponBytes<"imager">,
                                 imagerForcingGs1128};

constexpr ReaderTypePage imager{
    .readerType = 3,
    .firstRowCaption = sid(531),
    .behaviour = {imagerBehaviour, imagerLabels, imagerCaptions, imagerNormalised},
    .rows = imagerTables,
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
