// SPDX-License-Identifier: MIT
#include "ui/dialog_model.h"

#include <gtest/gtest.h>

#include "sample_dialog.h"
#include "support/ui_harness.h"
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
    DialogHarness dialog{sample::sampleTemplate(), SampleDialog(record)};
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
        {SampleId::LengthEdit, "a1b2", "12"},             // a digits-only box drops the rest
        {SampleId::DelimiterEdit, "0300", "255"},         // the range's bound at once
        {SampleId::NameEdit, "abcdefghij", "ABCDEFGH"},  // the text limit cuts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SampleRecord record;
        DialogHarness dialog(sample::sampleTemplate(), SampleDialog(record));
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
    dialog.type(SampleId::DelimiterEdit, "13");
    dialog.click(SampleId::FixedRadio);
    EXPECT_EQ(dialog.text(SampleId::DelimiterEdit), "44");
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ControlId(SampleId::DelimiterEdit));
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
    DialogHarness dialog(sample::sampleTemplate(), SampleDialog(record));
    dialog.click(SampleId::FixedRadio);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(record.length, 2);
}

TEST(DialogModel, OkFinishesTheEditsAndARefusedOkKeepsTheDialogOpen)
{
    SampleRecord record;
    record.name.clear();
    DialogHarness dialog(sample::sampleTemplate(), SampleDialog(record));
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
    model.open(sample::sampleTemplate(), host);
    model.edit(SampleId::LengthEdit, "50");
    EXPECT_EQ(model.controlStates().text(SampleId::LengthEdit), "10");
    model.edit(SampleId::NameEdit, "zz");
    model.click(CancelButton);
    EXPECT_EQ(model.result(), DialogResult::Cancel);
    EXPECT_EQ(record.name, "A");
    model.open(sample::sampleTemplate(), host);
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

} // namespace
} // namespace ui
