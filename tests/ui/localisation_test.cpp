// SPDX-License-Identifier: MIT
#include "ui/localisation.h"

#include <gtest/gtest.h>

#include "sample_dialog.h"
#include "support/project_fixtures.h"
#include "texts/builtin_strings.h"
#include "texts/language.h"
#include "ui/controls.h"
#include "ui/message_texts.h"

namespace ui {
namespace {

using sample::SampleId;

// A language file's entries over the built-in table, as the real text source answers.
using LanguageTexts = testing_support::OverrideTextSource;

constexpr int UnusedId = 3999;

// Replaces the title and the label's caption from `language` in a fresh sample dialog.
Controls localised(const texts::TextSource& language, LanguageState state)
{
    Controls controls(sample::sampleTemplate());
    static constexpr TextReplacement captions[] = {{SampleId::TitleLabel, texts::sid(UnusedId)},
                                                   {SampleId::LimitCheck, texts::sid(UnusedId - 2)}};
    replaceCaptionTexts(controls, language, state, {texts::sid(UnusedId - 1), captions});
    return controls;
}

TEST(Localisation, ReplacesTitleAndListedTextsOnlyWhenALanguageIsLoadedAndHasTheEntry)
{
    LanguageTexts language;
    language.set(UnusedId - 1, "Probe");
    language.set(UnusedId, "Longueur :");
    const Controls loaded = localised(language, LanguageState::Loaded);
    EXPECT_EQ(loaded.title(), "Probe");
    EXPECT_EQ(loaded.text(SampleId::TitleLabel), "Longueur :");
    EXPECT_EQ(loaded.text(SampleId::LimitCheck), "Limit");  // no entry: the template text

    const Controls builtin = localised(language, LanguageState::BuiltinOnly);
    EXPECT_EQ(builtin.title(), "Sample");
    EXPECT_EQ(builtin.text(SampleId::TitleLabel), "Length :");
    EXPECT_EQ(captionText(language, LanguageState::BuiltinOnly, texts::sid(UnusedId), "own"), "own");

    LanguageTexts blank;
    blank.set(UnusedId, "");
    const Controls empty = localised(blank, LanguageState::Loaded);
    EXPECT_EQ(empty.title(), "Sample");
    EXPECT_EQ(empty.text(SampleId::TitleLabel), "Length :") << "an empty entry keeps the template text";
}

TEST(Localisation, LanguageTableSaysWhetherToReplace)
{
    texts::LanguageTable table;
    table.apply(texts::LanguageFile{"Deutsch", {{texts::sid(UnusedId), "Laenge :"}}});
    table.unload();
    Controls controls(sample::sampleTemplate());
    static constexpr TextReplacement captions[] = {{SampleId::TitleLabel, texts::sid(UnusedId)}};
    replaceCaptionTexts(controls, table, {std::nullopt, captions});
    EXPECT_EQ(controls.text(SampleId::TitleLabel), "Length :");
    table.apply(texts::LanguageFile{"Deutsch", {}});
    replaceCaptionTexts(controls, table, {std::nullopt, captions});
    EXPECT_EQ(controls.text(SampleId::TitleLabel), "Laenge :");
}

TEST(MessageTexts, WarningShowsNothingWhenATextIsEmptyAndCutsTo160Characters)
{
    LanguageTexts language;
    EXPECT_FALSE(warningTexts(language, texts::sid(2602), texts::sid(UnusedId)).has_value());
    EXPECT_FALSE(warningTexts(language, texts::sid(UnusedId), texts::sid(2854)).has_value());
    const auto shown = warningTexts(language, texts::sid(2602), texts::sid(2854));
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, "Warning");
    EXPECT_EQ(shown->text, "Invalid value!");

    language.set(2854, std::string(300, 'x'));
    EXPECT_EQ(warningTexts(language, texts::sid(2602), texts::sid(2854))->text.size(), 160U);
}

TEST(MessageTexts, SaveChangesPromptAndListsTakeTheLanguageFirstButNotItsEmptyEntries)
{
    LanguageTexts language;
    language.set(2651, "");
    EXPECT_EQ(saveChangesTexts(language).text, "Save current program ?");
    language.set(2651, "Programm speichern ?");
    EXPECT_EQ(saveChangesTexts(language).text, "Programm speichern ?");
    language.set(2602, "Achtung");
    EXPECT_EQ(listTexts(language, texts::sid(2601), 2), (std::vector<std::string>{"Error", "Achtung"}));
}

} // namespace
} // namespace ui
