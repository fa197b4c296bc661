// SPDX-License-Identifier: MIT
// One loop over every registered template, rendered by the Qt view: each control gets a widget
// inside the dialog, and no two controls cover each other.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "app/dialog_screenshot.h"
#include "app/dialog_view.h"
#include "editor/dialog_registry.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"
#include "ui/dialog_model.h"
#include "ui/dialog_template.h"

namespace app {
namespace {

bool isPlaced(const ui::ControlTemplate& control)
{
    return control.id.value() > 0 && control.kind != ui::ControlKind::Custom &&
           !ui::hasStyle(control.style, ui::ControlStyle::Hidden);
}

TEST(RegisteredDialogsView, EveryTemplateRendersEachControlInsideWithoutOverlaps)
{
    testing::qtTestApp();
    for (const ui::DialogTemplate* dialog : editor::allTemplates()) {
        SCOPED_TRACE(dialog->name);
        ui::DialogModel model;  // no behaviour: the template alone is drawn
        ui::testing::ScriptedHost host;
        const DialogView view(*dialog, model, host);
        std::vector<std::pair<int, QRect>> placed;
        for (const ui::ControlTemplate& control : dialog->controls) {
            if (!isPlaced(control)) {
                continue;
            }
            const QWidget* widget = view.widgetFor(control.id);
            ASSERT_NE(widget, nullptr) << "control " << control.id.value();
            const QRect geometry = widget->geometry();
            EXPECT_FALSE(geometry.isEmpty()) << "control " << control.id.value();
            EXPECT_TRUE(view.rect().contains(geometry)) << "control " << control.id.value();
            if (control.kind == ui::ControlKind::GroupBox) {
                continue;  // a group box frames the controls inside it
            }
            for (const auto& [other, rect] : placed) {
                EXPECT_FALSE(geometry.intersects(rect)) << "controls " << other << " and " << control.id.value();
            }
            placed.emplace_back(control.id.value(), geometry);
        }
        ui::DialogModel renderModel;
        EXPECT_FALSE(renderDialog(*dialog, renderModel, host).isNull());
    }
}

}  // namespace
}  // namespace app
