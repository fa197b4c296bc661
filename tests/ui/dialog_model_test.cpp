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

TEST(DialogModel, ShowsTheRecordWhenOpened)
{
    SampleRecord record = limitedRecord();
    const DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "10");
    EXPECT_EQ(dialog.selection(SampleId::ModeList), 0);
    EXPECT_TRUE(dialog.isChecked(SampleId::FixedRadio));
    EXPECT_EQ(dialog.controls().items(SampleId::ModeList), (std::vector<std::string>{"Error", "Warning"}));
}

TEST(DialogModel, CheckBoxIsInvertedByTheModelOnAClick)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.click(SampleId::LimitCheck);
    EXPECT_FALSE(dialog.isChecked(SampleId::LimitCheck));
    EXPECT_FALSE(dialog.isEnabled(SampleId::LengthEdit));
    dialog.click(SampleId::LimitCheck);
    EXPECT_TRUE(dialog.isChecked(SampleId::LimitCheck));
}

TEST(DialogModel, TypingThirtyIntoFiveToNinetyNineKeepsThirty)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.type(SampleId::LengthEdit, "30");
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "30");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(record.length, 30);
}

TEST(DialogModel, TextThatIsNotAValidNumberFallsBackWhenEditingFinishes)
{
    for (const char* typed : {"0", "", "3"}) {
        SampleRecord record = limitedRecord();
        DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
        dialog.paste(SampleId::LengthEdit, typed);
        EXPECT_EQ(dialog.text(SampleId::LengthEdit), typed) << "typed " << typed;
        dialog.finishEditing(SampleId::LengthEdit);
        EXPECT_EQ(dialog.text(SampleId::LengthEdit), "5") << "typed " << typed;
    }
}

TEST(DialogModel, DigitsOnlyBoxDropsOtherCharacters)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.type(SampleId::LengthEdit, "a1b2");
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "12");
    dialog.paste(SampleId::LengthEdit, "abc");
    dialog.finishEditing(SampleId::LengthEdit);
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "5");
}

TEST(DialogModel, TypingAboveTheUpperBoundClampsAtOnce)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.type(SampleId::DelimiterEdit, "300");
    EXPECT_EQ(dialog.text(SampleId::DelimiterEdit), "255");
}

TEST(DialogModel, TypingRemovesLeadingZeros)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.type(SampleId::LengthEdit, "07");
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "7");
}

TEST(DialogModel, TextLimitCutsTypedText)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.paste(SampleId::NameEdit, "abcdefghij");
    EXPECT_EQ(dialog.text(SampleId::NameEdit), "ABCDEFGH");
}

TEST(DialogModel, RefusedValueWarnsAndRestoresTheLastAcceptedText)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.enter(SampleId::DelimiterEdit, "13");
    EXPECT_EQ(dialog.text(SampleId::DelimiterEdit), "44");
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ControlId(SampleId::DelimiterEdit));
}

TEST(DialogModel, ClickElsewhereFinishesTheEditFirst)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    dialog.type(SampleId::LengthEdit, "2");
    dialog.click(SampleId::FixedRadio);
    EXPECT_EQ(dialog.text(SampleId::LengthEdit), "5");
}

TEST(DialogModel, OkNeverMeetsAnUnfinishedNumber)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
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

TEST(DialogModel, TextSetByTheModelDoesNotReenterIt)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    const auto& model = dialog.modelAs<SampleModel>();
    dialog.type(SampleId::NameEdit, "ab");
    EXPECT_EQ(dialog.text(SampleId::NameEdit), "AB");
    EXPECT_EQ(model.textChanges, 2);
    dialog.click(SampleId::ResetButton); // rewrites every edit from the model
    EXPECT_EQ(model.textChanges, 2);
}

TEST(DialogModel, EditingFinishedOnlyAfterAChange)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
    const auto& model = dialog.modelAs<SampleModel>();
    dialog.finishEditing(SampleId::LengthEdit);
    EXPECT_EQ(model.finishedEdits, 0);
    dialog.enter(SampleId::LengthEdit, "20");
    dialog.finishEditing(SampleId::LengthEdit);
    EXPECT_EQ(model.finishedEdits, 1);
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

TEST(DialogModel, CancelLeavesTheRecordAlone)
{
    SampleRecord record = limitedRecord();
    DialogHarness dialog(sample::sampleTemplate(), SampleModel(record));
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

TEST(DialogModel, PageApplyFinishesEditingAndCommits)
{
    SampleRecord record = limitedRecord();
    DialogHarness page(sample::sampleTemplate(), SampleModel(record));
    page.setActive();
    page.type(SampleId::LengthEdit, "1");
    EXPECT_TRUE(page.killActive());
    EXPECT_EQ(page.text(SampleId::LengthEdit), "5");
    EXPECT_TRUE(page.apply());
    EXPECT_EQ(record.length, 5);
}

TEST(DialogModel, UnopenedPageAppliesNothing)
{
    SampleRecord record = limitedRecord();
    SampleModel model(record);
    EXPECT_TRUE(model.apply());
    EXPECT_FALSE(model.isOpen());
}

class ParentModel final : public DialogModel
{
public:
    DialogResult childResult = DialogResult::Cancel;
    SampleRecord childRecord = limitedRecord();

private:
    void onClick(ControlId id) override
    {
        if (id == sample::SampleId::ResetButton) {
            SampleModel child(childRecord);
            childResult = host().runDialog(sample::sampleTemplate(), child);
        }
    }
};

TEST(ScriptedHost, RunsScriptedChildDialogs)
{
    DialogHarness dialog(sample::sampleTemplate(), ParentModel());
    dialog.host().onDialog("SAMPLEDLG", [](DialogHarness& child) {
        child.type(SampleId::LengthEdit, "42");
        return child.ok() ? DialogResult::Ok : DialogResult::Cancel;
    });
    dialog.click(SampleId::ResetButton);
    const auto& parent = dialog.modelAs<ParentModel>();
    EXPECT_EQ(parent.childResult, DialogResult::Ok);
    EXPECT_EQ(parent.childRecord.length, 42);
    EXPECT_EQ(dialog.host().dialogsRun, (std::vector<std::string>{"SAMPLEDLG"}));
}

TEST(ScriptedHost, UnscriptedChildDialogsAreCancelled)
{
    DialogHarness dialog(sample::sampleTemplate(), ParentModel());
    dialog.click(SampleId::ResetButton);
    EXPECT_EQ(dialog.modelAs<ParentModel>().childResult, DialogResult::Cancel);
}

} // namespace
} // namespace ui
