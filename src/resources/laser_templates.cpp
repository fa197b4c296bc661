// SPDX-License-Identifier: MIT
#include "resources/laser_templates.h"

#include <span>
#include <string_view>

#include "resources/parameter_layout.h"

namespace resources {
namespace {

using namespace layout;

constexpr Columns Gs1128{190, 104};

constexpr ui::ControlTemplate code39Controls[] = {
    check(LaserCode39Id::TransmitStartStopCheck, "Transmit Start/Stop Character", 0),
    check(LaserCode39Id::VerifyCheckDigitCheck, "Verify Check Digit", 1),
    check(LaserCode39Id::TransmitCheckDigitCheck, "Transmit Check Digit", 2),
    check(LaserCode39Id::FullAsciiCheck, "Code 39 Full ASCII", 3),
    okButton(4),
    cancelButton(4),
};

constexpr ui::ControlTemplate pharmacodeControls[] = {
    check(PharmacodeId::TransmitCheckDigitCheck, "Transmit Check Digit", 0),
    okButton(1),
    cancelButton(1),
};

using TwoOfFive = LaserTwoOfFiveId;
constexpr ui::ControlTemplate twoOfFiveControls[] = {
    groupBox(TwoOfFive::StartStopGroup, "Start/Stop Selection", 0, 3),
    choice(TwoOfFive::Industrial25Radio, "Industrial 25", 1),
    choice(TwoOfFive::Interleaved25Radio, "Interleaved 25", 2),
    choice(TwoOfFive::Matrix25Radio, "Matrix 25", 3),
    check(TwoOfFive::VerifyCheckDigitCheck, "Verify Check Digit", 4),
    check(TwoOfFive::TransmitCheckDigitCheck, "Transmit Check Digit", 5),
    groupBox(TwoOfFive::LengthGroup, "Select Length", 6, 1),
    choice(TwoOfFive::FixedLengthRadio, "Fixed Length", 7, 0, 2),
    choice(TwoOfFive::MaxMinLengthRadio, "Max / Min Length", 7, 1, 2),
    label(TwoOfFive::Length1Label, "Max Length :", 8),
    edit(TwoOfFive::Length1Edit, 8),
    label(TwoOfFive::Length2Label, "Min Length :", 9),
    edit(TwoOfFive::Length2Edit, 9),
    okButton(10),
    cancelButton(10),
};

constexpr ui::ControlTemplate codabarControls[] = {
    groupBox(LaserCodabarId::StartStopGroup, "Transmit Start/Stop Character", 0, 5),
    choice(ui::ControlId(701), "None", 1),
    choice(ui::ControlId(702), "abcd / abcd", 2),
    choice(ui::ControlId(703), "abcd / tn*e", 3),
    choice(ui::ControlId(704), "ABCD / ABCD", 4),
    choice(ui::ControlId(705), "ABCD / TN*E", 5),
    okButton(6),
    cancelButton(6),
};

constexpr ui::ControlTemplate msiControls[] = {
    groupBox(LaserMsiId::VerifyGroup, "Verify Check Digit", 0, 3),
    choice(ui::ControlId(701), "Single Modulo 10", 1),
    choice(ui::ControlId(702), "Double Modulo 10", 2),
    choice(ui::ControlId(703), "Modulo 11 && 10", 3),
    groupBox(LaserMsiId::TransmitGroup, "Transmit Check Digit", 4, 3),
    choice(ui::ControlId(704), "Last digit not transmitted", 5),
    choice(ui::ControlId(705), "Both digits transmitted", 6),
    choice(ui::ControlId(706), "Both digits not transmitted", 7),
    groupBox(LaserMsiId::LengthGroup, "Select Length", 8, 1),
    choice(LaserMsiId::FixedLengthRadio, "Fixed Length", 9, 0, 2),
    choice(LaserMsiId::MaxMinLengthRadio, "Max / Min Length", 9, 1, 2),
    label(LaserMsiId::Length1Label, "Max Length :", 10),
    edit(LaserMsiId::Length1Edit, 10),
    label(LaserMsiId::Length2Label, "Min Length :", 11),
    edit(LaserMsiId::Length2Edit, 11),
    okButton(12),
    cancelButton(12),
};

constexpr ui::ControlTemplate plesseyControls[] = {
    check(PlesseyId::ConvertToUkPlesseyCheck, "Convert to UK Plessey", 0),
    check(PlesseyId::TransmitCheckDigitCheck, "Transmit Check Digit", 1),
    okButton(2),
    cancelButton(2),
};

constexpr ui::ControlTemplate upcEControls[] = {
    check(LaserUpcEId::ConvertToUpcACheck, "Convert to UPC-A", 0),
    check(LaserUpcEId::TransmitSystemNumberCheck, "Transmit System Number", 1),
    check(LaserUpcEId::TransmitCheckDigitCheck, "Transmit Check Digit", 2),
    okButton(3),
    cancelButton(3),
};

constexpr ui::ControlTemplate ean8Controls[] = {
    check(LaserEan8Id::ConvertToEan13Check, "Convert to EAN-13", 0),
    check(LaserEan8Id::TransmitCheckDigitCheck, "Transmit Check Digit", 1),
    okButton(2),
    cancelButton(2),
};

constexpr ui::ControlTemplate ean13Controls[] = {
    check(LaserEan13Id::IsbnCheck, "ISBN Conversion", 0),
    check(LaserEan13Id::IssnCheck, "ISSN Conversion", 1),
    check(LaserEan13Id::TransmitEan13CheckDigitCheck, "Transmit EAN-13 Check Digit", 2),
    check(LaserEan13Id::TransmitUpcASystemNumberCheck, "Transmit UPC-A System Number", 3),
    check(LaserEan13Id::TransmitUpcACheckDigitCheck, "Transmit UPC-A Check Digit", 4),
    check(LaserEan13Id::ConvertUpcAToEan13Check, "Convert UPC-A to EAN-13", 5),
    okButton(6),
    cancelButton(6),
};

constexpr ui::ControlTemplate telepenControls[] = {
    choice(TelepenId::OriginalRadio, "Original Telepen  (Numeric)", 0),
    choice(TelepenId::AimRadio, "AIM Telepen  (Full ASCII)", 1),
    okButton(2),
    cancelButton(2),
};

constexpr ui::ControlTemplate dataBarControls[] = {
    check(LaserDataBarId::TransmitCodeIdCheck, "Transmit Code ID : ]e0", 0),
    check(LaserDataBarId::TransmitApplicationIdCheck, "Transmit Application ID", 1),
    check(LaserDataBarId::TransmitCheckDigitCheck, "Transmit Check Digit", 2),
    okButton(3),
    cancelButton(3),
};

constexpr ui::ControlTemplate dataBarExpandedControls[] = {
    check(LaserDataBarId::TransmitCodeIdCheck, "Transmit Code ID : ]e0", 0),
    okButton(1),
    cancelButton(1),
};

constexpr ui::ControlTemplate gs1128Controls[] = {
    check(LaserGs1128Id::TransmitCodeIdCheck, "Transmit Code ID : ]C1", 0, Gs1128),
    label(LaserGs1128Id::SeparatorLabel, "Replace Field Separator :", 1, Gs1128),
    edit(LaserGs1128Id::SeparatorEdit, 1, 16, Gs1128),
    okButton(2, Gs1128),
    cancelButton(2, Gs1128),
};

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
