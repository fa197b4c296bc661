// SPDX-License-Identifier: MIT
#include "texts/program_folders.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "project/disk_file.h"
#include "texts/preferences.h"

namespace texts {
namespace {

#if defined(_WIN32)
// Read wide: the narrow environment is in the code page, which cannot spell every user name.
std::filesystem::path absoluteEnvironmentPath(const wchar_t* name)
{
    const wchar_t* value = ::_wgetenv(name);
#else
std::filesystem::path absoluteEnvironmentPath(const char* name)
{
    const char* value = std::getenv(name);
#endif
    if (value == nullptr) {
        return {};
    }
    const std::filesystem::path path(value);
    // The base-directory rules ignore relative values.
    return path.is_absolute() ? path : std::filesystem::path{};
}

std::filesystem::path installedDataFolder(const std::filesystem::path& programDirectory)
{
    return (programDirectory / std::string(InstalledDataRelativePath)).lexically_normal();
}

bool isDirectory(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

UserFolders userFoldersFromEnvironment()
{
    UserFolders folders;
#if defined(_WIN32)
    folders.configuration = absoluteEnvironmentPath(L"APPDATA");
    folders.data = folders.configuration;
#else
    folders.configuration = absoluteEnvironmentPath("XDG_CONFIG_HOME");
    folders.data = absoluteEnvironmentPath("XDG_DATA_HOME");
    const std::filesystem::path home = absoluteEnvironmentPath("HOME");
    if (folders.configuration.empty() && !home.empty()) {
        folders.configuration = home / ".config";
    }
    if (folders.data.empty() && !home.empty()) {
        folders.data = home / ".local" / "share";
    }
#endif
    return folders;
}

ProgramFolders portableFolders(const std::filesystem::path& programDirectory)
{
    return ProgramFolders{preferencesFilePath(programDirectory), {programDirectory}, false};
}

ProgramFolders installedFolders(const std::filesystem::path& programDirectory, const UserFolders& user)
{
    const std::string own(InstalledFolderName);
    const std::string languages(LanguageFolderName);
    ProgramFolders folders;
    folders.preferencesFile = preferencesFilePath(user.configuration / own);
    if (!user.data.empty()) {
        folders.languageFolders.push_back(user.data / own / languages);
    }
    folders.languageFolders.push_back(installedDataFolder(programDirectory) / languages);
    folders.isInstalled = true;
    return folders;
}

ProgramFolders programFolders(const std::filesystem::path& programDirectory, const UserFolders& user,
                              const FolderProbe& canWrite)
{
    // An installation shares its bin/ folder with every user (and every other program), even
    // where this user may write there.
    const bool isInstallation = isDirectory(installedDataFolder(programDirectory));
    if ((!isInstallation && canWrite(programDirectory)) || user.configuration.empty()) {
        return portableFolders(programDirectory);
    }
    return installedFolders(programDirectory, user);
}

ProgramFolders programFolders(const std::filesystem::path& programDirectory, const UserFolders& user)
{
    return programFolders(programDirectory, user, project::canCreateFilesIn);
}

}  // namespace texts
