// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPolygon>
#include <QRegion>
#include <QShortcut>
#include <QTimer>

#include "app/code_page.h"
#include "app/property_sheet_dialog.h"
#include "app/terminal_panel.h"
#include "editor/shell/panel_layout.h"
#include "texts/builtin_strings.h"

namespace app {

// The designer's current text source, asked anew each time: the language can change while
// the host lives.
class MainWindow::DesignerTexts final : public texts::TextSource
{
public:
    const editor::shell::Designer* designer = nullptr;
    [[nodiscard]] std::string text(texts::StringId id) const override
    {
        return designer ? designer->texts().text(id) : texts::builtinString(id);
    }
};

QRegion windowOutlineRegion()
{
    QPolygon polygon;
    for (const editor::shell::PanelPoint& p : editor::shell::windowOutline()) {
        polygon << QPoint(p.x, p.y);
    }
    return QRegion(polygon, Qt::WindingFill);
}

MainWindow::MainWindow(const HostFactory& makeHost, const std::filesystem::path& programDirectory)
    : MainWindow(makeHost, texts::portableFolders(programDirectory))
{
}

MainWindow::MainWindow(const HostFactory& makeHost, texts::ProgramFolders folders)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_texts(std::make_unique<DesignerTexts>()),
      m_host(makeHost(*m_texts, this)),
      m_designer(std::make_unique<editor::shell::Designer>(*m_host, *this, std::move(folders))),
      m_sheetRunner([](QWidget* window, editor::shell::EditorSession& session) {
          session.isApplied = runPropertySheet(window, session);
      })
{
    m_texts->designer = m_designer.get();
    setWindowTitle(QStringLiteral("Formwright"));
    setWindowIcon(QIcon(programIconPixmap(32)));
    setFixedSize(editor::shell::PanelWidth, editor::shell::PanelHeight);
    setMask(windowOutlineRegion());
    m_panel = new TerminalPanel(
        m_pictures, [this] { return m_designer->model(); }, [this] { return m_designer->previewScreen(); }, this);
    m_panel->move(0, 0);
    connect(m_panel, &TerminalPanel::popupRequested, this, &MainWindow::showPopupMenu);
    connect(m_panel, &TerminalPanel::previewKeyPressed, this,
            [this](editor::shell::PreviewKey key) { m_designer->pressPreviewKey(key); });
    addAccelerator(QKeySequence(Qt::CTRL | Qt::Key_N), editor::shell::Command::New);
    addAccelerator(QKeySequence(Qt::CTRL | Qt::Key_O), editor::shell::Command::Open);
    addAccelerator(QKeySequence(Qt::CTRL | Qt::Key_S), editor::shell::Command::Save);
    addAccelerator(QKeySequence(Qt::CTRL | Qt::Key_E), editor::shell::Command::Edit);
    rebuildPopupMenu();
}

MainWindow::~MainWindow() = default;

void MainWindow::addAccelerator(const QKeySequence& keys, editor::shell::Command command)
{
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this,
            [this, command] { m_designer->run(editor::shell::commandValue(command)); });
}

void MainWindow::startUp(const std::optional<std::string>& fileToOpen)
{
    if (!fileToOpen) {
        m_designer->startUp();
        return;
    }
    m_designer->startUp(editor::shell::Designer::LastFile::Skip);
    QTimer::singleShot(0, this, [this, path = *fileToOpen] { m_designer->openFile(path); });
}

void MainWindow::placeWindow(bool isAlwaysOnTop)
{
    if (isAlwaysOnTop != windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        setWindowFlag(Qt::WindowStaysOnTopHint, isAlwaysOnTop);
    }
    move(editor::shell::WindowPosition.x, editor::shell::WindowPosition.y);
    show();
}

void MainWindow::repaintPanel() { m_panel->update(); }

void MainWindow::runEditorSheet(editor::shell::EditorSession& session) { m_sheetRunner(this, session); }

void MainWindow::rebuildPopupMenu()
{
    m_menu.clear();
    for (const editor::shell::MenuEntry& entry : m_designer->popupMenu()) {
        if (entry.isSeparator) {
            m_menu.addSeparator();
            continue;
        }
        QAction* action = m_menu.addAction(decodedText(entry.label, entry.encoding));
        action->setData(entry.command);
        const int command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { m_designer->run(command); });
    }
}

void MainWindow::showPopupMenu(QPoint globalPosition) { m_menu.exec(globalPosition); }

void MainWindow::closeWindow() { close(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_designer->mayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace app
