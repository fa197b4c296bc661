// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "app/dialog_view.h"
#include "editor/shell/about_box.h"
#include "editor/shell/preferences_dialog.h"
#include "resources/shell_templates.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"
#include "texts/text_source.h"

namespace app {
namespace {

using resources::PreferencesId;

TEST(ShellDialogs, PreferencesWidgetsComeFromTheModelAndClicksReachIt)
{
    testing::qtTestApp();
    ui::testing::ScriptedHost host;
    const texts::BuiltinTextSource builtin;
    texts::Preferences preferences;
    preferences.language = "Deutsch";
    editor::PreferencesDialog model(preferences, {"Deutsch"}, 1, builtin, ui::LanguageState::BuiltinOnly);
    DialogView view(resources::preferencesTemplate(), model, host);

    auto* onTop = qobject_cast<QCheckBox*>(view.widgetFor(PreferencesId::AlwaysOnTopCheck));
    auto* languages = qobject_cast<QComboBox*>(view.widgetFor(PreferencesId::LanguageList));
    ASSERT_NE(onTop, nullptr);
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(languages->count(), 2);
    EXPECT_EQ(languages->currentIndex(), 1);
    EXPECT_FALSE(view.widgetFor(PreferencesId::ModelList)->isVisibleTo(&view));

    onTop->click();
    EXPECT_TRUE(model.controlStates().isChecked(PreferencesId::AlwaysOnTopCheck));
    EXPECT_TRUE(onTop->isChecked());
    languages->setCurrentIndex(0);
    emit languages->activated(0);  // as a user choice, not a programmatic one
    EXPECT_TRUE(model.accept());
    EXPECT_TRUE(model.chosen().isAlwaysOnTop);
    EXPECT_EQ(model.chosen().language, "0");
}

TEST(ShellDialogs, AboutBoxShowsTheVersionAndTheNotice)
{
    testing::qtTestApp();
    ui::testing::ScriptedHost host;
    editor::AboutBox model;
    DialogView view(resources::aboutTemplate(), model, host);
    auto* version = qobject_cast<QLabel*>(view.widgetFor(resources::AboutId::VersionLabel));
    auto* notice = qobject_cast<QLabel*>(view.widgetFor(resources::AboutId::NoticeLabel));
    ASSERT_NE(version, nullptr);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Q720 Series Formwright (Version 1.01.0015)"));
    EXPECT_FALSE(notice->text().isEmpty());
}

}  // namespace
}  // namespace app
