// SPDX-License-Identifier: MIT
// The templates of the 1D laser/CCD reader's symbology parameter dialogs.
#pragma once

#include "resources/imager_templates.h"
#include "ui/control_id.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

// CODE39_1DDLG.
enum class LaserCode39Id {
    TransmitStartStopCheck = 101,
    VerifyCheckDigitCheck = 102,
    TransmitCheckDigitCheck = 103,
    FullAsciiCheck = 104,
};
[[nodiscard]] const ui::DialogTemplate& laserCode39Template();

// ITALYPHARMA_1DDLG and FRENCHPHARMA_1DDLG.
enum class PharmacodeId {
    TransmitCheckDigitCheck = 101,
};
[[nodiscard]] const ui::DialogTemplate& italianPharmacodeTemplate();
[[nodiscard]] const ui::DialogTemplate& frenchPharmacodeTemplate();

// "Select Length": a group box titled on its own row around "Fixed Length" and "Max / Min
// Length", and the two lengths; the group and the first button are numbered per dialog.
template <int GroupId, int FixedLengthRadioId> struct SelectLengthId
{
    enum SelectLengthControl {
        LengthGroup = GroupId,
        Length1Edit = 401,
        Length2Edit = 402,
        Length1Label = 601,
        Length2Label = 602,
        FixedLengthRadio = FixedLengthRadioId,
        MaxMinLengthRadio = FixedLengthRadioId + 1,
    };
};

// INDUSTRIAL25_1DDLG, INTERLEAVE25_1DDLG and MATRIX25_1DDLG: one layout for the three 2 of 5 codes.
struct LaserTwoOfFiveId : SelectLengthId<202, 704>
{
    enum TwoOfFiveControl {
        VerifyCheckDigitCheck = 101,
        TransmitCheckDigitCheck = 102,
        StartStopGroup = 201,
        Industrial25Radio = 701,  // start/stop characters of Industrial, Interleaved, Matrix 25
        Interleaved25Radio = 702,
        Matrix25Radio = 703,
    };
};
[[nodiscard]] const ui::DialogTemplate& laserIndustrial25Template();
[[nodiscard]] const ui::DialogTemplate& laserInterleaved25Template();
[[nodiscard]] const ui::DialogTemplate& laserMatrix25Template();

// CODABAR_1DDLG: five start/stop transmissions from "None" on.
enum class LaserCodabarId {
    StartStopGroup = 201,
    NoneRadio = 701,
};
[[nodiscard]] const ui::DialogTemplate& laserCodabarTemplate();

// MSI_1DDLG: three verifications and three transmissions.
struct LaserMsiId : SelectLengthId<203, 707>
{
    enum MsiControl {
        VerifyGroup = 201,
        TransmitGroup = 202,
        SingleModulo10Radio = 701,
        LastDigitNotTransmittedRadio = 704,
    };
};
[[nodiscard]] const ui::DialogTemplate& laserMsiTemplate();

// PLESSEY_1DDLG.
enum class PlesseyId {
    ConvertToUkPlesseyCheck = 101,
    TransmitCheckDigitCheck = 102,
};
[[nodiscard]] const ui::DialogTemplate& plesseyTemplate();

// UPCE_1DDLG.
enum class LaserUpcEId {
    ConvertToUpcACheck = 101,
    TransmitSystemNumberCheck = 102,
    TransmitCheckDigitCheck = 103,
};
[[nodiscard]] const ui::DialogTemplate& laserUpcETemplate();

// EAN8_1DDLG.
enum class LaserEan8Id {
    ConvertToEan13Check = 101,
    TransmitCheckDigitCheck = 102,
};
[[nodiscard]] const ui::DialogTemplate& laserEan8Template();

// EAN13_1DDLG: EAN-13 and UPC-A.
enum class LaserEan13Id {
    IsbnCheck = 101,
    IssnCheck = 102,
    TransmitEan13CheckDigitCheck = 103,
    TransmitUpcASystemNumberCheck = 104,
    TransmitUpcACheckDigitCheck = 105,
    ConvertUpcAToEan13Check = 106,
};
[[nodiscard]] const ui::DialogTemplate& laserEan13Template();

// TELEPEN_1DDLG.
enum class TelepenId {
    OriginalRadio = 701,
    AimRadio = 702,
};
[[nodiscard]] const ui::DialogTemplate& telepenTemplate();

// RSS14_1DDLG and RSS14LIMITED_1DDLG; RSS14EXPANDED_1DDLG has the first box only.
enum class LaserDataBarId {
    TransmitCodeIdCheck = 101,
    TransmitApplicationIdCheck = 102,
    TransmitCheckDigitCheck = 103,
};
[[nodiscard]] const ui::DialogTemplate& laserDataBar14Template();
[[nodiscard]] const ui::DialogTemplate& laserDataBarLimitedTemplate();
[[nodiscard]] const ui::DialogTemplate& laserDataBarExpandedTemplate();

// EAN128_1DDLG: GS1-128, the code ID and the field separator of the 2D imager's dialog.
struct LaserGs1128Id : SeparatorId
{
    enum Gs1128Control { TransmitCodeIdCheck = 101 };
};
[[nodiscard]] const ui::DialogTemplate& laserGs1128Template();

}  // namespace resources
