// SPDX-License-Identifier: MIT
// The designer's window: its shape, the popup menu, the painted keys driving the preview, the
// sheet and the close, wired to a scripted host.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/property_sheet_dialog.h"
#include "app/terminal_panel.h"
#include "app/terminal_screen.h"
#include "editor/shell/panel_layout.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "support/project_fixtures.h"
#include "support/qt_test_app.h"
#include "support/ui_harness.h"

namespace app {
namespace {

namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        testing::qtTestApp();
        fs::create_directories(m_directory);
        start();
    }
    ~MainWindowTest() override
    {
        m_window.reset();
        std::error_code ignored;
        fs::remove_all(m_directory, ignored);
    }

    // A new window on the program directory, started up; the sheet is only counted unless
    // `isSheetReal`.
    void start(std::optional<std::string> file = std::nullopt, bool isSheetReal = false)
    {
        m_window.reset();
        m_window = std::make_unique<MainWindow>(
            [this](const texts::TextSource&, QWidget*) {
                auto host = std::make_unique<ui::testing::ScriptedHost>();
                m_host = host.get();
                return host;
            },
            m_directory);
        if (!isSheetReal) {
            m_window->setSheetRunner([this](QWidget*, editor::EditorSession& session) {
                ++m_editorRuns;
                session.isApplied = m_isSheetApplied;
            });
        }
        m_window->startUp(file);
    }

    // The preview starts at menu 1, whose first item leads to form 3.
    void startPreviewAtMenu1()
    {
        m_isSheetApplied = true;
        project::Project& p = m_window->designer().project();
        p.device.startFrom = 1;
        p.menu(1).itemName[0].assign("Count");
        p.menu(1).itemNext[0] = 3;
        m_window->designer().edit();
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget& panel = m_window->panel();
        QMouseEvent event(type, QPointF(at), panel.mapToGlobal(QPointF(at)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(&panel, &event);
    }

    void clickKey(int number)
    {
        const editor::PanelKey* key = editor::findPanelKey(number);
        const QPoint at((key->left + key->right) / 2, (key->top + key->bottom) / 2);
        mouse(QEvent::MouseButtonPress, at);
        mouse(QEvent::MouseButtonRelease, at);
    }

    [[nodiscard]] std::vector<int> menuCommands() const
    {
        std::vector<int> commands;
        for (QAction* action : m_window->popupMenu().actions()) {
            commands.push_back(action->isSeparator() ? 0 : action->data().toInt());
        }
        return commands;
    }

    void pressShortcut(const QKeySequence& keys)
    {
        for (QShortcut* shortcut : m_window->findChildren<QShortcut*>()) {
            if (shortcut->key() == keys) {
                emit shortcut->activated();
            }
        }
    }

    fs::path m_directory = fs::temp_directory_path() / ("formwright_main_window_" + std::to_string(::getpid()));
    ui::testing::ScriptedHost* m_host = nullptr;
    std::unique_ptr<MainWindow> m_window;
    int m_editorRuns = 0;
    bool m_isSheetApplied = false;
};

TEST_F(MainWindowTest, WindowIsFramelessTerminalShapedAtItsPlace)
{
    EXPECT_TRUE(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(m_window->geometry(), QRect(300, 50, 260, 638));
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
    }
    keys.sort();
    EXPECT_EQ(keys, (QStringList{QStringLiteral("Ctrl+E"), QStringLiteral("Ctrl+N"), QStringLiteral("Ctrl+O"),
                                 QStringLiteral("Ctrl+S")}));
    pressShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(m_editorRuns, 2);
}

TEST_F(MainWindowTest, MenuKeyAndRightClickAskForThePopupAndDriveNoPreview)
{
    QObject::disconnect(&m_window->panel(), &TerminalPanel::popupRequested, m_window.get(), nullptr);
    std::vector<QPoint> requests;
    QObject::connect(&m_window->panel(), &TerminalPanel::popupRequested,
                     [&requests](QPoint at) { requests.push_back(at); });
    int previewKeys = 0;
    QObject::connect(&m_window->panel(), &TerminalPanel::previewKeyPressed,
                     [&previewKeys](editor::PreviewKey) { ++previewKeys; });
    clickKey(editor::MenuKeyNumber);
    mouse(QEvent::MouseButtonPress, QPoint(130, 150), Qt::RightButton);
    ASSERT_EQ(requests.size(), 2U);
    EXPECT_EQ(requests[0], m_window->panel().mapToGlobal(QPoint(158, 571)));
    EXPECT_EQ(requests[1], m_window->panel().mapToGlobal(QPoint(130, 150)));
    EXPECT_EQ(previewKeys, 0);
}

TEST_F(MainWindowTest, EntKeyIsDrawnPressedFollowsTheItemAndSheetOkBringsThePreviewBack)
{
    startPreviewAtMenu1();
    const editor::TerminalPreview& preview = m_window->designer().preview();
    ASSERT_EQ(preview.kind(), editor::PreviewScreenKind::Menu);
    const auto pixels = [this](QRect area) { return m_window->panel().grab(area).toImage(); };
    const auto keyArea = [](int number) {
        const editor::PanelKey* key = editor::findPanelKey(number);
        return QRect(QPoint(key->left, key->top), QPoint(key->right, key->bottom));
    };
    const QImage menuScreen = pixels(terminalScreenArea());
    const QImage ent = pixels(keyArea(2));
    mouse(QEvent::MouseButtonPress, keyArea(2).center());
    EXPECT_EQ(preview.kind(), editor::PreviewScreenKind::Form);
    EXPECT_EQ(preview.number(), 3);
    EXPECT_EQ(m_window->panel().panelModel().drawnKey(), 2);
    EXPECT_TRUE(m_window->panel().panelModel().isKeyDown());
    const QImage pressed = pixels(keyArea(2));
    EXPECT_NE(pressed, ent);
    mouse(QEvent::MouseButtonRelease, keyArea(2).center());
    EXPECT_FALSE(m_window->panel().panelModel().isKeyDown());
    EXPECT_NE(pixels(keyArea(2)), pressed);
    EXPECT_NE(pixels(terminalScreenArea()), menuScreen);
    clickKey(3);  // drives nothing
    EXPECT_EQ(preview.number(), 3);
    m_window->designer().edit();
    EXPECT_EQ(preview.kind(), editor::PreviewScreenKind::Menu);
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

TEST_F(MainWindowTest, FileNamedOnTheCommandLineOpensOnceTheWindowIsUp)
{
    auto p = testing_support::startedProject();
    p->form(1).exportName.assign("GIVEN");
    const std::string file = (m_directory / "given.Q72").string();
    ASSERT_TRUE(project::writeFileAtomically(file, project::saveProject(*p, project::Model::Q720CE)).ok);
    start(file);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_editorRuns, 0) << "the editor waits for the window";
    QCoreApplication::processEvents();
    EXPECT_EQ(m_editorRuns, 1);
    EXPECT_EQ(m_window->designer().currentFile(), file);
    EXPECT_EQ(m_window->designer().project().form(1).exportName.str(), "GIVEN");
}

TEST_F(MainWindowTest, CtrlEAndNewOpenTheRealSheetModally)
{
    start(std::nullopt, true);
    for (const bool isNew : {false, true}) {
        QString caption;
        QTimer::singleShot(0, [&caption] {
            if (auto* sheet = qobject_cast<PropertySheetDialog*>(QApplication::activeModalWidget())) {
                caption = sheet->windowTitle();
                sheet->reject();
            }
        });
        if (isNew) {
            m_window->designer().newProject();
        } else {
            pressShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
        }
        EXPECT_EQ(caption, QStringLiteral("Q720CE Formwright - [ New file ]")) << (isNew ? "New" : "Ctrl+E");
    }
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
