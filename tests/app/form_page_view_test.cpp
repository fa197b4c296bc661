// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialog_screenshot.h"
#include "app/dialog_view.h"
#include "editor/forms/form_page.h"
#include "resources/form_templates.h"
#include "support/project_fixtures.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"

namespace app {
namespace {

using resources::FormPageId;

class FormPageView : public ::testing::Test
{
protected:
    template <typename Widget> Widget* widget(ui::ControlId id)
    {
        auto* found = qobject_cast<Widget*>(m_view.widgetFor(id));
        EXPECT_NE(found, nullptr) << "control " << id.value();
        return found;
    }

    QApplication& m_application = testing::qtTestApp(); // before any widget
    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    texts::BuiltinTextSource m_texts;
    bool m_isModified = false;
    editor::forms::FormPage m_page{*m_project, m_texts, ui::LanguageState::BuiltinOnly, m_isModified};
    ui::testing::ScriptedHost m_host;
    DialogView m_view{resources::formPageTemplate(), m_page, m_host};
};

TEST_F(FormPageView, TypeChosenInTheComboBoxEnablesTheLineWidgets)
{
    QComboBox* types = widget<QComboBox>(resources::typeList(1));
    QLineEdit* prompt = widget<QLineEdit>(resources::promptEdit(1));
    QLineEdit* maxLength = widget<QLineEdit>(resources::maxLengthEdit(1));
    QComboBox* source = widget<QComboBox>(resources::inputSourceList(1));
    ASSERT_TRUE(types && prompt && maxLength && source);
    EXPECT_FALSE(prompt->isEnabled());
    EXPECT_FALSE(maxLength->isEnabled());

    for (int step = 0; step < 2; ++step) { // "nil" -> "text" -> "integer"
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(types, &down);
    }
    EXPECT_EQ(types->currentText(), QStringLiteral("integer"));
    EXPECT_EQ(m_page.workingCopy().forms[0].lineType[0], 2);
    EXPECT_TRUE(prompt->isEnabled());
    EXPECT_TRUE(maxLength->isEnabled());
    EXPECT_TRUE(source->isEnabled());
    EXPECT_EQ(maxLength->text(), QStringLiteral("160"));
}

} // namespace
} // namespace app
