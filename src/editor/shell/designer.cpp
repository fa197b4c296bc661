// SPDX-License-Identifier: MIT
#include "editor/shell/designer.h"

#include <system_error>

#include "editor/shell/about_dialog.h"
#include "editor/shell/preferences_dialog.h"
#include "editor/shell/shell_view.h"
#include "project/defaults.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/runtime_texts.h"
#include "resources/shell_templates.h"
#include "texts/recent_files.h"

namespace editor::shell {
namespace {

using texts::sid;

constexpr texts::StringId ErrorTitle = sid(2601);
constexpr texts::StringId FormatMismatch = sid(2801);
constexpr texts::StringId SaveFailed = sid(2803);

ui::FileFilter filter(const texts::TextSource& texts, int description, int patterns)
{
    return ui::FileFilter{texts.text(sid(description)), texts.text(sid(patterns))};
}

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool isAsciiLetter(char c, char lower) { return c == lower || c == lower - 'a' + 'A'; }

}  // namespace

std::string withProjectExtension(std::string path)
{
    const std::size_t nameStart = path.find_last_of("/\\") == std::string::npos ? 0 : path.find_last_of("/\\") + 1;
    const std::size_t dot = path.find_last_of('.');
    const bool hasProjectExtension = dot != std::string::npos && dot >= nameStart && path.size() >= dot + 4 &&
                                     isAsciiLetter(path[dot + 1], 'q') && path[dot + 2] == '7' && path[dot + 3] == '2';
    if (!hasProjectExtension) {
        path += ".Q72";
    }
    return path;
}

Designer::Designer(ui::Host& host, ShellView& view, texts::ProgramFolders folders)
    : m_host(host), m_view(view), m_folders(std::move(folders)),
      m_project(std::make_unique<project::Project>(project::zeroProject()))
{
}

Designer::Designer(ui::Host& host, ShellView& view, const std::filesystem::path& programDirectory)
    : Designer(host, view, texts::portableFolders(programDirectory))
{
}

Designer::~Designer() = default;

ui::LanguageState Designer::languageState() const
{
    return m_language.isLoaded() ? ui::LanguageState::Loaded : ui::LanguageState::BuiltinOnly;
}

std::vector<MenuEntry> Designer::popupMenu() const { return buildPopupMenu(m_language, m_preferences.recentFiles); }

std::filesystem::path Designer::preferencesFile() const { return m_folders.preferencesFile; }

bool Designer::hasCurrentFile() const
{
    return !m_currentFile.empty() && m_currentFile != texts::UnknownLastFile;
}

void Designer::startUp(LastFile lastFile)
{
    m_preferences = texts::readPreferences(preferencesFile());
    const std::optional<std::string> preload =
        lastFile == LastFile::Skip ? std::nullopt : texts::fileToPreload(m_preferences);
    m_languages = texts::enumerateLanguages(m_folders.languageFolders);
    loadLanguage();
    project::fillAllTables(*m_project, m_language);
    resetProject();
    // The menu is built once the language is known: its command labels come from it.
    m_view.rebuildPopupMenu();
    // A file that is gone or refused leaves the new project without a path, so that a later
    // Save can't overwrite that file with the empty project.
    if (preload) {
        readProjectFile(*preload, ResetFirst::No);
    }
    m_view.placeWindow(m_preferences.isAlwaysOnTop);
}

void Designer::run(int command)
{
    if (isRecentFileCommand(command)) {
        openRecent(command - commandValue(Command::FirstRecentFile));
        return;
    }
    switch (static_cast<Command>(command)) {
    case Command::New: newProject(); break;
    case Command::Open: open(); break;
    case Command::Save: save(); break;
    case Command::SaveAs: saveAs(); break;
    case Command::Edit: edit(); break;
    case Command::Preferences: showPreferences(); break;
    case Command::About: showAbout(); break;
    case Command::Exit: m_view.closeWindow(); break;
    default: break;
    }
}

bool Designer::settleUnsavedChanges()
{
    if (!m_isModified) {
        return true;
    }
    switch (m_host.askSaveChanges()) {
    case ui::SaveChangesAnswer::Yes: return save();
    case ui::SaveChangesAnswer::No: return true;
    case ui::SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

bool Designer::mayClose() { return settleUnsavedChanges(); }

void Designer::resetProject()
{
    m_isModified = false;
    project::resetProject(*m_project, m_language, m_preferences.model);
    restartPreview();
}

void Designer::restartPreview()
{
    m_preview.restart(*m_project);
    m_view.repaintPanel();
}

void Designer::pressPreviewKey(PreviewKey key)
{
    m_preview.press(*m_project, key);
    m_view.repaintPanel();
}

void Designer::reloadPreferences()
{
    m_preferences = texts::readPreferences(preferencesFile());
    m_view.rebuildPopupMenu();
}

void Designer::loadLanguage()
{
    if (m_languages.count() < 1) {
        m_language.unload();
        return;
    }
    texts::loadLanguage(m_language, m_languages, m_preferences.language);
}

void Designer::writePreferences()
{
    // An installed program's folder in the user's configuration folder appears with its first
    // preferences.
    if (m_folders.isInstalled) {
        std::error_code ignored;
        std::filesystem::create_directories(preferencesFile().parent_path(), ignored);
    }
    // A preferences file that can't be written costs only the remembered choices.
    (void)texts::writePreferences(preferencesFile(), m_preferences);
}

void Designer::rememberFile(const std::string& path)
{
    texts::rememberRecentFile(m_preferences, path);
    writePreferences();
    m_view.rebuildPopupMenu();
}

bool Designer::newProject()
{
    if (!settleUnsavedChanges()) {
        return false;
    }
    m_currentFile.clear();
    resetProject();
    edit();
    return true;
}

bool Designer::open()
{
    if (!settleUnsavedChanges()) {
        return false;
    }
    reloadPreferences();
    m_view.placeWindow(m_preferences.isAlwaysOnTop);
    ui::FileChooserRequest request;
    request.filters = {filter(m_language, 21, 26), filter(m_language, 22, 27)};
    if (hasCurrentFile()) {
        request.initialFile = m_currentFile;
        request.initialDirectory = directoryOf(m_currentFile);
    }
    request.defaultExtension = "Q72";
    const std::optional<std::string> chosen = m_host.chooseFileToOpen(request);
    if (!chosen || !readProjectFile(*chosen, ResetFirst::Yes)) {
        return false;
    }
    edit();
    return true;
}

bool Designer::openRecent(int index)
{
    if (index < 0 || index >= static_cast<int>(m_preferences.recentFiles.size())) {
        return false;
    }
    return openFile(m_preferences.recentFiles[static_cast<std::size_t>(index)]);
}

bool Designer::openFile(std::string path)
{
    // A copy: the path may be an entry of the recent list, which the read rewrites.
    if (!settleUnsavedChanges() || !readProjectFile(path, ResetFirst::Yes)) {
        return false;
    }
    edit();
    return true;
}

bool Designer::readProjectFile(const std::string& path, ResetFirst reset)
{
    const project::FileReadResult file = project::readFilePrefix(project::pathFromUtf8(path), project::CurrentFileBytes);
    if (!file.ok) {
        return false;
    }
    auto staged = std::make_unique<project::Project>(*m_project);
    if (reset == ResetFirst::Yes) {
        project::resetProject(*staged, m_language, m_preferences.model);
    }
    const project::LoadResult loaded =
        project::loadProject(file.bytes, *staged, project::LoadContext{m_language, m_preferences.model});
    if (!loaded.ok) {
        m_host.warning(ErrorTitle, FormatMismatch);
        return false;
    }
    m_project = std::move(staged);
    m_currentFile = path;
    m_isModified = false;
    rememberFile(path);
    restartPreview();
    if (loaded.adoptedModel) {
        m_preferences.model = *loaded.adoptedModel;
        writePreferences();
        m_view.repaintPanel();
    }
    return true;
}

bool Designer::writeProjectFile(const std::string& path)
{
    const std::vector<std::uint8_t> image = project::saveProject(*m_project, m_preferences.model);
    const project::FileWriteResult written = project::writeFileAtomically(project::pathFromUtf8(path), image);
    if (!written.ok) {
        m_host.warning(ErrorTitle, SaveFailed);
        return false;
    }
    m_currentFile = path;
    m_isModified = false;
    rememberFile(path);
    return true;
}

bool Designer::save()
{
    if (!hasCurrentFile()) {
        return saveAs();
    }
    return writeProjectFile(m_currentFile);
}

bool Designer::saveAs()
{
    ui::FileChooserRequest request;
    request.filters = {filter(m_language, 21, 26)};
    request.defaultExtension = "Q72";
    const std::optional<std::string> chosen = m_host.chooseFileToSave(request);
    if (!chosen) {
        return false;
    }
    return writeProjectFile(withProjectExtension(*chosen));
}

void Designer::edit()
{
    EditorSession session{*m_project, m_isModified, m_language, languageState(), m_preferences.model, m_host,
                          m_currentFile};
    m_view.runEditorSheet(session);
    if (session.isApplied) {
        restartPreview();
    }
}

void Designer::showPreferences()
{
    // The file is read again, but the open project keeps its own path: after New it has none.
    reloadPreferences();
    m_languages = texts::enumerateLanguages(m_folders.languageFolders);
    PreferencesDialog dialog(m_preferences, m_languages.names(), m_languages.count(), m_language, languageState());
    if (m_host.runDialog(resources::preferencesTemplate, dialog) == ui::DialogResult::Ok) {
        const bool isNewLanguage = dialog.chosen().language != m_preferences.language;
        m_preferences = dialog.chosen();
        writePreferences();
        if (isNewLanguage) {
            loadLanguage();
            project::fillAllTables(*m_project, m_language);
            m_preview.restart(*m_project);
        }
        m_view.rebuildPopupMenu();
    }
    m_view.placeWindow(m_preferences.isAlwaysOnTop);
    m_view.repaintPanel();
}

void Designer::showAbout()
{
    AboutDialog about;
    m_host.runDialog(resources::aboutTemplate, about);
}

}  // namespace editor::shell
