// SPDX-License-Identifier: MIT
// The designer's document and commands: the open project, its file and modified flag, the
// preferences and the language, and what New, Open, Save, the recent files, Preferences and
// closing do with them. Headless: dialogs go through ui::Host, the window through ShellView.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/shell/editor_session.h"
#include "editor/shell/popup_menu.h"
#include "editor/shell/terminal_preview.h"
#include "project/project.h"
#include "texts/language.h"
#include "texts/language_files.h"
#include "texts/preferences.h"
#include "texts/program_folders.h"
#include "ui/host.h"
#include "ui/localisation.h"

namespace editor::shell {

class ShellView;

class Designer
{
public:
    // `folders` say where the preferences file and the language files live.
    Designer(ui::Host& host, ShellView& view, texts::ProgramFolders folders);
    // Both in `programDirectory`, as a copy of the program in a folder of its own keeps them.
    Designer(ui::Host& host, ShellView& view, const std::filesystem::path& programDirectory);
    ~Designer();

    // Preferences, language, runtime texts, reset, the optional reopening of the last project,
    // then the window's placement. A program started to open a file skips the reopening.
    enum class LastFile { ReopenIfPreferred, Skip };
    void startUp(LastFile lastFile = LastFile::ReopenIfPreferred);

    // Runs a popup-menu or accelerator command; unknown commands are ignored.
    void run(int command);

    bool newProject();
    bool open();
    bool save();
    bool saveAs();
    void edit();
    void showPreferences();
    void showAbout();
    bool openRecent(int index);
    // A project file named on the command line or by the desktop, opened as a recent file is:
    // the save prompt when needed, then the file and the editor. A missing file changes nothing
    // silently, a refused one after its warning. The path is UTF-8 text, as in the recent list.
    bool openFile(std::string path);

    // The close request: false when the window must stay (Cancel, or a failed save after Yes).
    [[nodiscard]] bool mayClose();

    [[nodiscard]] const project::Project& project() const { return *m_project; }
    [[nodiscard]] project::Project& project() { return *m_project; }
    [[nodiscard]] const std::string& currentFile() const { return m_currentFile; }
    [[nodiscard]] bool isModified() const { return m_isModified; }
    void setModified(bool isModified) { m_isModified = isModified; }
    [[nodiscard]] const texts::Preferences& preferences() const { return m_preferences; }
    [[nodiscard]] project::Model model() const { return m_preferences.model; }
    [[nodiscard]] const texts::TextSource& texts() const { return m_language; }
    [[nodiscard]] ui::LanguageState languageState() const;
    [[nodiscard]] std::vector<MenuEntry> popupMenu() const;
    [[nodiscard]] const texts::ProgramFolders& folders() const { return m_folders; }

    // The preview on the terminal's screen: what the project in memory shows where the painted
    // keys have led. It starts again at the start screen after New, Open, the sheet's OK and a
    // change of language.
    [[nodiscard]] PreviewScreen previewScreen() const { return m_preview.screen(*m_project, m_language); }
    [[nodiscard]] const TerminalPreview& preview() const { return m_preview; }
    void pressPreviewKey(PreviewKey key);

private:
    enum class ResetFirst { No, Yes };

    [[nodiscard]] bool hasCurrentFile() const;
    // The save-changes prompt; false when the pending command must not go on.
    [[nodiscard]] bool settleUnsavedChanges();
    void resetProject();
    void reloadPreferences();
    void loadLanguage();
    // Reads a project file; on success the project, the file path and the recent list change,
    // on failure nothing does.
    bool readProjectFile(const std::string& path, ResetFirst reset);
    bool writeProjectFile(const std::string& path);
    void rememberFile(const std::string& path);
    void writePreferences();
    void restartPreview();
    [[nodiscard]] std::filesystem::path preferencesFile() const;

    ui::Host& m_host;
    ShellView& m_view;
    texts::ProgramFolders m_folders;
    std::unique_ptr<project::Project> m_project;
    std::string m_currentFile;
    bool m_isModified = false;
    texts::Preferences m_preferences;
    texts::LanguageTable m_language;
    texts::LanguageList m_languages;
    TerminalPreview m_preview;
};

// The path Save As writes to: the chosen path with ".Q72" appended unless the three characters
// after its last dot are "Q72" in any letter case.
[[nodiscard]] std::string withProjectExtension(std::string path);

}  // namespace editor::shell
