// SPDX-License-Identifier: MIT
#include "ui/dialog_model.h"

#include <gtest/gtest.h>

#include "sample_dialog.h"
#include "support/ui_harness.h"

namespace ui {
namespace {

using sample::SampleId;
using sample::SampleModel;
using sample::SampleRecord;
using testing::DialogHarness;

SampleRecord limitedRecord()
{
    SampleRecord record;
    record.isLimited = 1;
    record.name = "A";
    return record;
}

class DialogModelTest : public ::testing::Test
{
protected:
    [[nodiscard]] const SampleModel& model() { return dialog.modelAs<SampleModel>(); }

    SampleRecord record = limitedRecord();
    DialogHarness dialog{sample::sampleTemplate(), SampleModel(record)};
};

TEST(DialogModel, TypedTextIsCorrectedAsTheUserTypes)
{
    struct Case
    {
        SampleId edit;
        const char* typed;
        const char* shown;
    };
    static constexpr Case cases[] = {
        {SampleId::DelimiterEdit, "300", "255"},   // above the range: the upper bound at once
        {SampleId::LengthEdit, "07", "7"},         // leading zeros go
        {SampleId::LengthEdit, "a1b2", "12"},      // a digits-only box drops the rest
        {SampleId::NameEdit, "abcdefghij", "ABCDEFGH"},  // the text limit cuts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SampleRecord record = limitedRecord();
        DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
        dialog.type(c.edit, c.typed);
        EXPECT_EQ(dialog.text(c.edit), c.shown);
    }
}

TEST_F(DialogModelTest, RefusedValueWarnsAndRestoresTheLastAcceptedText)
{
    dialog.enter(SampleId::DelimiterEdit, "13");
    EXPECT_EQ(dialog.text(SampleId::DelimiterEdit), "44");
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ControlId(SampleId::DelimiterEdit));
}

TEST_F(DialogModelTest, ClickElsewhereFinishesTheEditFirst)
{
    dialog.type(SampleId::LengthEdit, "2");
    dialog.click(SampleId::FixedRadio);
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "5");
    // A refused value takes the focus back from the control clicked.
    dialog.type(SampleId::DelimiterEdit, "13");
    dialog.click(SampleId::FixedRadio);
    EXPECT_EQ(dialog.text(SampleId::DelimiterEdit), "44");
    EXPECT_EQ(dialog.controls().focus(), ControlId(SampleId::DelimiterEdit));
}

TEST_F(DialogModelTest, OkNeverMeetsAnUnfinishedNumber)
{
    dialog.type(SampleId::LengthEdit, "2");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(record.length, 5);
}

TEST(DialogModel, LoadedValuesOutsideTheRangeStayUntilTheUserEditsThem)
{
    SampleRecord record = limitedRecord();
    record.length = 2;
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.click(SampleId::FixedRadio);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(record.length, 2);
}

TEST_F(DialogModelTest, TextSetByTheModelDoesNotReenterIt)
{
    dialog.type(SampleId::NameEdit, "ab");
    EXPECT_EQ(dialog.text(SampleId::NameEdit), "AB");
    EXPECT_EQ(model().textChanges, 2);
    dialog.click(SampleId::ResetButton);  // rewrites every edit from the model
    EXPECT_EQ(model().textChanges, 2);
}

TEST_F(DialogModelTest, EditingFinishedOnlyAfterAChange)
{
    dialog.finishEditing(SampleId::LengthEdit);
    EXPECT_EQ(model().finishedEdits, 0);
    dialog.enter(SampleId::LengthEdit, "20");
    dialog.finishEditing(SampleId::LengthEdit);
    EXPECT_EQ(model().finishedEdits, 1);
}

TEST(DialogModel, RefusedOkKeepsTheDialogOpen)
{
    SampleRecord record = limitedRecord();
    record.name.clear();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.type(SampleId::LengthEdit, "20");
    EXPECT_FALSE(dialog.ok());
    EXPECT_FALSE(dialog.isClosed());
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ControlId(SampleId::NameEdit));
    EXPECT_EQ(record.length, 10);
    dialog.type(SampleId::NameEdit, "x");
    EXPECT_TRUE(dialog.ok());
    EXPECT_EQ(dialog.result(), DialogResult::Ok);
    EXPECT_EQ(record.length, 20);
}

TEST_F(DialogModelTest, CancelLeavesTheRecordAlone)
{
    dialog.type(SampleId::NameEdit, "zz");
    dialog.click(CancelButton);
    EXPECT_EQ(dialog.result(), DialogResult::Cancel);
    EXPECT_EQ(record.name, "A");
    EXPECT_TRUE(dialog.host().warnings.empty());
}

TEST(DialogModel, DisabledControlsIgnoreEvents)
{
    SampleRecord record = limitedRecord();
    record.isLimited = 0;
    SampleModel model(record);
    testing::ScriptedHost host;
    model.open(sample::sampleTemplate(), host);
    model.edit(SampleId::LengthEdit, "50");
    EXPECT_EQ(model.controlStates().text(SampleId::LengthEdit), "10");
}

TEST_F(DialogModelTest, PageApplyFinishesEditingAndCommits)
{
    dialog.setActive();
    dialog.type(SampleId::LengthEdit, "1");
    EXPECT_TRUE(dialog.killActive());
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "5");
    EXPECT_TRUE(dialog.apply());
    EXPECT_EQ(record.length, 5);
}

TEST(DialogModel, UnopenedPageAppliesNothing)
{
    SampleRecord record = limitedRecord();
    SampleModel model(record);
    EXPECT_TRUE(model.apply());
    EXPECT_FALSE(model.isOpen());
}

} // namespace
} // namespace ui
