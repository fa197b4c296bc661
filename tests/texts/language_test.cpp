// SPDX-License-Identifier: MIT
#include "texts/language.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "texts/builtin_strings.h"

namespace texts {
namespace {

LanguageFile parse(std::string_view text)
{
    return parseLanguageFile(std::vector<std::uint8_t>(text.begin(), text.end()));
}

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

TEST(LanguageFile, LongFileIsReadToTheEnd)
{
    std::string file = "Test\r\n";
    for (int id = 0; id <= MaxStringId; ++id) {
        file += std::to_string(id) + "=" + std::string(40, 'a' + id % 26) + "\r\n";
    }
    ASSERT_GT(file.size(), 50000u);
    const LanguageTable table = loaded(file);
    EXPECT_EQ(table.entry(sid(3999)), std::string(40, 'a' + 3999 % 26));
    EXPECT_EQ(table.entry(sid(1300)), std::string(40, 'a' + 1300 % 26));
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

}  // namespace
}  // namespace texts
