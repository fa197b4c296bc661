// SPDX-License-Identifier: MIT
// The texts of the common message boxes, resolved in one place so every Host shows the same.
#pragma once

#include <optional>
#include <string>

#include "texts/string_id.h"

namespace texts {
class TextSource;
}

namespace ui {

struct MessageTexts
{
    std::string title;
    std::string text;
};

// Texts longer than this are cut: the message-box routine fetches at most 160 characters.
inline constexpr std::size_t MaxMessageChars = 160;

// The warning box's texts, or nothing when either comes out empty (then no box is shown).
[[nodiscard]] std::optional<MessageTexts> warningTexts(const texts::TextSource& source, texts::StringId title,
                                                       texts::StringId text);

// "Save current program ?" (string 2651, language entry first) under the program's fixed title.
[[nodiscard]] MessageTexts saveChangesTexts(const texts::TextSource& source);

} // namespace ui
