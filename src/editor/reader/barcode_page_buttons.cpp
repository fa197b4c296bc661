// SPDX-License-Identifier: MIT
// Which parameter dialog each button of the Barcode page opens, by reader type.
#include "editor/reader/reader_dialogs.h"

namespace editor::reader {
namespace {

constexpr int Imager = 3;

struct ButtonDialog
{
    int readerType;
    int button;
    const ParameterDialogSpec& (*dialog)();
};

// Button 521 (the coupon code) opens a dialog of its own.
constexpr ButtonDialog buttonDialogs[] = {
    {Imager, 501, upcAImagerDialog},          {Imager, 502, upcE0ImagerDialog},
    {Imager, 503, upcE1ImagerDialog},         {Imager, 504, ean8ImagerDialog},
    {Imager, 505, ean13ImagerDialog},         {Imager, 508, gs1128ImagerDialog},
    {Imager, 510, code39ImagerDialog},        {Imager, 511, code93ImagerDialog},
    {Imager, 512, codabarImagerDialog},       {Imager, 513, industrial25ImagerDialog},
    {Imager, 514, interleaved25ImagerDialog}, {Imager, 515, dataBar14ImagerDialog},
    {Imager, 518, msiImagerDialog},           {Imager, 519, code11ImagerDialog},
    {Imager, 520, imageCaptureDialog},        {Imager, 531, postalImagerDialog},
    {Imager, 532, compositeImagerDialog},     {Imager, 533, symbologiesImagerDialog},
    {Imager, 534, macroPdfImagerDialog},
};

}  // namespace

const ParameterDialogSpec* parameterDialogForButton(int readerType, ui::ControlId button)
{
    for (const ButtonDialog& entry : buttonDialogs) {
        if (entry.readerType == readerType % 10 && ui::ControlId(entry.button) == button) {
            return &entry.dialog();
        }
    }
    return nullptr;
}

}  // namespace editor::reader
