// SPDX-License-Identifier: MIT
#include "resources/laser_templates.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "resources/parameter_layout.h"

namespace resources {
namespace {

using namespace layout;

constexpr Columns Gs1128{190, 104};

// A frame titled on `row` around radio buttons of consecutive IDs from `first`, one a row.
template <std::size_t N>
constexpr auto radioGroup(ui::ControlId frame, std::string_view title, int row, int first,
                          const std::string_view (&choices)[N])
{
    std::array<ui::ControlTemplate, N + 1> group{groupBox(frame, title, row, int(N))};
    for (std::size_t i = 0; i < N; ++i)
        group[i + 1] = choice(ui::ControlId(first + int(i)), choices[i], row + 1 + int(i));
    return group;
}

// "Select Length": the fixed or maximum and minimum lengths, four rows from `row`.
template <typename Id> constexpr auto lengthRows(int row)
{
    return concat(std::array{groupBox(Id::LengthGroup, "Select Length", row, 1),
                           choice(Id::FixedLengthRadio, "Fixed Length", row + 1, 0, 2),
                           choice(Id::MaxMinLengthRadio, "Max / Min Length", row + 1, 1, 2)},
                labelledEdit(Id::Length1Label, "Max Length :", Id::Length1Edit, row + 2),
                labelledEdit(Id::Length2Label, "Min Length :", Id::Length2Edit, row + 3));
}

constexpr auto code39Controls = checksOnly(LaserCode39Checks, {"Transmit Start/Stop Character", "Verify Check Digit",
                                                               "Transmit Check Digit", "Code 39 Full ASCII"});
constexpr auto pharmacodeControls = checksOnly(PharmacodeChecks, {"Transmit Check Digit"});

using TwoOfFive = LaserTwoOfFiveId;
constexpr std::string_view twoOfFiveStartStop[] = {"Industrial 25", "Interleaved 25", "Matrix 25"};
constexpr std::string_view twoOfFiveChecks[] = {"Verify Check Digit", "Transmit Check Digit"};
constexpr auto twoOfFiveControls =
    concat(radioGroup(TwoOfFive::StartStopGroup, "Start/Stop Selection", 0, 701, twoOfFiveStartStop),
         checkColumn(4, TwoOfFive::VerifyCheckDigitCheck, twoOfFiveChecks), lengthRows<TwoOfFive>(6), okCancelRow(10));

constexpr std::string_view codabarStartStop[] = {"None", "abcd / abcd", "abcd / tn*e", "ABCD / ABCD", "ABCD / TN*E"};
constexpr auto codabarControls =
    concat(radioGroup(LaserCodabarId::StartStopGroup, "Transmit Start/Stop Character", 0, 701, codabarStartStop),
         okCancelRow(6));

constexpr std::string_view msiVerifications[] = {"Single Modulo 10", "Double Modulo 10", "Modulo 11 && 10"};
constexpr std::string_view msiTransmissions[] = {"Last digit not transmitted", "Both digits transmitted",
                                                 "Both digits not transmitted"};
constexpr auto msiControls =
    concat(radioGroup(LaserMsiId::VerifyGroup, "Verify Check Digit", 0, 701, msiVerifications),
         radioGroup(LaserMsiId::TransmitGroup, "Transmit Check Digit", 4, 704, msiTransmissions),
         lengthRows<LaserMsiId>(8), okCancelRow(12));

constexpr auto plesseyControls = checksOnly(PlesseyChecks, {"Convert to UK Plessey", "Transmit Check Digit"});
constexpr auto upcEControls =
    checksOnly(LaserUpcEChecks, {"Convert to UPC-A", "Transmit System Number", "Transmit Check Digit"});
constexpr auto ean8Controls = checksOnly(LaserEan8Checks, {"Convert to EAN-13", "Transmit Check Digit"});
constexpr auto ean13Controls = checksOnly(
    LaserEan13Checks, {"ISBN Conversion", "ISSN Conversion", "Transmit EAN-13 Check Digit",
                       "Transmit UPC-A System Number", "Transmit UPC-A Check Digit", "Convert UPC-A to EAN-13"});

constexpr auto telepenControls = concat(std::array{choice(TelepenId::OriginalRadio, "Original Telepen  (Numeric)", 0),
                                                 choice(TelepenId::AimRadio, "AIM Telepen  (Full ASCII)", 1)},
                                      okCancelRow(2));

// GS1 DataBar Expanded has the first box only.
constexpr std::string_view dataBarCodeId = "Transmit Code ID : ]e0";
constexpr auto dataBarControls =
    checksOnly(LaserDataBarChecks, {dataBarCodeId, "Transmit Application ID", "Transmit Check Digit"});
constexpr auto dataBarExpandedControls = checksOnly(LaserDataBarExpandedChecks, {dataBarCodeId});

constexpr auto gs1128Controls =
    concat(std::array{check(LaserGs1128Id::TransmitCodeIdCheck, "Transmit Code ID : ]C1", 0, Gs1128)},
         labelledEdit(LaserGs1128Id::SeparatorLabel, "Replace Field Separator :", LaserGs1128Id::SeparatorEdit, 1, 16,
                      Gs1128),
         okCancelRow(2, Gs1128));

}  // namespace

constexpr ui::DialogTemplate laserCode39Template =
    parameterDialog("CODE39_1DDLG", "Code 39 Parameters", code39Controls);
constexpr ui::DialogTemplate italianPharmacodeTemplate =
    parameterDialog("ITALYPHARMA_1DDLG", "Italian Pharmacode Parameters", pharmacodeControls);
constexpr ui::DialogTemplate frenchPharmacodeTemplate =
    parameterDialog("FRENCHPHARMA_1DDLG", "French Pharmacode Parameters", pharmacodeControls);
constexpr ui::DialogTemplate laserIndustrial25Template =
    parameterDialog("INDUSTRIAL25_1DDLG", "Industrial 25 Parameters", twoOfFiveControls);
constexpr ui::DialogTemplate laserInterleaved25Template =
    parameterDialog("INTERLEAVE25_1DDLG", "Interleaved 25 Parameters", twoOfFiveControls);
constexpr ui::DialogTemplate laserMatrix25Template =
    parameterDialog("MATRIX25_1DDLG", "Matrix 25 Parameters", twoOfFiveControls);
constexpr ui::DialogTemplate laserCodabarTemplate =
    parameterDialog("CODABAR_1DDLG", "Codabar Parameters", codabarControls);
constexpr ui::DialogTemplate laserMsiTemplate = parameterDialog("MSI_1DDLG", "MSI Parameters", msiControls);
constexpr ui::DialogTemplate plesseyTemplate = parameterDialog("PLESSEY_1DDLG", "Plessey Parameters", plesseyControls);
constexpr ui::DialogTemplate laserUpcETemplate = parameterDialog("UPCE_1DDLG", "UPC-E Parameters", upcEControls);
constexpr ui::DialogTemplate laserEan8Template = parameterDialog("EAN8_1DDLG", "EAN-8 Parameters", ean8Controls);
constexpr ui::DialogTemplate laserEan13Template =
    parameterDialog("EAN13_1DDLG", "EAN-13/UPC-A Parameters", ean13Controls);
constexpr ui::DialogTemplate telepenTemplate = parameterDialog("TELEPEN_1DDLG", "Telepen Parameters", telepenControls);
constexpr ui::DialogTemplate laserDataBar14Template =
    parameterDialog("RSS14_1DDLG", "GS1 DataBar-14 Parameters", dataBarControls);
constexpr ui::DialogTemplate laserDataBarLimitedTemplate =
    parameterDialog("RSS14LIMITED_1DDLG", "GS1 DataBar Limited Parameters", dataBarControls);
constexpr ui::DialogTemplate laserDataBarExpandedTemplate =
    parameterDialog("RSS14EXPANDED_1DDLG", "GS1 DataBar Expanded Parameters", dataBarExpandedControls);
constexpr ui::DialogTemplate laserGs1128Template =
    parameterDialog("EAN128_1DDLG", "GS1-128 (EAN 128) Parameters", gs1128Controls, Gs1128);

}  // namespace resources
