// SPDX-License-Identifier: MIT
#include "texts/language.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "texts/builtin_strings.h"

namespace texts {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// The line without its line end: files written on Windows end lines in CR LF, others in LF.
std::string_view withoutCarriageReturn(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string_view asText(std::span<const std::uint8_t> bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::optional<StringId> parseLanguageId(std::string_view digits)
{
    digits = trimBlanks(digits);
    if (digits.empty()) {
        return std::nullopt;
    }
    int id = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, id);
    if (ec != std::errc{} || ptr != end || id < 0 || id > MaxStringId) {
        return std::nullopt;
    }
    return sid(id);
}

std::string languageNameFromBytes(std::span<const std::uint8_t> bytes)
{
    std::string_view text = asText(bytes);
    text = text.substr(0, text.find_first_of("\r\n"));
    return std::string(text.substr(0, MaxLanguageNameChars));
}

LanguageFile parseLanguageFile(std::span<const std::uint8_t> bytes)
{
    LanguageFile file;
    file.name = languageNameFromBytes(bytes);
    std::string_view rest = asText(bytes);
    const std::size_t firstEnd = rest.find('\n');
    rest = firstEnd == std::string_view::npos ? std::string_view{} : rest.substr(firstEnd + 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = withoutCarriageReturn(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);

        const std::size_t equals = line.find('=');
        const std::optional<StringId> id =
            equals == std::string_view::npos ? std::nullopt : parseLanguageId(line.substr(0, equals));
        if (!id) {
            continue;
        }
        // Entries are C texts on the terminal: a NUL ends them.
        std::string_view text = line.substr(equals + 1);
        text = text.substr(0, std::min(text.find('\0'), MaxLanguageTextChars));
        file.lines.push_back({*id, std::string(text)});
    }
    return file;
}

LanguageTable::LanguageTable() : m_entries(static_cast<std::size_t>(MaxStringId) + 1) {}

const std::string& LanguageTable::entry(StringId id) const
{
    static const std::string none;
    const int n = value(id);
    return n >= 0 && n <= MaxStringId ? m_entries[static_cast<std::size_t>(n)] : none;
}

std::string LanguageTable::text(StringId id) const
{
    const std::string& own = entry(id);
    if (m_isLoaded && !own.empty()) {
        return own;
    }
    return builtinString(id);
}

void LanguageTable::apply(const LanguageFile& file)
{
    for (const LanguageLine& line : file.lines) {
        const int n = value(line.id);
        if (n >= 0 && n <= MaxStringId) {
            m_entries[static_cast<std::size_t>(n)] = line.text.substr(0, MaxLanguageTextChars);
        }
    }
    m_isLoaded = true;
}

}  // namespace texts
