// SPDX-License-Identifier: MIT
#include "resources/reader_templates.h"

#include "resources/parameter_layout.h"

namespace resources {
namespace {

using namespace layout;

constexpr ui::ControlTemplate code39ImagerControls[] = {
    check(Code39ImagerId::ConvertToCode32Check, "Convert to Code 32", 0),
    check(Code39ImagerId::Code32PrefixCheck, "Code 32 Prefix", 1),
    check(Code39ImagerId::VerifyCheckDigitCheck, "Verify Check Digit", 2),
    check(Code39ImagerId::TransmitCheckDigitCheck, "Transmit Check Digit", 3),
    check(Code39ImagerId::FullAsciiCheck, "Code 39 Full ASCII", 4),
    check(Code39ImagerId::Trioptic39Check, "Trioptic 39", 5),
    label(Code39ImagerId::LengthModeLabel, "Code Lengths :", 6),
    list(Code39ImagerId::LengthModeList, 6),
    label(Code39ImagerId::Length1Label, "Min Length :", 7),
    edit(Code39ImagerId::Length1Edit, 7),
    label(Code39ImagerId::Length2Label, "Max Length :", 8),
    edit(Code39ImagerId::Length2Edit, 8),
    okButton(9),
    cancelButton(9),
};

}  // namespace

const ui::DialogTemplate& code39ImagerTemplate()
{
    static constexpr ui::DialogTemplate dialog{"CODE39_2DDLG", "Code 39 Parameters",
                                               {ParameterWidth, dialogHeight(9)}, code39ImagerControls};
    return dialog;
}

}  // namespace resources
