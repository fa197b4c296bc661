// SPDX-License-Identifier: MIT
#include "texts/language.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "texts/builtin_strings.h"

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

TEST(LanguageFile, NameIsTheFirstLine)
{
    EXPECT_EQ(parse("Deutsch\r\n3001=Datei\r\n").name, "Deutsch");
    EXPECT_EQ(parse("Deutsch\n3001=Datei\n").name, "Deutsch");
    EXPECT_EQ(parse("Deutsch").name, "Deutsch");
}

TEST(LanguageFile, NameIsCutToFortyCharacters)
{
    const std::string longName(55, 'n');
    EXPECT_EQ(parse(longName + "\r\n").name, std::string(40, 'n'));
}

TEST(LanguageFile, FiveLetterEntryEndedByCrLfKeepsAllFiveLetters)
{
    const LanguageTable table = loaded("Test\r\n3001=Datei\r\n");
    EXPECT_EQ(table.entry(sid(3001)), "Datei");
}

TEST(LanguageFile, LineFeedOnlyFileKeepsTheLastCharacterOfEveryText)
{
    const LanguageTable table = loaded("Test\n3001=Datei\n3002=Extras\n");
    EXPECT_EQ(table.entry(sid(3001)), "Datei");
    EXPECT_EQ(table.entry(sid(3002)), "Extras");
}

TEST(LanguageFile, LastLineWithoutLineEndIsRead)
{
    const LanguageTable table = loaded("Test\r\n3001=Datei\r\n3002=Extras");
    EXPECT_EQ(table.entry(sid(3002)), "Extras");
}

TEST(LanguageFile, TextKeepsEqualsSignsAndBlanks)
{
    const LanguageTable table = loaded("Test\r\n3102= a = b \r\n");
    EXPECT_EQ(table.entry(sid(3102)), " a = b ");
}

TEST(LanguageFile, IdsOutsideTheTableAreIgnored)
{
    const LanguageFile file = parse("Test\r\n4000=x\r\n-1=y\r\n65537=z\r\n3999=last\r\n0=first\r\n");
    ASSERT_EQ(file.lines.size(), 2u);
    EXPECT_EQ(value(file.lines[0].id), 3999);
    EXPECT_EQ(value(file.lines[1].id), 0);
}

TEST(LanguageFile, LinesWithoutANumberAreIgnored)
{
    const LanguageFile file =
        parse("Test\r\n=no id\r\nabc=x\r\n12ab=y\r\njust text\r\n\r\n 3001 =Datei\r\n");
    ASSERT_EQ(file.lines.size(), 1u);
    EXPECT_EQ(value(file.lines[0].id), 3001);
    EXPECT_EQ(file.lines[0].text, "Datei");
}

TEST(LanguageFile, LineWithoutEqualsDoesNotSwallowTheNextLine)
{
    const LanguageTable table = loaded("Test\r\n3001\r\n3002=Extras\r\n");
    EXPECT_EQ(table.entry(sid(3001)), "");
    EXPECT_EQ(table.entry(sid(3002)), "Extras");
}

TEST(LanguageFile, TextIsCutTo160Characters)
{
    const std::string text(300, 'x');
    const LanguageTable table = loaded("Test\r\n2651=" + text + "\r\n");
    EXPECT_EQ(table.entry(sid(2651)), std::string(160, 'x'));
}

TEST(LanguageFile, NulEndsAText)
{
    const std::string file("Test\r\n2651=ab\0cd\r\n", 18);
    EXPECT_EQ(loaded(file).entry(sid(2651)), "ab");
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

TEST(LanguageFile, EmptyFileGivesNoNameAndNoLines)
{
    const LanguageFile file = parse("");
    EXPECT_TRUE(file.name.empty());
    EXPECT_TRUE(file.lines.empty());
}

TEST(LanguageTable, UnloadedTableGivesBuiltinTexts)
{
    LanguageTable table;
    EXPECT_FALSE(table.isLoaded());
    EXPECT_EQ(table.text(sid(2651)), "Save current program ?");
}

TEST(LanguageTable, LoadedEntryComesFirst)
{
    const LanguageTable table = loaded("Test\r\n2651=Programm speichern ?\r\n");
    EXPECT_TRUE(table.isLoaded());
    EXPECT_EQ(table.text(sid(2651)), "Programm speichern ?");
}

TEST(LanguageTable, MissingOrEmptyEntryFallsBackIdById)
{
    const LanguageTable table = loaded("Test\r\n2601=Fehler\r\n2602=\r\n");
    EXPECT_EQ(table.text(sid(2601)), "Fehler");
    EXPECT_EQ(table.text(sid(2602)), "Warning");
    EXPECT_EQ(table.text(sid(2651)), "Save current program ?");
}

TEST(LanguageTable, RuntimeTextFallbackStaysPadded)
{
    const LanguageTable table = loaded("Test\r\n3002=Extras\r\n");
    EXPECT_EQ(table.text(sid(3002)), "Extras");
    EXPECT_EQ(table.text(sid(3001)), builtinString(sid(3001)));
    EXPECT_EQ(table.text(sid(3001)).size(), 30u);
}

TEST(LanguageTable, SecondLanguageKeepsTheFirstLanguagesTextsForIdsItLacks)
{
    LanguageTable table;
    table.apply(parse("Eins\r\n3001=Datei\r\n3002=Extras\r\n"));
    table.apply(parse("Zwei\r\n3001=Fichier\r\n"));
    EXPECT_EQ(table.text(sid(3001)), "Fichier");
    EXPECT_EQ(table.text(sid(3002)), "Extras");
}

TEST(LanguageTable, EmptyTextClearsAnEarlierEntry)
{
    LanguageTable table;
    table.apply(parse("Eins\r\n2601=Fehler\r\n"));
    table.apply(parse("Zwei\r\n2601=\r\n"));
    EXPECT_EQ(table.entry(sid(2601)), "");
    EXPECT_EQ(table.text(sid(2601)), "Error");
}

TEST(LanguageTable, UnloadReturnsToBuiltinTextsButKeepsEntries)
{
    LanguageTable table = loaded("Test\r\n2601=Fehler\r\n");
    table.unload();
    EXPECT_EQ(table.text(sid(2601)), "Error");
    EXPECT_EQ(table.entry(sid(2601)), "Fehler");
}

TEST(LanguageTable, EntryForAnIdWithoutBuiltinTextIsUsed)
{
    const LanguageTable table = loaded("Test\r\n3004=Nirgends\r\n");
    EXPECT_EQ(table.text(sid(3004)), "Nirgends");
    EXPECT_EQ(LanguageTable{}.text(sid(3004)), "");
}

}  // namespace
}  // namespace texts
