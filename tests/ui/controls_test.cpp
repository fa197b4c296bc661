// SPDX-License-Identifier: MIT
#include "ui/controls.h"

#include <gtest/gtest.h>

#include "sample_dialog.h"
#include "support/project_fixtures.h"
#include "ui/dialog_template.h"
#include "ui/localisation.h"
#include "ui/message_texts.h"

namespace ui {
namespace {

using sample::SampleId;

TEST(Controls, StartFromTheTemplateAndItsStylesAndListUnknownIds)
{
    Controls controls(sample::sampleTemplate());
    EXPECT_EQ(controls.title(), "Sample");
    EXPECT_EQ(controls.text(SampleId::TitleLabel), "Length :");
    EXPECT_EQ(controls.state(SampleId::ModeList).kind, ControlKind::DropDownList);
    EXPECT_TRUE(controls.isDigitsOnly(SampleId::LengthEdit));
    EXPECT_FALSE(controls.isDigitsOnly(SampleId::NameEdit));
    EXPECT_TRUE(controls.unknownIds().empty());
    controls.setText(ControlId{999}, "lost");
    EXPECT_EQ(controls.text(ControlId{998}), "");
    EXPECT_EQ(controls.unknownIds(), (std::vector<ControlId>{ControlId{999}, ControlId{998}}));

    static constexpr ControlTemplate items[] = {
        {ControlKind::CheckBox, ControlId{101}, "a", {0, 0, 10, 10}, ControlStyle::Hidden | ControlStyle::Disabled},
    };
    const Controls hidden(DialogTemplate{"X", "", {20, 20}, items});
    EXPECT_FALSE(hidden.isVisible(ControlId{101}));
    EXPECT_FALSE(hidden.isEnabled(ControlId{101}));
}

TEST(Controls, SelectionRadiosAndFocusRequests)
{
    Controls controls(sample::sampleTemplate());
    controls.setItems(SampleId::ModeList, {"a", "b"});
    controls.setSelection(SampleId::ModeList, 1);
    EXPECT_EQ(controls.selection(SampleId::ModeList), 1);
    controls.setSelection(SampleId::ModeList, 2);
    EXPECT_EQ(controls.selection(SampleId::ModeList), -1) << "outside the entries";
    controls.setSelection(SampleId::ModeList, 0);
    controls.setItems(SampleId::ModeList, {"c"});
    EXPECT_EQ(controls.selection(SampleId::ModeList), -1) << "after new entries";

    controls.checkRadio(SampleId::FixedRadio, SampleId::DelimitedRadio, SampleId::DelimitedRadio);
    EXPECT_FALSE(controls.isChecked(SampleId::FixedRadio));
    EXPECT_TRUE(controls.isChecked(SampleId::DelimitedRadio));
    EXPECT_FALSE(controls.isChecked(SampleId::LimitCheck));

    controls.noteFocus(SampleId::NameEdit);
    EXPECT_EQ(controls.focusRequests(), 0);
    controls.requestFocus(SampleId::LengthEdit);
    EXPECT_EQ(controls.focus(), ControlId(SampleId::LengthEdit));
    EXPECT_EQ(controls.focusRequests(), 1);
}

TEST(DialogTemplate, KindsMustFitTheirIdRange)
{
    EXPECT_FALSE(kindFitsIdRange(ControlKind::Edit, ControlId{301}));
    EXPECT_FALSE(kindFitsIdRange(ControlKind::CheckBox, ControlId{701}));
    EXPECT_FALSE(kindFitsIdRange(ControlKind::Label, OkButton));
    EXPECT_TRUE(kindFitsIdRange(ControlKind::Edit, ControlId{1001}));
    EXPECT_TRUE(kindFitsIdRange(ControlKind::Label, ControlId{-1}));
}

TEST(DialogTemplate, FaultsNameDuplicatesAndStrayControls)
{
    static constexpr ControlTemplate items[] = {
        {ControlKind::CheckBox, ControlId{101}, "a", {0, 0, 10, 10}},
        {ControlKind::CheckBox, ControlId{101}, "b", {0, 12, 10, 10}},
        {ControlKind::Label, ControlId{201}, "c", {15, 15, 10, 10}},
        {ControlKind::DropDownList, ControlId{301}, "", {0, 14, 10, 80}},
    };
    const std::vector<std::string> faults = templateFaults(DialogTemplate{"XDLG", "", {20, 30}, items});
    EXPECT_EQ(faults,
              (std::vector<std::string>{"XDLG control 101: duplicate ID", "XDLG control 201: outside the dialog"}));
}


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

} // namespace
} // namespace ui
