// SPDX-License-Identifier: MIT
// The one place where the core's single-byte texts meet Qt's Unicode strings. The terminal and
// the project file use Windows-1252; another 8-bit code page would be a new table here.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texts/text_source.h"

namespace app {

// Every byte maps to one character (the five bytes the code page leaves undefined map to the
// control characters of the same value, so no byte is lost on a round trip).
[[nodiscard]] QString fromCodePage(std::string_view bytes);

// A text of the code page or a file path (UTF-8 text, read by qStringFromPathText()).
[[nodiscard]] QString decodedText(std::string_view bytes, texts::TextEncoding encoding);
// Parts of mixed encodings, each decoded on its own and joined.
[[nodiscard]] QString decodedText(const std::vector<texts::EncodedText>& parts);

// The bytes of a text, or nothing when it holds a character the code page cannot store.
[[nodiscard]] std::optional<std::string> toCodePage(const QString& text);

[[nodiscard]] bool isInCodePage(QChar character);

} // namespace app
