// SPDX-License-Identifier: MIT
// Which parameter dialog each button of the Barcode page opens, by reader type.
#include "editor/reader/reader_dialogs.h"

namespace editor::reader {
namespace {

// The units digit of DeviceSettings byte 2.
enum ReaderType : int { Laser = 1, LongRange = 2, Imager = 3 };

struct ButtonDialog
{
    ReaderType readerType;
    int button;
    const ParameterDialogSpec& dialog;
};

// Button 595 is the RFID reader's "more...", shown with every reader.
constexpr ButtonDialog buttonDialogs[] = {
    {Laser, 501, laserCode39Dialog},
    {Laser, 502, italianPharmacodeDialog},
    {Laser, 503, frenchPharmacodeDialog},
    {Laser, 504, laserIndustrial25Dialog},
    {Laser, 505, laserInterleaved25Dialog},
    {Laser, 506, laserMatrix25Dialog},
    {Laser, 507, laserCodabarDialog},
    {Laser, 508, laserMsiDialog},
    {Laser, 509, plesseyDialog},
    {Laser, 510, laserUpcEDialog},
    {Laser, 513, laserEan8Dialog},
    {Laser, 516, laserEan13Dialog},
    {Laser, 519, telepenDialog},
    {Laser, 520, laserDataBar14Dialog},
    {Laser, 521, laserDataBarLimitedDialog},
    {Laser, 522, laserDataBarExpandedDialog},
    {Laser, 525, laserGs1128Dialog},
    {Laser, 595, rfidDialog},
    {LongRange, 501, upcALongRangeDialog},
    {LongRange, 502, upcE0LongRangeDialog},
    {LongRange, 503, upcE1LongRangeDialog},
    {LongRange, 504, ean8LongRangeDialog},
    {LongRange, 505, ean13LongRangeDialog},
    {LongRange, 508, gs1128LongRangeDialog},
    {LongRange, 510, code39LongRangeDialog},
    {LongRange, 512, code93LongRangeDialog},
    {LongRange, 513, codabarLongRangeDialog},
    {LongRange, 514, industrial25LongRangeDialog},
    {LongRange, 515, interleaved25LongRangeDialog},
    {LongRange, 516, dataBar14LongRangeDialog},
    {LongRange, 519, msiLongRangeDialog},
    {LongRange, 520, couponSettingLongRangeDialog},
    {LongRange, 595, rfidDialog},
    {Imager, 501, upcAImagerDialog},
    {Imager, 502, upcE0ImagerDialog},
    {Imager, 503, upcE1ImagerDialog},
    {Imager, 504, ean8ImagerDialog},
    {Imager, 505, ean13ImagerDialog},
    {Imager, 508, gs1128ImagerDialog},
    {Imager, 510, code39ImagerDialog},
    {Imager, 511, code93ImagerDialog},
    {Imager, 512, codabarImagerDialog},
    {Imager, 513, industrial25ImagerDialog},
    {Imager, 514, interleaved25ImagerDialog},
    {Imager, 515, dataBar14ImagerDialog},
    {Imager, 518, msiImagerDialog},
    {Imager, 519, code11ImagerDialog},
    {Imager, 520, imageCaptureDialog},
    {Imager, 521, couponSettingImagerDialog},
    {Imager, 531, postalImagerDialog},
    {Imager, 532, compositeImagerDialog},
    {Imager, 533, symbologiesImagerDialog},
    {Imager, 534, macroPdfImagerDialog},
    {Imager, 595, rfidDialog},
};

}  // namespace

const ParameterDialogSpec* parameterDialogForButton(int readerType, ui::ControlId button)
{
    for (const ButtonDialog& entry : buttonDialogs) {
        if (entry.readerType == readerType % 10 && ui::ControlId(entry.button) == button) {
            return &entry.dialog;
        }
    }
    return nullptr;
}

}  // namespace editor::reader
