// SPDX-License-Identifier: MIT
#include "resources/sheet_templates.h"

#include <array>

#include "ui/dialog_template.h"

namespace resources {
namespace {

constexpr std::array pendingControls = {
    ui::ControlTemplate{
        ui::ControlKind::Label, PendingPageId::NoticeLabel, "This page is not available yet.", {20, 20, 300, 10}},
};

}  // namespace

constexpr ui::DialogTemplate pendingPageTemplate{"PENDINGDLG", "", {470, 270}, pendingControls};

}  // namespace resources
