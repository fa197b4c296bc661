// SPDX-License-Identifier: MIT
// The dialog layer on its own fixture: controls, templates, captions, messages, numbers and the
// dialog model's events.
#include "ui/dialog_model.h"

#include <gtest/gtest.h>

#include "sample_dialog.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"
#include "ui/controls.h"
#include "ui/dialog_template.h"
#include "ui/localisation.h"
#include "ui/message_texts.h"
#include "ui/numeric_edit.h"

namespace ui {
namespace {

using sample::SampleDialog;
using sample::SampleId;
using sample::SampleRecord;
using testing::DialogHarness;

class DialogModelTest : public ::testing::Test
{
protected:
    [[nodiscard]] const SampleDialog& model() { return dialog.modelAs<SampleDialog>(); }

    SampleRecord record;
    DialogHarness dialog{sample::sampleTemplate, SampleDialog(record)};
};

// The numbers' own rules are in the NumericEdit table below; this is the way typing reaches them.
TEST(DialogModel, TypingIsFilteredCutAndCorrectedAtOnce)
{
    const struct
    {
        SampleId edit;
        const char* typed;
        const char* shown;
    } cases[] = {
        {SampleId::LengthEdit, "a1b2", "12"},            // a digits-only box drops the rest
        {SampleId::LengthEdit, "0300", "99"},            // the range's bound at once
        {SampleId::NameEdit, "abcdefghij", "ABCDEFGH"},  // the text limit cuts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SampleRecord record;
        DialogHarness dialog(sample::sampleTemplate, SampleDialog(record));
        dialog.type(c.edit, c.typed);
        EXPECT_EQ(dialog.text(c.edit), c.shown);
    }
}

TEST_F(DialogModelTest, ClickElsewhereFinishesTheEditAndARefusedValueTakesTheFocusBack)
{
    dialog.type(SampleId::LengthEdit, "2");
    dialog.click(SampleId::FixedRadio);
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "5");
    EXPECT_TRUE(dialog.host().warnings.empty());
    dialog.type(SampleId::LengthEdit, "13");
    dialog.click(SampleId::FixedRadio);
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "5");
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ControlId(SampleId::LengthEdit));
}

TEST_F(DialogModelTest, EditingFinishesOnlyAfterAChangeAndModelTextsDoNotReenter)
{
    dialog.finishEditing(SampleId::LengthEdit);
    EXPECT_EQ(model().finishedEdits, 0);
    dialog.enter(SampleId::LengthEdit, "20");
    dialog.finishEditing(SampleId::LengthEdit);
    EXPECT_EQ(model().finishedEdits, 1);

    dialog.type(SampleId::NameEdit, "ab");
    EXPECT_EQ(dialog.text(SampleId::NameEdit), "AB");
    EXPECT_EQ(model().textChanges, 4);
    dialog.click(SampleId::DelimitedRadio);  // rewrites every edit from the model
    EXPECT_EQ(model().textChanges, 4);
}

TEST(DialogModel, LoadedValuesOutsideTheRangeStayUntilTheUserEditsThem)
{
    SampleRecord record;
    record.length = 2;
    DialogHarness dialog(sample::sampleTemplate, SampleDialog(record));
    dialog.click(SampleId::FixedRadio);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(record.length, 2);
}

TEST(DialogModel, OkFinishesTheEditsAndARefusedOkKeepsTheDialogOpen)
{
    SampleRecord record;
    record.name.clear();
    DialogHarness dialog(sample::sampleTemplate, SampleDialog(record));
    dialog.type(SampleId::LengthEdit, "2");
    EXPECT_FALSE(dialog.ok());
    EXPECT_FALSE(dialog.isClosed());
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ControlId(SampleId::NameEdit));
    EXPECT_EQ(record.length, 10);
    dialog.type(SampleId::NameEdit, "x");
    EXPECT_TRUE(dialog.ok());
    EXPECT_EQ(dialog.result(), DialogResult::Ok);
    EXPECT_EQ(record.length, 5) << "the unfinished 2 was finished first";
}

// A disabled control ignores events; Cancel leaves the record; opening again forgets the result.
TEST(DialogModel, CancelAndDisabledControlsLeaveTheRecordAndReopeningForgetsTheResult)
{
    SampleRecord record;
    record.isLimited = 0;
    SampleDialog model(record);
    testing::ScriptedHost host;
    model.open(sample::sampleTemplate, host);
    model.edit(SampleId::LengthEdit, "50");
    EXPECT_EQ(model.controlStates().text(SampleId::LengthEdit), "10");
    model.edit(SampleId::NameEdit, "zz");
    model.click(CancelButton);
    EXPECT_EQ(model.result(), DialogResult::Cancel);
    EXPECT_EQ(record.name, "A");
    model.open(sample::sampleTemplate, host);
    EXPECT_FALSE(model.result().has_value());
}

TEST_F(DialogModelTest, PageApplyFinishesEditingAndCommitsAndAnUnopenedPageAppliesNothing)
{
    dialog.setActive();
    dialog.type(SampleId::LengthEdit, "1");
    EXPECT_TRUE(dialog.killActive());
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "5");
    EXPECT_TRUE(dialog.apply());
    EXPECT_EQ(record.length, 5);

    SampleDialog unopened(record);
    EXPECT_TRUE(unopened.apply());
    EXPECT_FALSE(unopened.isOpen());
}

// The whole numeric-edit convention: what typing shows at once, and what finishing the edit
// leaves (the lower bound for a number below it, the fallback or the lower bound for text that
// is not a number, the last accepted text for a refused value).
TEST(NumericEdit, TypingAndFinishingFollowTheConvention)
{
    const NumericEditSpec fiveToNinetyNine = NumericEditSpec::range(5, 99);
    const NumericEditSpec withFallback = NumericEditSpec::range(2, 99).withFallback(1);
    const NumericEditSpec delimiter = NumericEditSpec::range(0, 255).refusing([](int v) { return v == 13; });
    const struct
    {
        const NumericEditSpec& spec;
        const char* typed;
        const char* shownWhileTyping;
        const char* shownWhenFinished;
        bool isRefused;
    } cases[] = {
        {fiveToNinetyNine, "30", "30", "30", false},
        {fiveToNinetyNine, "3", "3", "5", false},
        {fiveToNinetyNine, "150", "99", "99", false},
        {fiveToNinetyNine, "99999999999999999999", "99", "99", false},
        {fiveToNinetyNine, "07", "7", "7", false},
        {fiveToNinetyNine, "00", "0", "5", false},
        {fiveToNinetyNine, "0", "0", "5", false},
        {fiveToNinetyNine, "", "", "5", false},
        {fiveToNinetyNine, "ab", "ab", "5", false},
        {fiveToNinetyNine, "-7", "-7", "5", false},  // only plain digits are a number
        {fiveToNinetyNine, " 7", " 7", "5", false},
        {fiveToNinetyNine, "7a", "7a", "5", false},
        {fiveToNinetyNine, "042", "42", "42", false},
        {withFallback, "x", "x", "1", false},  // a fallback stands only for text that is not a number
        {withFallback, "", "", "1", false},
        {withFallback, "0", "0", "2", false},
        {delimiter, "13", "13", "44", true},
        {delimiter, "14", "14", "14", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + '"');
        EXPECT_EQ(correctWhileTyping(c.typed, c.spec), c.shownWhileTyping);
        const FinishedEdit finished = correctWhenFinished(c.typed, "44", c.spec);
        EXPECT_EQ(finished.text, c.shownWhenFinished);
        EXPECT_EQ(finished.isRefused, c.isRefused);
    }
}

TEST(Controls, StartFromTheTemplateAndItsStylesAndListUnknownIds)
{
    Controls controls(sample::sampleTemplate);
    EXPECT_EQ(controls.title(), "Sample");
    EXPECT_EQ(controls.text(SampleId::LimitCheck), "Limit");
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
    Controls controls(sample::sampleTemplate);
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

// Each kind has its ID range (labels also -1); a control must lie inside the dialog.
TEST(DialogTemplate, FaultsNameDuplicatesKindsOutsideTheirIdRangeAndStrayControls)
{
    static constexpr ControlTemplate items[] = {
        {ControlKind::CheckBox, ControlId{101}, "a", {0, 0, 10, 10}},
        {ControlKind::CheckBox, ControlId{101}, "b", {0, 12, 10, 10}},
        {ControlKind::Label, ControlId{201}, "c", {15, 15, 10, 10}},
        {ControlKind::DropDownList, ControlId{301}, "", {0, 14, 10, 80}},
        {ControlKind::Edit, ControlId{1001}, "", {0, 0, 5, 5}},
        {ControlKind::Label, ControlId{-1}, "", {0, 0, 5, 5}},
        {ControlKind::Edit, ControlId{302}, "", {0, 0, 5, 5}},
        {ControlKind::CheckBox, ControlId{701}, "", {0, 0, 5, 5}},
        {ControlKind::Label, OkButton, "", {0, 0, 5, 5}},
    };
    const std::vector<std::string> faults = templateFaults(DialogTemplate{"XDLG", "", {20, 30}, items});
    EXPECT_EQ(faults,
              (std::vector<std::string>{"XDLG control 101: duplicate ID", "XDLG control 201: outside the dialog",
                                        "XDLG control 302: kind does not fit its ID range",
                                        "XDLG control 701: kind does not fit its ID range",
                                        "XDLG control 1: kind does not fit its ID range"}));
}

// A language file's entries over the built-in table, as the real text source answers.
using LanguageTexts = testing_support::OverrideTextSource;

constexpr int UnusedId = 3999;

// Replaces the title and the label's caption from `language` in a fresh sample dialog.
Controls localised(const texts::TextSource& language, LanguageState state)
{
    Controls controls(sample::sampleTemplate);
    static constexpr TextReplacement captions[] = {{SampleId::LimitCheck, texts::sid(UnusedId)},
                                                   {SampleId::FixedRadio, texts::sid(UnusedId - 2)}};
    replaceCaptionTexts(controls, language, state, {texts::sid(UnusedId - 1), captions});
    return controls;
}

TEST(Localisation, ReplacesTitleAndListedTextsOnlyWhenALanguageIsLoadedAndHasTheEntry)
{
    LanguageTexts language;
    language.set(UnusedId - 1, "Probe");
    language.set(UnusedId, "Limite");
    const Controls loaded = localised(language, LanguageState::Loaded);
    EXPECT_EQ(loaded.title(), "Probe");
    EXPECT_EQ(loaded.text(SampleId::LimitCheck), "Limite");
    EXPECT_EQ(loaded.text(SampleId::FixedRadio), "Fixed");  // no entry: the template text

    const Controls builtin = localised(language, LanguageState::BuiltinOnly);
    EXPECT_EQ(builtin.title(), "Sample");
    EXPECT_EQ(builtin.text(SampleId::LimitCheck), "Limit");
    EXPECT_EQ(captionText(language, LanguageState::BuiltinOnly, texts::sid(UnusedId), "own"), "own");

    LanguageTexts blank;
    blank.set(UnusedId, "");
    const Controls empty = localised(blank, LanguageState::Loaded);
    EXPECT_EQ(empty.title(), "Sample");
    EXPECT_EQ(empty.text(SampleId::LimitCheck), "Limit") << "an empty entry keeps the template text";
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

}  // namespace
}  // namespace ui
