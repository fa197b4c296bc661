// SPDX-License-Identifier: MIT
// Language files ("*.lng") in the program's directory: finding them and loading one by name.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace texts {

inline constexpr std::size_t MaxLanguages = 20;

struct LanguageListEntry
{
    std::string name;  // the file's first line, at most MaxLanguageNameChars
    std::filesystem::path path;
};

// The languages offered to the user, in file-name order.
struct LanguageList
{
    std::vector<LanguageListEntry> entries;  // at most MaxLanguages
    bool hasLanguageFiles = false;           // whether any "*.lng" file was there at all

    // -1 when the directory holds no language file, else the number of usable entries (0 when
    // every file was unreadable or nameless).
    [[nodiscard]] int count() const
    {
        return hasLanguageFiles ? static_cast<int>(entries.size()) : -1;
    }

    // The names for the language list of the preferences, in list order.
    [[nodiscard]] std::vector<std::string> names() const;
};

// Lists the "*.lng" files of a directory (the extension in any letter case). A file that can't
// be read, has an empty first line or takes the reserved name "0" is left out; the others are
// listed up to MaxLanguages.
[[nodiscard]] LanguageList enumerateLanguages(const std::filesystem::path& directory);

// The same over several folders, one after the other: the user's own files before the
// installed ones. A name that an earlier folder already lists is left out, so a user's copy of
// an installed language replaces it.
[[nodiscard]] LanguageList enumerateLanguages(std::span<const std::filesystem::path> folders);

// Loads the first listed language whose name equals `name` exactly and that can be read with
// a non-zero length. On success the table holds its entries and is loaded; otherwise the table
// is unloaded (its entries stay). Returns whether a language is loaded.
bool loadLanguage(LanguageTable& table, const LanguageList& list, std::string_view name);

// The same after enumerating `directory`.
bool loadLanguage(LanguageTable& table, const std::filesystem::path& directory,
                  std::string_view name);

}  // namespace texts
