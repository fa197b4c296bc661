// SPDX-License-Identifier: MIT
// A readable JSON mirror of a project file exactly as stored, and the way back to the bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace cli {

using Json = nlohmann::ordered_json;

// The mirror of an accepted image (magic checked, at least as long as its version's layout).
// Nothing is reset, refilled, migrated or derived; blocks that the version lacks are absent.
[[nodiscard]] Json mirrorOf(std::span<const std::uint8_t> image);

struct ImageFromMirror
{
    bool ok = false;
    std::vector<std::uint8_t> image;  // exactly the version's layout
    std::string error;                // "$.forms[2].lines[0].maxLength: 300 is not a byte (0..255)"
};

[[nodiscard]] ImageFromMirror imageFromMirror(const Json& mirror);

// Parses the text of a mirror. Any malformed text, a number too large for a double among it,
// gives nothing and the reason in `error`; nothing is thrown.
[[nodiscard]] std::optional<Json> parseMirrorText(const std::string& text, std::string& error);

// Texts are single-byte: bytes 128 to 255 travel as their Latin-1 characters.
[[nodiscard]] std::string latin1ToUtf8(std::span<const std::uint8_t> bytes);
[[nodiscard]] bool utf8ToLatin1(const std::string& text, std::vector<std::uint8_t>& out);

}  // namespace cli
