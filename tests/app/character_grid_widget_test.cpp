// SPDX-License-Identifier: MIT
#include "app/character_grid_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>

#include "editor/forms/form_dialogs.h"
#include "editor/settings/character_grid_dialog.h"
#include "resources/form_templates.h"
#include "resources/settings_templates.h"
#include "support/project_fixtures.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"

namespace app {
namespace {

using resources::CharacterGridId;

QColor centreOf(QWidget& widget, QRect cell)
{
    return widget.grab().toImage().pixelColor(cell.center() + QPoint(0, cell.height() / 4));
}

void clickAt(QWidget& widget, QPoint position)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(position), widget.mapToGlobal(QPointF(position)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

TEST(CharacterGridWidget, PaintsTheCurrentCellAndAppendsTheCodeOfAClickedCell)
{
    testing::qtTestApp();
    const texts::BuiltinTextSource texts;
    const std::vector<project::Byte> codes = {2};
    editor::settings::CharacterGridDialog grid(codes, 10, texts, ui::LanguageState::BuiltinOnly);
    ui::testing::ScriptedHost host;
    DialogView view(resources::characterGridTemplate(), grid, host, nullptr, characterGridWidgets);
    auto* painted = dynamic_cast<CharacterGridWidget*>(view.widgetFor(CharacterGridId::Grid));
    ASSERT_NE(painted, nullptr);
    ASSERT_NE(view.widgetFor(CharacterGridId::ResultingText), nullptr);

    EXPECT_EQ(centreOf(*painted, painted->cellRect(3, 1)), QColor(Qt::blue)); // "SP" at opening
    const QRect cellOfA = painted->cellRect(5, 2);                              // 0x41
    EXPECT_EQ(painted->cellAt(cellOfA.center()), QPoint(5, 2));
    clickAt(*painted, cellOfA.center());
    EXPECT_EQ(grid.codes(), (std::vector<project::Byte>{2, 'A'}));
    EXPECT_EQ(grid.resultingText(), "Del A ");
    EXPECT_EQ(centreOf(*painted, cellOfA), QColor(Qt::blue));
    EXPECT_NE(centreOf(*painted, painted->cellRect(3, 1)), QColor(Qt::blue));
    clickAt(*painted, painted->cellRect(0, 4).center()); // a header adds nothing
    EXPECT_EQ(grid.codes().size(), 2U);
}

TEST(CharacterGridWidget, AClickOnACodeDisplayOpensTheGrid)
{
    testing::qtTestApp();
    auto project = testing_support::startedProject();
    const texts::BuiltinTextSource texts;
    project::FormDef& form = project->form(1);
    form.prefixOn[0] = 1;
    editor::ParameterRecords records{};
    records.form = {reinterpret_cast<project::Byte*>(&form), sizeof form};
    editor::ParameterDialogModel model(editor::forms::fieldPropertiesDialog(), records, texts,
                                       ui::LanguageState::BuiltinOnly);
    ui::testing::ScriptedHost host;
    DialogView view(resources::fieldPropertiesTemplate(), model, host);
    auto* display = qobject_cast<QLineEdit*>(view.widgetFor(resources::FieldPropertiesId::PrefixDisplay));
    ASSERT_NE(display, nullptr);
    clickAt(*display, display->rect().center());
    EXPECT_EQ(host.dialogsRun, std::vector<std::string>{"GRIDDLG"});
}

} // namespace
} // namespace app
