// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "texts/string_id.h"

namespace texts {

// How the bytes of a text are read: the program's and the terminal's texts are in the terminal's
// code page (Windows-1252), file paths in UTF-8 on every system (see project::pathFromUtf8).
enum class TextEncoding { CodePage, FileSystem };

struct EncodedText
{
    std::string bytes;
    TextEncoding encoding = TextEncoding::CodePage;
};

// Get text: where every text that the program or a default fetches by string ID comes from.
class TextSource
{
public:
    virtual ~TextSource() = default;

    // The loaded language's non-empty entry for the ID, else the built-in string (empty when the
    // ID has none).
    [[nodiscard]] virtual std::string text(StringId id) const = 0;
};

// Only the built-in string table: the text source of a program without a language.
class BuiltinTextSource final : public TextSource
{
public:
    [[nodiscard]] std::string text(StringId id) const override;
};

}  // namespace texts
