// SPDX-License-Identifier: MIT
#include "app/dialog_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialog_screenshot.h"
#include "app/dialog_window.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"
#include "ui/sample_dialog.h"

namespace app {
namespace {

using ui::sample::SampleId;
using ui::sample::SampleModel;
using ui::sample::SampleRecord;

template <typename Widget> Widget* widget(const DialogView& view, ui::ControlId id)
{
    auto* found = qobject_cast<Widget*>(view.widgetFor(id));
    EXPECT_NE(found, nullptr) << "control " << id.value();
    return found;
}

void pressReturn(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

class DialogViewTest : public ::testing::Test
{
protected:
    DialogViewTest() { testing::qtTestApp(); }

    SampleRecord record;
    SampleModel model{record};
    ui::testing::ScriptedHost host;
};

TEST_F(DialogViewTest, LaysOutInDialogUnitsOfTheDialogFont)
{
    const DialogView view(ui::sample::sampleTemplate(), model, host);
    const DialogUnits units(view.font());
    EXPECT_EQ(view.size(), QSize(units.x(170), units.y(90)));
    const QRect check = view.widgetFor(SampleId::LimitCheck)->geometry();
    EXPECT_EQ(check.topLeft(), QPoint(units.x(7), units.y(20)));
    const QRect ok = view.widgetFor(ui::OkButton)->geometry();
    EXPECT_EQ(ok.size(), QSize(units.x(110) - units.x(60), units.y(84) - units.y(70)));
    // A template written for an 8-point font keeps room for its texts.
    const QFontMetrics metrics(view.font());
    EXPECT_GE(units.x(50), metrics.horizontalAdvance(QStringLiteral("Length :")));
}

TEST_F(DialogViewTest, ClicksAndChoicesReachTheModelAndEveryControlFollows)
{
    const DialogView view(ui::sample::sampleTemplate(), model, host);
    widget<QRadioButton>(view, SampleId::FixedRadio)->click();
    EXPECT_TRUE(widget<QRadioButton>(view, SampleId::FixedRadio)->isChecked());  // a checked one stays so
    widget<QCheckBox>(view, SampleId::LimitCheck)->click();
    EXPECT_FALSE(widget<QCheckBox>(view, SampleId::LimitCheck)->isChecked());
    EXPECT_FALSE(view.widgetFor(SampleId::LengthEdit)->isEnabled());
    widget<QRadioButton>(view, SampleId::DelimitedRadio)->click();
    EXPECT_FALSE(widget<QRadioButton>(view, SampleId::FixedRadio)->isChecked());
    auto* modes = widget<QComboBox>(view, SampleId::ModeList);
    EXPECT_EQ(modes->currentIndex(), 1);
    modes->setCurrentIndex(0);
    emit modes->activated(0);  // as a user choice, not a programmatic one
    EXPECT_TRUE(widget<QRadioButton>(view, SampleId::FixedRadio)->isChecked());
}

TEST_F(DialogViewTest, TypedTextReachesTheModelAndComesBackCorrected)
{
    const DialogView view(ui::sample::sampleTemplate(), model, host);
    auto* length = widget<QLineEdit>(view, SampleId::LengthEdit);
    length->selectAll();
    testing::typeKeys(length, QStringLiteral("07"));
    EXPECT_EQ(length->text(), QStringLiteral("7"));
    testing::typeKeys(length, QStringLiteral("x"));
    EXPECT_EQ(length->text(), QStringLiteral("7"));
    pressReturn(length);
    EXPECT_EQ(length->text(), QStringLiteral("7"));
    length->selectAll();
    testing::typeKeys(length, QStringLiteral("3"));
    EXPECT_EQ(length->text(), QStringLiteral("3"));
    pressReturn(length);
    EXPECT_EQ(length->text(), QStringLiteral("5"));

    // The model's rewrite of the text comes back to the widget without a change event.
    const int changesBefore = model.textChanges;
    auto* name = widget<QLineEdit>(view, SampleId::NameEdit);
    name->selectAll();
    testing::typeKeys(name, QStringLiteral("ab"));
    EXPECT_EQ(name->text(), QStringLiteral("AB"));
    EXPECT_EQ(model.textChanges, changesBefore + 2);
    testing::typeKeys(name, QString(QChar(0x20AC)) + QChar(0x0416));  // the second is outside the code page
    EXPECT_EQ(name->text(), QStringLiteral("AB") + QChar(0x20AC));
    EXPECT_EQ(model.controlStates().text(SampleId::NameEdit), "AB\x80");
}

TEST_F(DialogViewTest, RefusedOkKeepsTheDialogOpenAndEscapeRunsTheModelsCancel)
{
    record.name.clear();
    SampleModel emptyName(record);
    DialogWindow window(ui::sample::sampleTemplate(), emptyName, host);
    int closing = 0;
    QObject::connect(&window.view(), &DialogView::closeRequested, [&closing] { ++closing; });
    widget<QPushButton>(window.view(), ui::OkButton)->click();
    EXPECT_EQ(closing, 0);
    EXPECT_TRUE(host.hasWarned(2602, 2854));
    auto* name = widget<QLineEdit>(window.view(), SampleId::NameEdit);
    testing::typeKeys(name, QStringLiteral("n"));
    widget<QPushButton>(window.view(), ui::OkButton)->click();
    ASSERT_EQ(closing, 1);
    EXPECT_EQ(window.result(), static_cast<int>(ui::DialogResult::Ok));
    EXPECT_EQ(record.name, "N");

    DialogWindow cancelled(ui::sample::sampleTemplate(), model, host);
    cancelled.reject();  // Escape
    EXPECT_EQ(model.result(), ui::DialogResult::Cancel);
    EXPECT_EQ(cancelled.result(), static_cast<int>(ui::DialogResult::Cancel));
}

TEST_F(DialogViewTest, ScreenshotRendersAtTheRequestedScale)
{
    const QImage normal = renderDialog(ui::sample::sampleTemplate(), model, host, 1.0);
    SampleModel second(record);
    const QImage doubled = renderDialog(ui::sample::sampleTemplate(), second, host, 2.0);
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(doubled.size(), normal.size() * 2);
    EXPECT_GT(normal.width(), 100);
}

} // namespace
} // namespace app
