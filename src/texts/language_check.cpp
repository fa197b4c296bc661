// SPDX-License-Identifier: MIT
#include "texts/language_check.h"

#include <algorithm>
#include <array>
#include <optional>

#include "texts/builtin_strings.h"
#include "texts/language.h"

namespace texts {
namespace {

void appendText(std::vector<std::uint8_t>& out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back('\r');
    out.push_back('\n');
}

// The longest text that reaches the user for an ID: its terminal slot's width for the
// runtime texts, the language table's entry size for all others.
std::size_t roomFor(StringId id)
{
    if (const int width = runtimeTextSlotWidth(value(id)); width > 0) {
        return static_cast<std::size_t>(width - 1);
    }
    return MaxLanguageTextChars;
}

class Checker
{
public:
    std::vector<LanguageFinding> findings;

    void checkName(std::string_view firstLine)
    {
        if (firstLine.empty()) {
            add(1, LanguageFindingKind::MissingName, "the first line, the language's name, is empty");
        } else if (firstLine == BuiltinLanguageName) {
            add(1, LanguageFindingKind::MissingName,
                "the name \"0\" stands for the built-in texts; the file is never listed");
        } else if (firstLine.size() > MaxLanguageNameChars) {
            add(1, LanguageFindingKind::NameCut,
                "the name has " + std::to_string(firstLine.size()) + " characters; only the first " +
                    std::to_string(MaxLanguageNameChars) + " are kept");
        }
    }

    void checkEntry(int lineNumber, std::string_view line)
    {
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            return;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            add(lineNumber, LanguageFindingKind::NotAnEntry, "not an ID=text line (no \"=\")");
            return;
        }
        const std::optional<StringId> id = parseLanguageId(line.substr(0, equals));
        if (!id) {
            add(lineNumber, LanguageFindingKind::NotAnEntry,
                "not an ID=text line (\"" + std::string(line.substr(0, equals)) + "\" is not an ID from 0 to " +
                    std::to_string(MaxStringId) + ")");
            return;
        }
        const std::string label = "ID " + std::to_string(value(*id));
        const auto n = static_cast<std::size_t>(value(*id));
        if (m_firstLine[n] != 0) {
            add(lineNumber, LanguageFindingKind::RepeatedId,
                label + " is given again (first on line " + std::to_string(m_firstLine[n]) +
                    "); this later text is the one used");
        } else {
            m_firstLine[n] = lineNumber;
        }
        if (!hasBuiltinString(*id)) {
            add(lineNumber, LanguageFindingKind::UnknownId, label + " is used by no text of the program");
            return;
        }
        checkLength(lineNumber, label, *id, line.substr(equals + 1));
    }

private:
    void add(int line, LanguageFindingKind kind, std::string message)
    {
        findings.push_back({line, kind, std::move(message)});
    }

    void checkLength(int lineNumber, const std::string& label, StringId id, std::string_view text)
    {
        const std::size_t nul = text.find('\0');
        if (nul != std::string_view::npos) {
            add(lineNumber, LanguageFindingKind::TextCut,
                label + ": a NUL byte ends the text after " + std::to_string(nul) + " characters");
            return;
        }
        const std::size_t room = roomFor(id);
        if (text.size() > room) {
            const bool isTerminalText = room < MaxLanguageTextChars;
            add(lineNumber, LanguageFindingKind::TextCut,
                label + ": " + std::to_string(text.size()) + " characters, " +
                    (isTerminalText ? "its terminal slot holds " : "a language entry holds ") + std::to_string(room) +
                    "; the rest is cut");
        }
    }

    std::array<int, MaxStringId + 1> m_firstLine{};
};

}  // namespace

std::vector<std::uint8_t> languageTemplate()
{
    std::vector<std::uint8_t> out;
    appendText(out, TemplateLanguageName);
    for (int id = 0; id <= MaxStringId; ++id) {
        if (hasBuiltinString(sid(id))) {
            appendText(out, std::to_string(id) + "=" + builtinString(sid(id)));
        }
    }
    return out;
}

std::vector<LanguageFinding> checkLanguageFile(std::span<const std::uint8_t> bytes)
{
    // Lines as the loader splits them: at each line feed, without a carriage return before it.
    std::string_view rest(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    Checker checker;
    int lineNumber = 0;
    while (lineNumber == 0 || !rest.empty()) {
        ++lineNumber;
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (lineNumber == 1) {
            // The name ends at the first CR even without a line feed behind it.
            checker.checkName(line.substr(0, line.find('\r')));
        } else {
            checker.checkEntry(lineNumber, line);
        }
    }
    return checker.findings;
}

}  // namespace texts
