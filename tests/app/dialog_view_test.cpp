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
#include <QImage>
#include <QWidget>

#include "app/code_page.h"
#include "app/dialog_screenshot.h"
#include "app/dialog_window.h"
#include "editor/dialog_registry.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"
#include "ui/dialog_model.h"
#include "ui/dialog_template.h"
#include "ui/sample_dialog.h"

namespace app {
namespace {

using ui::sample::SampleDialog;
using ui::sample::SampleId;
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
    SampleDialog model{record};
    ui::testing::ScriptedHost host;
};

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
    testing::typeKeys(length, QStringLiteral("03"));
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
    SampleDialog emptyName(record);
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

TEST(CodePage, EveryByteSurvivesARoundTripAndOtherCharactersAreRefused)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(toCodePage(fromCodePage(all)), all);
    EXPECT_EQ(fromCodePage("\x80 Gr\xFC\xDF" "e"), QString(QChar(0x20AC)) + QStringLiteral(" Grüße"));
    EXPECT_EQ(toCodePage(QStringLiteral("a\u0416b")), std::nullopt);            // Cyrillic Zhe
    EXPECT_EQ(toCodePage(QString::fromUtf8("\xF0\x9F\x98\x80")), std::nullopt); // outside the BMP
    EXPECT_FALSE(isInCodePage(QChar(0x0416)));
    EXPECT_TRUE(isInCodePage(QChar(0x2122)));
}

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

} // namespace
} // namespace app
