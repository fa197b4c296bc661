// SPDX-License-Identifier: MIT
#include "resources/menu_templates.h"

#include <gtest/gtest.h>

#include "resources/sheet_templates.h"
#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace resources {
namespace {

TEST(MenuTemplate, IsSoundAndSizedLikeEveryPage)
{
    const ui::DialogTemplate& page = menuPageTemplate();
    EXPECT_EQ(page.name, "MENUDLG");
    EXPECT_EQ(page.dialogUnits.width, 470);
    EXPECT_EQ(page.dialogUnits.height, 270);
    EXPECT_TRUE(ui::templateFaults(page).empty());
    EXPECT_TRUE(ui::templateFaults(pendingPageTemplate()).empty());
}

TEST(MenuTemplate, ControlKindsFollowTheirIdRanges)
{
    for (const ui::ControlTemplate& control : menuPageTemplate().controls) {
        const int hundreds = control.id.value() / 100;
        const ui::ControlKind kind = control.kind;
        switch (hundreds) {
        case 1:
            EXPECT_EQ(kind, ui::ControlKind::CheckBox) << control.id.value();
            break;
        case 2:
            EXPECT_TRUE(kind == ui::ControlKind::Label || kind == ui::ControlKind::GroupBox) << control.id.value();
            break;
        case 3:
            EXPECT_EQ(kind, ui::ControlKind::DropDownList) << control.id.value();
            break;
        case 4:
            EXPECT_EQ(kind, ui::ControlKind::Edit) << control.id.value();
            break;
        case 5:
            EXPECT_EQ(kind, ui::ControlKind::PushButton) << control.id.value();
            break;
        case 6:
            EXPECT_EQ(kind, ui::ControlKind::Label) << control.id.value();
            break;
        default:
            ADD_FAILURE() << "unexpected control " << control.id.value();
        }
    }
}

TEST(MenuTemplate, HasTenItemRows)
{
    const ui::Controls controls(menuPageTemplate());
    for (int item = 1; item <= MenuPageItems; ++item) {
        EXPECT_TRUE(controls.has(itemNameEdit(item))) << item;
        EXPECT_TRUE(controls.has(itemNextList(item))) << item;
        EXPECT_EQ(controls.text(itemNumberLabel(item)), std::to_string(item));
    }
    EXPECT_TRUE(controls.has(MenuId::CaptionEdit));
    EXPECT_TRUE(controls.has(MenuId::ResetButton));
}

} // namespace
} // namespace resources
