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

// A column of check boxes from the top and the OK and Cancel row below it.
template <std::size_t N> constexpr auto checksOnly(const CheckText (&boxes)[N])
{
    return join(checkColumn(0, boxes), okCancelRow(int(N)));
}

constexpr CheckText code39Checks[] = {
    {LaserCode39Id::TransmitStartStopCheck, "Transmit Start/Stop Character"},
    {LaserCode39Id::VerifyCheckDigitCheck, "Verify Check Digit"},
    {LaserCode39Id::TransmitCheckDigitCheck, "Transmit Check Digit"},
    {LaserCode39Id::FullAsciiCheck, "Code 39 Full ASCII"},
};
constexpr auto code39Controls = checksOnly(code39Checks);

constexpr CheckText pharmacodeChecks[] = {{PharmacodeId::TransmitCheckDigitCheck, "Transmit Check Digit"}};
constexpr auto pharmacodeControls = checksOnly(pharmacodeChecks);

using TwoOfFive = LaserTwoOfFiveId;
constexpr std::string_view twoOfFiveStartStop[] = {"Industrial 25", "Interleaved 25", "Matrix 25"};
constexpr CheckText twoOfFiveChecks[] = {
    {TwoOfFive::VerifyCheckDigitCheck, "Verify Check Digit"},
    {TwoOfFive::TransmitCheckDigitCheck, "Transmit Check Digit"},
};
constexpr auto twoOfFiveControls =
    join(radioGroup(TwoOfFive::StartStopGroup, "Start/Stop Selection", 0, 701, twoOfFiveStartStop),
         checkColumn(4, twoOfFiveChecks), lengthRows<TwoOfFive>(6), okCancelRow(10));

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

constexpr CheckText plesseyChecks[] = {
    {PlesseyId::ConvertToUkPlesseyCheck, "Convert to UK Plessey"},
    {PlesseyId::TransmitCheckDigitCheck, "Transmit Check Digit"},
};
constexpr auto plesseyControls = checksOnly(plesseyChecks);

constexpr CheckText upcEChecks[] = {
    {LaserUpcEId::ConvertToUpcACheck, "Convert to UPC-A"},
    {LaserUpcEId::TransmitSystemNumberCheck, "Transmit System Number"},
    {LaserUpcEId::TransmitCheckDigitCheck, "Transmit Check Digit"},
};
constexpr auto upcEControls = checksOnly(upcEChecks);

constexpr CheckText ean8Checks[] = {
    {LaserEan8Id::ConvertToEan13Check, "Convert to EAN-13"},
    {LaserEan8Id::TransmitCheckDigitCheck, "Transmit Check Digit"},
};
constexpr auto ean8Controls = checksOnly(ean8Checks);

constexpr CheckText ean13Checks[] = {
    {LaserEan13Id::IsbnCheck, "ISBN Conversion"},
    {LaserEan13Id::IssnCheck, "ISSN Conversion"},
    {LaserEan13Id::TransmitEan13CheckDigitCheck, "Transmit EAN-13 Check Digit"},
    {LaserEan13Id::TransmitUpcASystemNumberCheck, "Transmit UPC-A System Number"},
    {LaserEan13Id::TransmitUpcACheckDigitCheck, "Transmit UPC-A Check Digit"},
    {LaserEan13Id::ConvertUpcAToEan13Check, "Convert UPC-A to EAN-13"},
};
constexpr auto ean13Controls = checksOnly(ean13Checks);

constexpr auto telepenControls = join(std::array{choice(TelepenId::OriginalRadio, "Original Telepen  (Numeric)", 0),
                                                 choice(TelepenId::AimRadio, "AIM Telepen  (Full ASCII)", 1)},
                                      okCancelRow(2));

// GS1 DataBar Expanded has the first box only.
constexpr CheckText dataBarChecks[] = {
    {LaserDataBarId::TransmitCodeIdCheck, "Transmit Code ID : ]e0"},
    {LaserDataBarId::TransmitApplicationIdCheck, "Transmit Application ID"},
    {LaserDataBarId::TransmitCheckDigitCheck, "Transmit Check Digit"},
};
constexpr CheckText dataBarExpandedChecks[] = {dataBarChecks[0]};
constexpr auto dataBarControls = checksOnly(dataBarChecks);
constexpr auto dataBarExpandedControls = checksOnly(dataBarExpandedChecks);

constexpr auto gs1128Controls =
    join(std::array{check(LaserGs1128Id::TransmitCodeIdCheck, "Transmit Code ID : ]C1", 0, Gs1128)},
         labelledEdit(LaserGs1128Id::SeparatorLabel, "Replace Field Separator :", LaserGs1128Id::SeparatorEdit, 1, 16,
                      Gs1128),
         okCancelRow(2, Gs1128));

// A parameter dialog of `rows` rows above its OK and Cancel row.
constexpr ui::DialogTemplate parameterDialog(std::string_view name, std::string_view title, int rows,
                                             std::span<const ui::ControlTemplate> controls, Columns columns = {})
{
    return {name, title, {columns.width, dialogHeight(rows)}, controls};
}

constexpr ui::DialogTemplate laserCode39Dialog =
    parameterDialog("CODE39_1DDLG", "Code 39 Parameters", 4, code39Controls);
constexpr ui::DialogTemplate italianPharmacodeDialog =
    parameterDialog("ITALYPHARMA_1DDLG", "Italian Pharmacode Parameters", 1, pharmacodeControls);
constexpr ui::DialogTemplate frenchPharmacodeDialog =
    parameterDialog("FRENCHPHARMA_1DDLG", "French Pharmacode Parameters", 1, pharmacodeControls);
constexpr ui::DialogTemplate laserIndustrial25Dialog =
    parameterDialog("INDUSTRIAL25_1DDLG", "Industrial 25 Parameters", 10, twoOfFiveControls);
constexpr ui::DialogTemplate laserInterleaved25Dialog =
    parameterDialog("INTERLEAVE25_1DDLG", "Interleaved 25 Parameters", 10, twoOfFiveControls);
constexpr ui::DialogTemplate laserMatrix25Dialog =
    parameterDialog("MATRIX25_1DDLG", "Matrix 25 Parameters", 10, twoOfFiveControls);
constexpr ui::DialogTemplate laserCodabarDialog =
    parameterDialog("CODABAR_1DDLG", "Codabar Parameters", 6, codabarControls);
constexpr ui::DialogTemplate laserMsiDialog = parameterDialog("MSI_1DDLG", "MSI Parameters", 12, msiControls);
constexpr ui::DialogTemplate plesseyDialog = parameterDialog("PLESSEY_1DDLG", "Plessey Parameters", 2, plesseyControls);
constexpr ui::DialogTemplate laserUpcEDialog = parameterDialog("UPCE_1DDLG", "UPC-E Parameters", 3, upcEControls);
constexpr ui::DialogTemplate laserEan8Dialog = parameterDialog("EAN8_1DDLG", "EAN-8 Parameters", 2, ean8Controls);
constexpr ui::DialogTemplate laserEan13Dialog =
    parameterDialog("EAN13_1DDLG", "EAN-13/UPC-A Parameters", 6, ean13Controls);
constexpr ui::DialogTemplate telepenDialog = parameterDialog("TELEPEN_1DDLG", "Telepen Parameters", 2, telepenControls);
constexpr ui::DialogTemplate laserDataBar14Dialog =
    parameterDialog("RSS14_1DDLG", "GS1 DataBar-14 Parameters", 3, dataBarControls);
constexpr ui::DialogTemplate laserDataBarLimitedDialog =
    parameterDialog("RSS14LIMITED_1DDLG", "GS1 DataBar Limited Parameters", 3, dataBarControls);
constexpr ui::DialogTemplate laserDataBarExpandedDialog =
    parameterDialog("RSS14EXPANDED_1DDLG", "GS1 DataBar Expanded Parameters", 1, dataBarExpandedControls);
constexpr ui::DialogTemplate laserGs1128Dialog =
    parameterDialog("EAN128_1DDLG", "GS1-128 (EAN 128) Parameters", 2, gs1128Controls, Gs1128);

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
