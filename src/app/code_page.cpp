// SPDX-License-Identifier: MIT
#include "app/code_page.h"

#include <array>
#include <cstdint>

#include "app/file_names.h"

namespace app {
namespace {

// Windows-1252 bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> byteFor(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(static_cast<std::uint8_t>(unit));
    }
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == unit) {
            return static_cast<char>(static_cast<std::uint8_t>(0x80 + i));
        }
    }
    return std::nullopt;
}

} // namespace

QString fromCodePage(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        text.append(QChar(byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t{byte}));
    }
    return text;
}

QString decodedText(std::string_view bytes, texts::TextEncoding encoding)
{
    if (encoding == texts::TextEncoding::FileSystem) {
        return qStringFromPathText(bytes);
    }
    return fromCodePage(bytes);
}

QString decodedText(const std::vector<texts::EncodedText>& parts)
{
    QString text;
    for (const texts::EncodedText& part : parts) {
        text += decodedText(part.bytes, part.encoding);
    }
    return text;
}

std::optional<std::string> toCodePage(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        const std::optional<char> byte = byteFor(character.unicode());
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

bool isInCodePage(QChar character)
{
    return byteFor(character.unicode()).has_value();
}

} // namespace app
