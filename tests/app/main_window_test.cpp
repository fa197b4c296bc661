// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QShortcut>
#include <filesystem>
#include <fstream>

#include "app/terminal_panel.h"
#include "editor/shell/panel_layout.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "support/project_fixtures.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"

namespace app {
namespace {

namespace fs = std::filesystem;

QApplication& qtApp() { return testing::qtTestApp(); }

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        qtApp();
        fs::create_directories(m_directory);
        start();
    }
    ~MainWindowTest() override
    {
        m_window.reset();
        std::error_code ignored;
        fs::remove_all(m_directory, ignored);
    }

    // A new window on the program directory, started up.
    void start()
    {
        m_window.reset();
        m_window = std::make_unique<MainWindow>(
            [this](const texts::TextSource&, QWidget*) {
                auto host = std::make_unique<ui::testing::ScriptedHost>();
                m_host = host.get();
                return host;
            },
            m_directory);
        m_window->setSheetRunner([this](QWidget*, editor::EditorSession&) { ++m_editorRuns; });
        m_window->startUp();
    }

    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        QWidget& panel = m_window->panel();
        QMouseEvent event(type, QPointF(at), panel.mapToGlobal(QPointF(at)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(&panel, &event);
    }

    [[nodiscard]] std::vector<int> menuCommands() const
    {
        std::vector<int> commands;
        for (QAction* action : m_window->popupMenu().actions()) {
            commands.push_back(action->isSeparator() ? 0 : action->data().toInt());
        }
        return commands;
    }

    fs::path m_directory = fs::temp_directory_path() / ("formwright_main_window_" + std::to_string(::getpid()));
    ui::testing::ScriptedHost* m_host = nullptr;
    std::unique_ptr<MainWindow> m_window;
    int m_editorRuns = 0;
};

TEST_F(MainWindowTest, WindowIsFramelessTerminalShapedAtItsPlace)
{
    EXPECT_TRUE(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(m_window->size(), QSize(260, 638));
    EXPECT_EQ(m_window->pos(), QPoint(300, 50));
    EXPECT_TRUE(m_window->isVisible());
    const QRegion mask = m_window->mask();
    EXPECT_TRUE(mask.contains(QPoint(130, 300)));
    EXPECT_FALSE(mask.contains(QPoint(2, 2)));
    EXPECT_FALSE(mask.contains(QPoint(258, 630)));
    EXPECT_FALSE(m_window->windowIcon().isNull());
}

TEST_F(MainWindowTest, PopupMenuFollowsTheModelAndGainsSavedFiles)
{
    EXPECT_EQ(menuCommands(), (std::vector<int>{31, 32, 33, 34, 0, 35, 36, 0, 37, 38}));
    EXPECT_EQ(m_window->popupMenu().actions()[0]->text(), QStringLiteral("&New\tCtrl+N"));

    m_host->filesToSave.push_back((m_directory / "J\xC3\xBCrgen R&D").string());
    m_window->designer().saveAs();
    EXPECT_EQ(menuCommands(), (std::vector<int>{31, 32, 33, 34, 0, 35, 36, 0, 90, 0, 37, 38}));
    EXPECT_TRUE(m_window->popupMenu().actions()[8]->text().endsWith(QString::fromUtf8("J\u00fcrgen R&&D.Q72")));
}

TEST_F(MainWindowTest, PopupMenuShowsTheLanguageLoadedAtStartUpInItsCodePage)
{
    std::ofstream(m_directory / "deutsch.lng", std::ios::binary) << "Deutsch\r\n31=&Neu\r\n32=&\xD6" "ffnen...\r\n";
    std::ofstream(m_directory / "FWQ720.ini", std::ios::binary) << "Unknow\r0\r0\rDeutsch\r0\r";
    start();
    EXPECT_EQ(m_window->popupMenu().actions()[0]->text(), QStringLiteral("&Neu"));
    EXPECT_EQ(m_window->popupMenu().actions()[1]->text(), QString::fromUtf8("&\u00d6ffnen..."));
    EXPECT_EQ(m_window->popupMenu().actions()[2]->text(), QStringLiteral("&Save\tCtrl+S"));
}

TEST_F(MainWindowTest, MenuItemsAndTheFourAcceleratorsReachTheirCommands)
{
    m_window->popupMenu().actions()[8]->trigger();  // About
    EXPECT_EQ(m_host->dialogsRun, std::vector<std::string>{"AboutBox"});
    m_window->popupMenu().actions()[5]->trigger();  // Edit
    EXPECT_EQ(m_editorRuns, 1);

    QStringList keys;
    for (QShortcut* shortcut : m_window->findChildren<QShortcut*>()) {
        keys << shortcut->key().toString();
        if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_E)) {
            emit shortcut->activated();
        }
    }
    keys.sort();
    EXPECT_EQ(keys, (QStringList{QStringLiteral("Ctrl+E"), QStringLiteral("Ctrl+N"), QStringLiteral("Ctrl+O"),
                                 QStringLiteral("Ctrl+S")}));
    EXPECT_EQ(m_editorRuns, 2);
}

TEST_F(MainWindowTest, PressedKeyIsDrawnPressedThenReleased)
{
    const QImage before = m_window->panel().grab().toImage();
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(81, 494));
    EXPECT_EQ(m_window->panel().panelModel().drawnKey(), 11);
    const QImage pressed = m_window->panel().grab().toImage();
    EXPECT_NE(pressed.copy(68, 482, 27, 25), before.copy(68, 482, 27, 25));
    EXPECT_EQ(pressed.copy(98, 482, 27, 25), before.copy(98, 482, 27, 25));
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(81, 494));
    EXPECT_FALSE(m_window->panel().panelModel().isKeyDown());
    EXPECT_NE(m_window->panel().grab().toImage().copy(68, 482, 27, 25), pressed.copy(68, 482, 27, 25));
}

TEST_F(MainWindowTest, MenuKeyAndRightClickAskForThePopup)
{
    QObject::disconnect(&m_window->panel(), &TerminalPanel::popupRequested, m_window.get(), nullptr);
    std::vector<QPoint> requests;
    QObject::connect(&m_window->panel(), &TerminalPanel::popupRequested,
                     [&requests](QPoint at) { requests.push_back(at); });
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(170, 580));
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(170, 580));
    mouse(QEvent::MouseButtonPress, Qt::RightButton, QPoint(130, 150));
    ASSERT_EQ(requests.size(), 2U);
    EXPECT_EQ(requests[0], m_window->panel().mapToGlobal(QPoint(158, 571)));
    EXPECT_EQ(requests[1], m_window->panel().mapToGlobal(QPoint(130, 150)));
}

TEST_F(MainWindowTest, OpeningAProjectOfTheOtherModelRepaintsTheTerminal)
{
    const QImage ce = m_window->panel().grab().toImage();
    auto ppc = testing_support::startedProject(project::Model::Q720PPC);
    const std::string file = (m_directory / "ppc.Q72").string();
    ASSERT_TRUE(project::writeFileAtomically(file, project::saveProject(*ppc, project::Model::Q720PPC)).ok);
    m_host->filesToOpen.push_back(file);
    ASSERT_TRUE(m_window->designer().open());
    EXPECT_NE(m_window->panel().grab().toImage(), ce);
}

TEST_F(MainWindowTest, CloseAsksWhenModifiedAndStaysOnCancel)
{
    m_window->designer().setModified(true);
    m_host->saveChangesAnswers.push_back(ui::SaveChangesAnswer::Cancel);
    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->isVisible());
    m_host->saveChangesAnswers.push_back(ui::SaveChangesAnswer::No);
    EXPECT_TRUE(m_window->close());
}

}  // namespace
}  // namespace app
