// SPDX-License-Identifier: MIT
#include "texts/language_check.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "texts/builtin_strings.h"
#include "texts/language.h"

namespace texts {
namespace {

using Kind = LanguageFindingKind;

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::pair<int, Kind>> findingsOf(std::string_view file)
{
    std::vector<std::pair<int, Kind>> result;
    for (const LanguageFinding& f : checkLanguageFile(bytesOf(file))) {
        result.emplace_back(f.line, f.kind);
    }
    return result;
}

TEST(LanguageTemplate, LoadsBackAsALanguageWhoseEveryTextIsTheBuiltinOne)
{
    const std::vector<std::uint8_t> bytes = languageTemplate();
    const std::string text(bytes.begin(), bytes.end());
    ASSERT_TRUE(text.starts_with(std::string(TemplateLanguageName) + "\r\n"));
    ASSERT_TRUE(text.ends_with("\r\n"));
    std::size_t lines = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        ASSERT_EQ(text[at - 1], '\r') << "line " << lines + 1;
        ++lines;
    }

    const LanguageFile file = parseLanguageFile(bytes);
    EXPECT_EQ(file.name, TemplateLanguageName);
    EXPECT_EQ(file.lines.size() + 1, lines) << "every line after the name is an entry";
    LanguageTable table;
    table.apply(file);
    int entries = 0;
    for (int id = 0; id <= MaxStringId; ++id) {
        ASSERT_EQ(table.text(sid(id)), builtinString(sid(id))) << "ID " << id;
        ASSERT_EQ(!table.entry(sid(id)).empty(), hasBuiltinString(sid(id))) << "ID " << id;
        entries += hasBuiltinString(sid(id)) ? 1 : 0;
    }
    EXPECT_EQ(static_cast<int>(file.lines.size()), entries);
    EXPECT_TRUE(checkLanguageFile(bytes).empty()) << checkLanguageFile(bytes).front().message;
}

TEST(LanguageCheck, FindsEveryKindOfFaultOnItsLine)
{
    struct Line
    {
        std::string text;
        std::vector<Kind> findings;
        const char* ending = "\r\n";
    };
    const Line lines[] = {
        {"Deutsch", {}},
        {"2601=Fehler", {}},
        {"2601=Fehler!", {Kind::RepeatedId}},
        {"3999=Niemand", {Kind::UnknownId}},
        {"Fehler ohne ID", {Kind::NotAnEntry}},
        {"abc=Text", {Kind::NotAnEntry}},
        {"4000=Zu gross", {Kind::NotAnEntry}},
        {"", {}},
        {"3001=" + std::string(31, 'M'), {Kind::TextCut}},  // its terminal slot holds 30
        {"3001=Ok", {Kind::RepeatedId}, "\n"},              // LF alone is fine
        {"2602=" + std::string(161, 'x'), {Kind::TextCut}},
        {"2651=" + std::string(160, 'y'), {}},
        {"3721=" + std::string(20, 'z'), {}},  // fills its 20-character slot
        {std::string("2651=Mit\0NUL", 12), {Kind::RepeatedId, Kind::TextCut}},
        {"3101=Spalte", {}, ""},
    };
    std::string file;
    std::vector<std::pair<int, Kind>> expected;
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        file += lines[i].text + lines[i].ending;
        for (const Kind kind : lines[i].findings) {
            expected.emplace_back(static_cast<int>(i) + 1, kind);
        }
    }
    EXPECT_EQ(findingsOf(file), expected);
}

TEST(LanguageCheck, ReportsAMissingReservedOrOverlongName)
{
    const std::pair<std::string_view, std::vector<std::pair<int, Kind>>> rows[] = {
        {"", {{1, Kind::MissingName}}},
        {"\r\n2601=Fehler\r\n", {{1, Kind::MissingName}}},
        {"0\r\n2601=Fehler\r\n", {{1, Kind::MissingName}}},
        {"\n", {{1, Kind::MissingName}}},
        {"Deutsch", {}},
        {"Nederlands\n2601=Fout\n", {}},
        {"A name of forty-one characters, one more!\r\n", {{1, Kind::NameCut}}},
    };
    for (const auto& [file, expected] : rows) {
        SCOPED_TRACE(std::string(file));
        EXPECT_EQ(findingsOf(file), expected);
    }
}

}  // namespace
}  // namespace texts
