// SPDX-License-Identifier: MIT
// The preferences file ("FWQ720.ini" in the program's directory): the user's choices and the
// recent projects, one value a line, every line ended by a carriage return alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"
#include "texts/model.h"

namespace texts {

inline constexpr std::string_view PreferencesFileName = "FWQ720.ini";

// The last-file value of a program that has never opened or saved a project.
inline constexpr std::string_view UnknownLastFile = "Unknow";

// Paths longer than this don't fit their slot in the file's record; they are not stored.
inline constexpr std::size_t MaxPathChars = 260;
inline constexpr std::size_t MaxRecentFiles = 4;

// A preferences file is about 1.4 KB at most; anything behind this is not read.
inline constexpr std::size_t MaxPreferencesFileBytes = 64u * 1024u;

// Paths are UTF-8 text, in the file as in memory, so a list written on one system reads alike
// on another.
struct Preferences
{
    std::string lastFile{UnknownLastFile};
    bool isAutoPreloadOn = false;
    bool isAlwaysOnTop = false;
    std::string language{BuiltinLanguageName};  // at most MaxLanguageNameChars
    std::vector<std::string> recentFiles;       // most recent first, at most MaxRecentFiles
    Model model = Model::Q720CE;

    friend bool operator==(const Preferences&, const Preferences&) = default;
};

// Whether a recent file can still be opened; tests pass their own.
using FileProbe = std::function<bool(const std::string& path)>;

[[nodiscard]] bool canOpenForReading(const std::string& path);

// Reads the values from the file's bytes over the defaults. Lines may end in CR, LF or both;
// empty lines vanish. Recent files that `canOpen` refuses are dropped but still count toward
// the four, as do over-long ones. A one-character line among the recent files is the model.
[[nodiscard]] Preferences parsePreferences(std::span<const std::uint8_t> bytes,
                                           const FileProbe& canOpen = canOpenForReading);

// The file's bytes. Never writes an empty line (it would vanish on reading and shift every
// later value): an unusable last file is written as "Unknow", an unusable language as "0",
// and recent files that couldn't be read back as such are left out.
[[nodiscard]] std::vector<std::uint8_t> serialisePreferences(const Preferences& preferences);

[[nodiscard]] std::filesystem::path preferencesFilePath(const std::filesystem::path& directory);

// The defaults when the file is missing, unreadable or empty.
[[nodiscard]] Preferences readPreferences(const std::filesystem::path& file,
                                          const FileProbe& canOpen = canOpenForReading);

// Replaces the file (temporary file, flush, rename). Returns whether it was written; a failure
// leaves the previous file and is not shown to the user.
[[nodiscard]] bool writePreferences(const std::filesystem::path& file,
                                    const Preferences& preferences);

// The project to reopen at start-up: the last file, when auto-preload is on and there is one.
[[nodiscard]] std::optional<std::string> fileToPreload(const Preferences& preferences);

}  // namespace texts
