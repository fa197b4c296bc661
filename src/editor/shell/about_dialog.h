// SPDX-License-Identifier: MIT
// The About box (AboutBox): its texts are the template's; OK closes it.
#pragma once

#include "ui/dialog_model.h"

namespace editor::shell {

class AboutDialog final : public ui::DialogModel
{
};

}  // namespace editor::shell
