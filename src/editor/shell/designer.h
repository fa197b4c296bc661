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
#include "project/project.h"
#include "texts/language.h"
#include "texts/language_files.h"
#include "texts/preferences.h"
#include "ui/host.h"
#include "ui/localisation.h"

namespace editor {

class ShellView;

class Designer
{
public:
    // `programDirectory` holds the preferences file and the language files.
    Designer(ui::Host& host, ShellView& view, std::filesystem::path programDirectory);
    ~Designer();

    // Preferences, language, runtime texts, reset, the optional reopening of the last project,
    // then the window's placement.
    void startUp();

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
    [[nodiscard]] const std::filesystem::path& programDirectory() const { return m_programDirectory; }

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
    [[nodiscard]] std::filesystem::path preferencesFile() const;

    ui::Host& m_host;
    ShellView& m_view;
    std::filesystem::path m_programDirectory;
    std::unique_ptr<project::Project> m_project;
    std::string m_currentFile;
    bool m_isModified = false;
    texts::Preferences m_preferences;
    texts::LanguageTable m_language;
    texts::LanguageList m_languages;
};

// The path Save As writes to: the chosen path with ".Q72" appended unless the three characters
// after its last dot are "Q72" in any letter case.
[[nodiscard]] std::string withProjectExtension(std::string path);

}  // namespace editor
