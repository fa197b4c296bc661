// SPDX-License-Identifier: MIT
// Where the preferences file and the language files live. A copy of the program in a folder of
// its own (unpacked, or a build tree) keeps both beside the executable; an installed program,
// whose folder is shared or read-only, keeps them in the user's folders.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

namespace texts {

// The folder names under the user's configuration and data folders and under share/.
inline constexpr std::string_view InstalledFolderName = "formwright";
inline constexpr std::string_view LanguageFolderName = "languages";

// The installed data folder relative to the folder of an installed executable (bin/); the
// install rules put the shared files there.
inline constexpr std::string_view InstalledDataRelativePath = "../share/formwright";

// The user's base folders (XDG_CONFIG_HOME and XDG_DATA_HOME on Linux).
struct UserFolders
{
    std::filesystem::path configuration;
    std::filesystem::path data;
};

struct ProgramFolders
{
    std::filesystem::path preferencesFile;
    std::vector<std::filesystem::path> languageFolders;  // searched in this order
    bool isInstalled = false;

    friend bool operator==(const ProgramFolders&, const ProgramFolders&) = default;
};

// Whether the program can create files in a folder; tests pass their own.
using FolderProbe = std::function<bool(const std::filesystem::path& folder)>;

// The user's folders from the environment: XDG_CONFIG_HOME and XDG_DATA_HOME when they hold
// absolute paths, else ~/.config and ~/.local/share (on Windows %APPDATA% for both). Empty
// paths when no home folder is known.
[[nodiscard]] UserFolders userFoldersFromEnvironment();

// Everything in the program's folder, exactly as a copy of its own has always kept it.
[[nodiscard]] ProgramFolders portableFolders(const std::filesystem::path& programDirectory);

// The preferences file in <configuration>/formwright; language files from
// <data>/formwright/languages, then from the installed data folder's languages/.
[[nodiscard]] ProgramFolders installedFolders(const std::filesystem::path& programDirectory, const UserFolders& user);

// The portable folders when the program's folder is writable and holds no installation (no
// installed data folder beside it), else the installed ones. Without a usable user
// configuration folder the program's folder is all there is.
[[nodiscard]] ProgramFolders programFolders(const std::filesystem::path& programDirectory, const UserFolders& user,
                                            const FolderProbe& canWrite);
[[nodiscard]] ProgramFolders programFolders(const std::filesystem::path& programDirectory, const UserFolders& user);

}  // namespace texts
