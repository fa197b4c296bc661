// SPDX-License-Identifier: MIT
// The designer's window: the popup menu, the painted keys driving the preview, the sheet and
// the close, wired to a scripted host; and its command line.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/property_sheet_dialog.h"
#include "app/terminal_panel.h"
#include "app/terminal_screen.h"
#include "editor/shell/panel_layout.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "support/project_fixtures.h"
#include "support/qt_test_app.h"
#include "support/temp_folder.h"
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
        start();
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
            m_window->setSheetRunner([this](QWidget*, editor::shell::EditorSession& session) {
                ++m_editorRuns;
                session.isApplied = m_isSheetApplied;
            });
        }
        m_window->startUp(file);
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
        const editor::shell::PanelKey* key = editor::shell::findPanelKey(number);
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

    testing_support::TempFolder m_folder;
    const fs::path& m_directory = m_folder.path();
    ui::testing::ScriptedHost* m_host = nullptr;
    std::unique_ptr<MainWindow> m_window;
    int m_editorRuns = 0;
    bool m_isSheetApplied = false;
};

// The language named in the preferences is loaded at start-up, in its code page.
TEST_F(MainWindowTest, PopupMenuFollowsTheModelInTheLanguageLoadedAtStartUpAndGainsSavedFiles)
{
    std::ofstream(m_directory / "deutsch.lng", std::ios::binary) << "Deutsch\r\n31=&Neu\r\n32=&\xD6" "ffnen...\r\n";
    std::ofstream(m_directory / "FWQ720.ini", std::ios::binary) << "Unknow\r0\r0\rDeutsch\r0\r";
    start();
    EXPECT_EQ(menuCommands(), (std::vector<int>{31, 32, 33, 34, 0, 35, 36, 0, 37, 38}));
    EXPECT_EQ(m_window->popupMenu().actions()[0]->text(), QStringLiteral("&Neu"));
    EXPECT_EQ(m_window->popupMenu().actions()[1]->text(), QString::fromUtf8("&\u00d6ffnen..."));
    EXPECT_EQ(m_window->popupMenu().actions()[2]->text(), QStringLiteral("&Save\tCtrl+S"));
    m_host->filesToSave.push_back((m_directory / "J\xC3\xBCrgen R&D").string());
    m_window->designer().saveAs();
    EXPECT_EQ(menuCommands(), (std::vector<int>{31, 32, 33, 34, 0, 35, 36, 0, 90, 0, 37, 38}));
    EXPECT_TRUE(m_window->popupMenu().actions()[8]->text().endsWith(QString::fromUtf8("J\u00fcrgen R&&D.Q72")));
}

TEST_F(MainWindowTest, MenuItemsAndTheFourAcceleratorsReachTheirCommands)
{
    m_window->popupMenu().actions()[8]->trigger();  // About
    EXPECT_EQ(m_host->dialogsRun, std::vector<std::string>{"AboutBox"});
    m_window->popupMenu().actions()[5]->trigger();  // Edit
    EXPECT_EQ(m_editorRuns, 1);
    EXPECT_EQ(m_window->findChildren<QShortcut*>().size(), 4);
    pressShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_EQ(m_editorRuns, 2);
}

TEST_F(MainWindowTest, MenuKeyAndRightClickAskForThePopup)
{
    QObject::disconnect(&m_window->panel(), &TerminalPanel::popupRequested, m_window.get(), nullptr);
    std::vector<QPoint> requests;
    QObject::connect(&m_window->panel(), &TerminalPanel::popupRequested, [&](QPoint at) { requests.push_back(at); });
    clickKey(editor::shell::MenuKeyNumber);
    mouse(QEvent::MouseButtonPress, QPoint(130, 150), Qt::RightButton);
    EXPECT_EQ(requests, (std::vector<QPoint>{m_window->panel().mapToGlobal(QPoint(158, 571)),
                                             m_window->panel().mapToGlobal(QPoint(130, 150))}));
}

TEST_F(MainWindowTest, EntKeyIsDrawnPressedFollowsTheItemAndSheetOkBringsThePreviewBack)
{
    m_isSheetApplied = true;  // the preview starts at menu 1, whose first item leads to form 3
    project::Project& p = m_window->designer().project();
    p.device.startFrom = 1;
    p.menu(1).itemName[0].assign("Count");
    p.menu(1).itemNext[0] = 3;
    m_window->designer().edit();
    const editor::shell::TerminalPreview& preview = m_window->designer().preview();
    ASSERT_EQ(preview.kind(), editor::shell::PreviewScreenKind::Menu);
    const auto pixels = [this](QRect area) { return m_window->panel().grab(area).toImage(); };
    const auto keyArea = [](int number) {
        const editor::shell::PanelKey* key = editor::shell::findPanelKey(number);
        return QRect(QPoint(key->left, key->top), QPoint(key->right, key->bottom));
    };
    const QImage menuScreen = pixels(terminalScreenArea());
    const QImage ent = pixels(keyArea(2));
    mouse(QEvent::MouseButtonPress, keyArea(2).center());
    EXPECT_EQ(preview.number(), 3);
    EXPECT_NE(pixels(keyArea(2)), ent);
    mouse(QEvent::MouseButtonRelease, keyArea(2).center());
    EXPECT_NE(pixels(terminalScreenArea()), menuScreen);
    m_window->designer().edit();
    EXPECT_EQ(preview.kind(), editor::shell::PreviewScreenKind::Menu);
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

namespace fs = std::filesystem;

TEST(DesignerCommandLine, TakesOneProjectFileHelpAndVersionAndRefusesTheRest)
{
    const std::string cwd = fs::current_path().string();
    struct Row
    {
        std::vector<std::string> arguments;
        DesignerAction action;
        std::optional<std::string> file;
    };
    const Row rows[] = {
        {{}, DesignerAction::Run, std::nullopt},
        {{"/home/ann/shop.Q72"}, DesignerAction::Run, "/home/ann/shop.Q72"},
        {{"shop.Q72"}, DesignerAction::Run, cwd + "/shop.Q72"},
        {{"--", "-odd name.Q72"}, DesignerAction::Run, cwd + "/-odd name.Q72"},
        {{"--help"}, DesignerAction::ShowHelp, std::nullopt},
        {{"shop.Q72", "-h"}, DesignerAction::ShowHelp, std::nullopt},
        {{"--bogus", "--version"}, DesignerAction::ShowVersion, std::nullopt},
        {{"--", "--help"}, DesignerAction::Run, cwd + "/--help"},
        {{"--bogus"}, DesignerAction::Refuse, std::nullopt},
        {{"-platform"}, DesignerAction::Refuse, std::nullopt},
        {{"a.Q72", "b.Q72"}, DesignerAction::Refuse, std::nullopt},
    };
    for (const Row& row : rows) {
        const DesignerArguments parsed = parseDesignerArguments(row.arguments);
        SCOPED_TRACE(row.arguments.empty() ? "(none)" : row.arguments.front() + " ...");
        EXPECT_EQ(parsed.action, row.action);
        EXPECT_EQ(parsed.file, row.file);
        EXPECT_EQ(parsed.error.empty(), row.action != DesignerAction::Refuse);
    }
}

}  // namespace
}  // namespace app
