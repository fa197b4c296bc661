// SPDX-License-Identifier: MIT
// The templates of the reader settings' parameter dialogs.
#pragma once

#include "ui/control_id.h"

namespace ui {
struct DialogTemplate;
}

namespace resources {

// CODE39_2DDLG: the 2D imager's Code 39 parameters.
enum class Code39ImagerId {
    ConvertToCode32Check = 101,
    Code32PrefixCheck = 102,
    VerifyCheckDigitCheck = 103,
    TransmitCheckDigitCheck = 104,
    FullAsciiCheck = 105,
    Trioptic39Check = 106,
    LengthModeList = 301,
    Length1Edit = 401,
    Length2Edit = 402,
    LengthModeLabel = 601,
    Length1Label = 602,
    Length2Label = 603,
};
[[nodiscard]] const ui::DialogTemplate& code39ImagerTemplate();

}  // namespace resources
