// SPDX-License-Identifier: MIT
#include "texts/language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "texts/builtin_strings.h"
#include "texts/language_check.h"
#include "texts/text_source.h"

namespace texts {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

LanguageFile parse(std::string_view text) { return parseLanguageFile(bytesOf(text)); }

LanguageTable loaded(std::string_view text)
{
    LanguageTable table;
    table.apply(parse(text));
    return table;
}

// The name is the first line cut to forty characters; an entry is the whole text after the
// first equals sign.
TEST(LanguageFile, NameIsTheFirstLineAndAnEntryTheWholeTextAfterTheFirstEquals)
{
    struct Case
    {
        const char* name;
        std::string file;
        int id;
        std::string entry;
    };
    const Case cases[] = {
        {"five letters ended by CR LF", "Test\r\n3001=Datei\r\n", 3001, "Datei"},
        {"line feeds only", "Test\n3001=Datei\n3002=Extras\n", 3001, "Datei"},
        {"line feeds only, last line", "Test\n3001=Datei\n3002=Extras\n", 3002, "Extras"},
        {"last line without line end", "Test\r\n3001=Datei\r\n3002=Extras", 3002, "Extras"},
        {"equals signs and blanks", "Test\r\n3102= a = b \r\n", 3102, " a = b "},
        {"line without equals", "Test\r\n3001\r\n3002=Extras\r\n", 3001, ""},
        {"after a line without equals", "Test\r\n3001\r\n3002=Extras\r\n", 3002, "Extras"},
        {"cut to 160", "Test\r\n2651=" + std::string(300, 'x') + "\r\n", 2651, std::string(160, 'x')},
        {"NUL ends the text", std::string("Test\r\n2651=ab\0cd\r\n", 18), 2651, "ab"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(loaded(c.file).entry(sid(c.id)), c.entry) << c.name;
        EXPECT_EQ(parse(c.file).name, "Test") << c.name;
    }
    EXPECT_EQ(parse("Deutsch").name, "Deutsch");
    EXPECT_EQ(parse(std::string(55, 'n') + "\r\n").name, std::string(40, 'n'));
    EXPECT_TRUE(parse("").name.empty());
    EXPECT_TRUE(parse("").lines.empty());
}

TEST(LanguageFile, LinesWithoutAnIdInTheTableAreIgnored)
{
    const LanguageFile file = parse("Test\r\n4000=x\r\n-1=y\r\n65537=z\r\n3999=last\r\n=no id\r\nabc=x\r\n12ab=y\r\n"
                                    "just text\r\n\r\n 3001 =Datei\r\n0=first\r\n");
    ASSERT_EQ(file.lines.size(), 3u);
    EXPECT_EQ(value(file.lines[0].id), 3999);
    EXPECT_EQ(value(file.lines[1].id), 3001);
    EXPECT_EQ(file.lines[1].text, "Datei");
    EXPECT_EQ(value(file.lines[2].id), 0);
}

TEST(LanguageTable, NonEmptyEntryComesFirstElseTheBuiltInTextIdById)
{
    EXPECT_FALSE(LanguageTable{}.isLoaded());
    EXPECT_EQ(LanguageTable{}.text(sid(2651)), "Save current program ?");
    EXPECT_EQ(LanguageTable{}.text(sid(3004)), "");

    const LanguageTable table =
        loaded("Test\r\n2651=Programm speichern ?\r\n2602=\r\n3002=Extras\r\n3004=Nirgends\r\n");
    EXPECT_TRUE(table.isLoaded());
    EXPECT_EQ(table.text(sid(2651)), "Programm speichern ?");
    EXPECT_EQ(table.text(sid(2602)), "Warning");
    EXPECT_EQ(table.text(sid(2601)), "Error");
    EXPECT_EQ(table.text(sid(3002)), "Extras");
    EXPECT_EQ(table.text(sid(3004)), "Nirgends") << "an ID without a built-in text";
    EXPECT_EQ(table.text(sid(3001)), builtinString(sid(3001)));
    EXPECT_EQ(table.text(sid(3001)).size(), 30u) << "a runtime text falls back padded";
}

// A second language overwrites only the IDs it has; unloading returns to the built-in texts but
// keeps the entries.
TEST(LanguageTable, SecondLanguageOverwritesOnlyTheIdsItHasAndUnloadKeepsEntries)
{
    LanguageTable table;
    table.apply(parse("Eins\r\n3001=Datei\r\n3002=Extras\r\n2601=Fehler\r\n2602=Achtung\r\n"));
    table.apply(parse("Zwei\r\n3001=Fichier\r\n2601=\r\n"));
    EXPECT_EQ(table.text(sid(3001)), "Fichier");
    EXPECT_EQ(table.text(sid(3002)), "Extras");
    EXPECT_EQ(table.entry(sid(2601)), "") << "an empty text clears an earlier entry";
    EXPECT_EQ(table.text(sid(2601)), "Error");
    table.unload();
    EXPECT_EQ(table.text(sid(2602)), "Warning");
    EXPECT_EQ(table.entry(sid(2602)), "Achtung");
}

// A lookup copies at most 159 characters of a built-in program text.
TEST(BuiltinStrings, EveryIdHasOneTextInTheTableRangeAndProgramTextsFitTheLookupBuffer)
{
    std::set<int> seen;
    for (const auto table : {runtimeTableStrings(), programStrings()}) {
        for (const StringEntry& e : table) {
            EXPECT_TRUE(seen.insert(e.id).second) << "ID " << e.id << " has two texts";
            EXPECT_GE(e.id, 0);
            EXPECT_LE(e.id, MaxStringId) << "ID " << e.id;
        }
    }
    for (const StringEntry& e : programStrings()) {
        EXPECT_LT(e.text.size(), 160u) << "ID " << e.id;
    }
}

using Kind = LanguageFindingKind;

std::vector<std::pair<int, Kind>> findingsOf(std::string_view file)
{
    std::vector<std::pair<int, Kind>> result;
    for (const LanguageFinding& f : checkLanguageFile(bytesOf(file))) {
        result.emplace_back(f.line, f.kind);
    }
    return result;
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
