// SPDX-License-Identifier: MIT
// The painted terminal drives and shows the screen preview.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <filesystem>

#include "app/main_window.h"
#include "app/terminal_panel.h"
#include "app/terminal_screen.h"
#include "editor/shell/panel_layout.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"

namespace app {
namespace {

namespace fs = std::filesystem;

class TerminalPanelPreviewTest : public ::testing::Test
{
protected:
    TerminalPanelPreviewTest()
    {
        testing::qtTestApp();
        fs::create_directories(m_directory);
        m_window = std::make_unique<MainWindow>(
            [](const texts::TextSource&, QWidget*) { return std::make_unique<ui::testing::ScriptedHost>(); },
            m_directory);
        m_window->setSheetRunner([](QWidget*, editor::EditorSession& session) { session.isApplied = true; });
        m_window->startUp();
        // Start at menu 1, whose first item leads to form 3.
        project::Project& p = m_window->designer().project();
        p.device.startFrom = 1;
        p.menu(1).itemName[0].assign("Count");
        p.menu(1).itemNext[0] = 3;
        m_window->designer().edit();
    }
    ~TerminalPanelPreviewTest() override
    {
        m_window.reset();
        std::error_code ignored;
        fs::remove_all(m_directory, ignored);
    }

    void mouse(QEvent::Type type, int keyNumber)
    {
        const editor::PanelKey* key = editor::findPanelKey(keyNumber);
        const QPointF at((key->left + key->right) / 2.0, (key->top + key->bottom) / 2.0);
        QWidget& panel = m_window->panel();
        QMouseEvent event(type, at, panel.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&panel, &event);
    }

    [[nodiscard]] QImage screenPixels() { return m_window->panel().grab(terminalScreenArea()).toImage(); }

    fs::path m_directory = fs::temp_directory_path() / ("formwright_panel_preview_" + std::to_string(::getpid()));
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(TerminalPanelPreviewTest, EntKeyFollowsTheItemStaysDrawnPressedAndThePaintedScreenChanges)
{
    const editor::TerminalPreview& preview = m_window->designer().preview();
    ASSERT_EQ(preview.kind(), editor::PreviewScreenKind::Menu);
    const QImage menuScreen = screenPixels();

    mouse(QEvent::MouseButtonPress, 2);
    EXPECT_EQ(preview.kind(), editor::PreviewScreenKind::Form);
    EXPECT_EQ(preview.number(), 3);
    EXPECT_EQ(m_window->panel().panelModel().drawnKey(), 2);
    EXPECT_TRUE(m_window->panel().panelModel().isKeyDown());
    mouse(QEvent::MouseButtonRelease, 2);
    EXPECT_NE(screenPixels(), menuScreen);

    // Keys that drive nothing leave the preview where it is.
    mouse(QEvent::MouseButtonPress, 3);
    mouse(QEvent::MouseButtonRelease, 3);
    EXPECT_EQ(preview.number(), 3);
}

TEST_F(TerminalPanelPreviewTest, MenuKeyStillOpensThePopupAndDrivesNothing)
{
    int popups = 0;
    QObject::connect(&m_window->panel(), &TerminalPanel::popupRequested, [&popups](QPoint) { ++popups; });
    int previewKeys = 0;
    QObject::connect(&m_window->panel(), &TerminalPanel::previewKeyPressed,
                     [&previewKeys](editor::PreviewKey) { ++previewKeys; });
    // The popup would run modally; only the request is counted.
    m_window->panel().disconnect(m_window.get());
    mouse(QEvent::MouseButtonPress, editor::MenuKeyNumber);
    mouse(QEvent::MouseButtonRelease, editor::MenuKeyNumber);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(previewKeys, 0);
}

TEST_F(TerminalPanelPreviewTest, SheetOkBringsTheScreenBackToTheStart)
{
    mouse(QEvent::MouseButtonPress, 2);
    mouse(QEvent::MouseButtonRelease, 2);
    ASSERT_EQ(m_window->designer().preview().kind(), editor::PreviewScreenKind::Form);
    m_window->designer().edit();
    EXPECT_EQ(m_window->designer().preview().kind(), editor::PreviewScreenKind::Menu);
}

}  // namespace
}  // namespace app
