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
    return join(std::array{groupBox(Id::LengthGroup, "Select Length", row, 1),
                           choice(Id::FixedLengthRadio, "Fixed Length", row + 1, 0, 2),
                           choice(Id::MaxMinLengthRadio, "Max / Min Length", row + 1, 1, 2)},
                labelledEdit(Id::Length1Label, "Max Length :", Id::Length1Edit, row + 2),
                labelledEdit(Id::Length2Label, "Min Length :", Id::Length2Edit, row + 3));
}

// Check boxes of consecutive IDs from `first` down from the top, and the OK and Cancel row below.
template <std::size_t N> constexpr auto checksOnly(ui::ControlId first, const std::string_view (&texts)[N])
{
    return join(checkColumn(0, first, texts), okCancelRow(int(N)));
}

constexpr auto code39Controls =
    checksOnly(LaserCode39Id::TransmitStartStopCheck,
               {"Transmit Start/Stop Character", "Verify Check Digit", "Transmit Check Digit", "Code 39 Full ASCII"});
constexpr auto pharmacodeControls = checksOnly(PharmacodeId::TransmitCheckDigitCheck, {"Transmit Check Digit"});

using TwoOfFive = LaserTwoOfFiveId;
constexpr std::string_view twoOfFiveStartStop[] = {"Industrial 25", "Interleaved 25", "Matrix 25"};
constexpr std::string_view twoOfFiveChecks[] = {"Verify Check Digit", "Transmit Check Digit"};
constexpr auto twoOfFiveControls =
    join(radioGroup(TwoOfFive::StartStopGroup, "Start/Stop Selection", 0, 701, twoOfFiveStartStop),
         checkColumn(4, TwoOfFive::VerifyCheckDigitCheck, twoOfFiveChecks), lengthRows<TwoOfFive>(6), okCancelRow(10));

constexpr std::string_view codabarStartStop[] = {"None", "abcd / abcd", "abcd / tn*e", "ABCD / ABCD", "ABCD / TN*E"};
constexpr auto codabarControls =
    join(radioGroup(LaserCodabarId::StartStopGroup, "Transmit Start/Stop Character", 0, 701, codabarStartStop),
         okCancelRow(6));

constexpr std::string_view msiVerifications[] = {"Single Modulo 10", "Double Modulo 10", "Modulo 11 && 10"};
constexpr std::string_view msiTransmissions[] = {"Last digit not transmitted", "Both digits transmitted",
                                                 "Both digits not transmitted"};
constexpr auto msiControls =
    join(radioGroup(LaserMsiId::VerifyGroup, "Verify Check Digit", 0, 701, msiVerifications),
         radioGroup(LaserMsiId::TransmitGroup, "Transmit Check Digit", 4, 704, msiTransmissions),
         lengthRows<LaserMsiId>(8), okCancelRow(12));

constexpr auto plesseyControls =
    checksOnly(PlesseyId::ConvertToUkPlesseyCheck, {"Convert to UK Plessey", "Transmit Check Digit"});
constexpr auto upcEControls =
    checksOnly(LaserUpcEId::ConvertToUpcACheck, {"Convert to UPC-A", "Transmit System Number", "Transmit Check Digit"});
constexpr auto ean8Controls =
    checksOnly(LaserEan8Id::ConvertToEan13Check, {"Convert to EAN-13", "Transmit Check Digit"});
constexpr auto ean13Controls = checksOnly(
    LaserEan13Id::IsbnCheck, {"ISBN Conversion", "ISSN Conversion", "Transmit EAN-13 Check Digit",
                              "Transmit UPC-A System Number", "Transmit UPC-A Check Digit", "Convert UPC-A to EAN-13"});

constexpr auto telepenControls = join(std::array{choice(TelepenId::OriginalRadio, "Original Telepen  (Numeric)", 0),
                                                 choice(TelepenId::AimRadio, "AIM Telepen  (Full ASCII)", 1)},
                                      okCancelRow(2));

// GS1 DataBar Expanded has the first box only.
constexpr std::string_view dataBarCodeId = "Transmit Code ID : ]e0";
constexpr auto dataBarControls =
    checksOnly(LaserDataBarId::TransmitCodeIdCheck, {dataBarCodeId, "Transmit Application ID", "Transmit Check Digit"});
constexpr auto dataBarExpandedControls = checksOnly(LaserDataBarId::TransmitCodeIdCheck, {dataBarCodeId});

constexpr auto gs1128Controls =
    join(std::array{check(LaserGs1128Id::TransmitCodeIdCheck, "Transmit Code ID : ]C1", 0, Gs1128)},
         labelledEdit(LaserGs1128Id::SeparatorLabel, "Replace Field Separator :", LaserGs1128Id::SeparatorEdit, 1, 16,
                      Gs1128),
         okCancelRow(2, Gs1128));

constexpr auto laserCode39Dialog = parameterDialog("CODE39_1DDLG", "Code 39 Parameters", code39Controls);
constexpr auto italianPharmacodeDialog =
    parameterDialog("ITALYPHARMA_1DDLG", "Italian Pharmacode Parameters", pharmacodeControls);
constexpr auto frenchPharmacodeDialog =
    parameterDialog("FRENCHPHARMA_1DDLG", "French Pharmacode Parameters", pharmacodeControls);
constexpr auto laserIndustrial25Dialog =
    parameterDialog("INDUSTRIAL25_1DDLG", "Industrial 25 Parameters", twoOfFiveControls);
constexpr auto laserInterleaved25Dialog =
    parameterDialog("INTERLEAVE25_1DDLG", "Interleaved 25 Parameters", twoOfFiveControls);
constexpr auto laserMatrix25Dialog = parameterDialog("MATRIX25_1DDLG", "Matrix 25 Parameters", twoOfFiveControls);
constexpr auto laserCodabarDialog = parameterDialog("CODABAR_1DDLG", "Codabar Parameters", codabarControls);
constexpr auto laserMsiDialog = parameterDialog("MSI_1DDLG", "MSI Parameters", msiControls);
constexpr auto plesseyDialog = parameterDialog("PLESSEY_1DDLG", "Plessey Parameters", plesseyControls);
constexpr auto laserUpcEDialog = parameterDialog("UPCE_1DDLG", "UPC-E Parameters", upcEControls);
constexpr auto laserEan8Dialog = parameterDialog("EAN8_1DDLG", "EAN-8 Parameters", ean8Controls);
constexpr auto laserEan13Dialog = parameterDialog("EAN13_1DDLG", "EAN-13/UPC-A Parameters", ean13Controls);
constexpr auto telepenDialog = parameterDialog("TELEPEN_1DDLG", "Telepen Parameters", telepenControls);
constexpr auto laserDataBar14Dialog = parameterDialog("RSS14_1DDLG", "GS1 DataBar-14 Parameters", dataBarControls);
constexpr auto laserDataBarLimitedDialog =
    parameterDialog("RSS14LIMITED_1DDLG", "GS1 DataBar Limited Parameters", dataBarControls);
constexpr auto laserDataBarExpandedDialog =
    parameterDialog("RSS14EXPANDED_1DDLG", "GS1 DataBar Expanded Parameters", dataBarExpandedControls);
constexpr auto laserGs1128Dialog =
    parameterDialog("EAN128_1DDLG", "GS1-128 (EAN 128) Parameters", gs1128Controls, Gs1128);

}  // namespace

const ui::DialogTemplate& laserCode39Template() { return laserCode39Dialog; }
const ui::DialogTemplate& italianPharmacodeTemplate() { return italianPharmacodeDialog; }
const ui::DialogTemplate& frenchPharmacodeTemplate() { return frenchPharmacodeDialog; }
const ui::DialogTemplate& laserIndustrial25Template() { return laserIndustrial25Dialog; }
const ui::DialogTemplate& laserInterleaved25Template() { return laserInterleaved25Dialog; }
const ui::DialogTemplate& laserMatrix25Template() { return laserMatrix25Dialog; }
const ui::DialogTemplate& laserCodabarTemplate() { return laserCodabarDialog; }
const ui::DialogTemplate& laserMsiTemplate() { return laserMsiDialog; }
const ui::DialogTemplate& plesseyTemplate() { return plesseyDialog; }
const ui::DialogTemplate& laserUpcETemplate() { return laserUpcEDialog; }
const ui::DialogTemplate& laserEan8Template() { return laserEan8Dialog; }
const ui::DialogTemplate& laserEan13Template() { return laserEan13Dialog; }
const ui::DialogTemplate& telepenTemplate() { return telepenDialog; }
const ui::DialogTemplate& laserDataBar14Template() { return laserDataBar14Dialog; }
const ui::DialogTemplate& laserDataBarLimitedTemplate() { return laserDataBarLimitedDialog; }
const ui::DialogTemplate& laserDataBarExpandedTemplate() { return laserDataBarExpandedDialog; }
const ui::DialogTemplate& laserGs1128Template() { return laserGs1128Dialog; }

}  // namespace resources
