// SPDX-License-Identifier: MIT
// The language table: the texts of the loaded language file, consulted before the built-in
// strings by every text lookup.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/string_id.h"
#include "texts/text_source.h"

namespace texts {

inline constexpr std::size_t MaxLanguageTextChars = 160;
inline constexpr std::size_t MaxLanguageNameChars = 40;

// The language preference that stands for the built-in texts; no language file can take it.
inline constexpr std::string_view BuiltinLanguageName = "0";

// One "ID=text" line of a language file.
struct LanguageLine
{
    StringId id;
    std::string text;  // at most MaxLanguageTextChars; empty clears the entry
};

// A language file as read: its name (first line) and its entries in file order.
struct LanguageFile
{
    std::string name;
    std::vector<LanguageLine> lines;
};

// The ID before the "=" of an entry line: decimal, 0 to MaxStringId, blanks allowed around it.
[[nodiscard]] std::optional<StringId> parseLanguageId(std::string_view digits);

// The name of a language file from its leading bytes: the first line without its line end,
// cut to MaxLanguageNameChars.
[[nodiscard]] std::string languageNameFromBytes(std::span<const std::uint8_t> bytes);

// Parses a whole language file. Lines may end in CR LF or LF alone. A line whose text before
// "=" is not a decimal number, or whose number lies outside 0..MaxStringId, is ignored; a text
// longer than MaxLanguageTextChars is cut.
[[nodiscard]] LanguageFile parseLanguageFile(std::span<const std::uint8_t> bytes);

class LanguageTable final : public TextSource
{
public:
    LanguageTable();

    // The language's non-empty entry while a language is loaded, else the built-in string.
    [[nodiscard]] std::string text(StringId id) const override;

    // The raw entry, whether or not a language is loaded (empty when there is none).
    [[nodiscard]] const std::string& entry(StringId id) const;

    // Stores the file's entries over the current ones and marks the table loaded. Entries the
    // file doesn't name keep what an earlier language put there.
    void apply(const LanguageFile& file);

    // Back to the built-in texts; the entries stay for a later load.
    void unload() { m_isLoaded = false; }

    [[nodiscard]] bool isLoaded() const { return m_isLoaded; }

private:
    std::vector<std::string> m_entries;
    bool m_isLoaded = false;
};

}  // namespace texts
