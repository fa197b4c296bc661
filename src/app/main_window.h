// SPDX-License-Identifier: MIT
// The designer's only top-level window: frameless, shaped like the terminal, painted by the
// TerminalPanel, with every command in one popup menu and four accelerators.
#pragma once

#include <QMenu>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/terminal_pictures.h"
#include "editor/shell/designer.h"
#include "editor/shell/shell_view.h"

namespace app {

class TerminalPanel;

class MainWindow final : public QWidget, public editor::shell::ShellView
{
    Q_OBJECT

public:
    // Builds the host of the designer's dialogs; it fetches texts from `texts` when it shows
    // them and owns its boxes by `window` when no other window is active.
    using HostFactory = std::function<std::unique_ptr<ui::Host>(const texts::TextSource& texts, QWidget* window)>;
    // Runs the editor property sheet modally; tests record the calls instead.
    using SheetRunner = std::function<void(QWidget* window, editor::shell::EditorSession& session)>;

    MainWindow(const HostFactory& makeHost, texts::ProgramFolders folders);
    // The preferences file and the language files in `programDirectory`.
    MainWindow(const HostFactory& makeHost, const std::filesystem::path& programDirectory);
    ~MainWindow() override;

    // Start-up: preferences, language, runtime texts, project, then the window is shown. A
    // file to open replaces the reopening of the last one and opens once the window is up.
    void startUp(const std::optional<std::string>& fileToOpen = std::nullopt);

    [[nodiscard]] editor::shell::Designer& designer() { return *m_designer; }
    [[nodiscard]] ui::Host& host() { return *m_host; }
    [[nodiscard]] QMenu& popupMenu() { return m_menu; }
    [[nodiscard]] TerminalPanel& panel() { return *m_panel; }

    void placeWindow(bool isAlwaysOnTop) override;
    void repaintPanel() override;
    void rebuildPopupMenu() override;
    void closeWindow() override;
    void runEditorSheet(editor::shell::EditorSession& session) override;

    void setSheetRunner(SheetRunner runner) { m_sheetRunner = std::move(runner); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class DesignerTexts;

    void showPopupMenu(QPoint globalPosition);
    void addAccelerator(const QKeySequence& keys, editor::shell::Command command);

    std::unique_ptr<DesignerTexts> m_texts;
    std::unique_ptr<ui::Host> m_host;
    std::unique_ptr<editor::shell::Designer> m_designer;
    TerminalPictures m_pictures;
    TerminalPanel* m_panel = nullptr;
    QMenu m_menu;
    SheetRunner m_sheetRunner;
};

// The window outline as a region of the main window.
[[nodiscard]] QRegion windowOutlineRegion();

}  // namespace app
