// SPDX-License-Identifier: MIT
// For translators: a complete language file to start from, and a check of a language file
// against what the program does with it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace texts {

// The name on the first line of the template.
inline constexpr std::string_view TemplateLanguageName = "English";

// The built-in strings as a language file: the name, then "ID=text" for every ID of the
// built-in table in ID order, each line ended by CR LF. Terminal texts keep the blanks that
// pad them to their slot, so the template shows how much room each one has.
[[nodiscard]] std::vector<std::uint8_t> languageTemplate();

enum class LanguageFindingKind {
    MissingName,  // the first line is empty, or is the name of the built-in texts
    NameCut,      // the name is longer than the Preferences dialog keeps
    NotAnEntry,   // a line that is not "ID=text" (blank lines are no entry and no finding)
    UnknownId,    // no text of the program or the terminal uses the ID
    RepeatedId,   // the ID was given before; this later text is the one used
    TextCut,      // the text is longer than 160 characters or than its terminal slot, or holds a NUL
};

struct LanguageFinding
{
    int line;  // from 1
    LanguageFindingKind kind;
    std::string message;
};

// Every finding in file order; none for the template.
[[nodiscard]] std::vector<LanguageFinding> checkLanguageFile(std::span<const std::uint8_t> bytes);

}  // namespace texts
