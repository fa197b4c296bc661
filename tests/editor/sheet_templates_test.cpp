// SPDX-License-Identifier: MIT
#include "resources/form_templates.h"
#include "resources/menu_templates.h"
#include "resources/sheet_templates.h"

#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace resources {
namespace {

TEST(SheetTemplates, PageTemplatesAreSoundAndTheirKindsFitTheirIdRanges)
{
    for (const ui::DialogTemplate* page : {&formPageTemplate(), &menuPageTemplate(), &pendingPageTemplate()}) {
        SCOPED_TRACE(page->name);
        EXPECT_EQ(ui::templateFaults(*page), std::vector<std::string>{});
        for (const ui::ControlTemplate& control : page->controls) {
            EXPECT_TRUE(ui::kindFitsIdRange(control.kind, control.id)) << "control " << control.id.value();
        }
    }
}

TEST(SheetTemplates, MenuPageHasTenNumberedItemRows)
{
    const ui::Controls controls(menuPageTemplate());
    for (int item = 1; item <= MenuPageItems; ++item) {
        EXPECT_TRUE(controls.has(itemNameEdit(item))) << item;
        EXPECT_TRUE(controls.has(itemNextList(item))) << item;
        EXPECT_EQ(controls.text(itemNumberLabel(item)), std::to_string(item));
    }
}

} // namespace
} // namespace resources
