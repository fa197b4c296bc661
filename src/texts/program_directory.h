// SPDX-License-Identifier: MIT
// The program's directory, where the preferences file and the language files live. Every
// lookup of it goes through here, so tests and packaging can point it elsewhere.
#pragma once

#include <filesystem>
#include <string_view>

namespace texts {

// Remembers argv[0] as the fallback for systems that can't name the running executable.
// Call once at start-up, before the first programDirectory().
void setProgramPath(std::string_view argv0);

// Makes programDirectory() return `directory` (an empty path removes the override).
void setProgramDirectoryOverride(const std::filesystem::path& directory);

// The override if set; else the folder of the running executable; else the folder of argv[0];
// else the current directory.
[[nodiscard]] std::filesystem::path programDirectory();

}  // namespace texts
