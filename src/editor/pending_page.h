// SPDX-License-Identifier: MIT
// A page of the sheet that this version does not offer yet: shows its notice, applies nothing.
#pragma once

#include "editor/property_sheet_model.h"
#include "ui/dialog_model.h"

namespace editor {

class PendingPage final : public ui::DialogModel
{
};

[[nodiscard]] CreatedPage createPendingPage();

} // namespace editor
