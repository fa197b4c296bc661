// SPDX-License-Identifier: MIT
// The parameter-dialog engine on a dialog that uses every binding kind and both kinds of
// enabling rule. The symbology dialogs themselves are checked by the registry's loop test and,
// for their special cases, by their own tests.
#include "editor/parameter_dialog.h"

#include <gtest/gtest.h>

#include <array>

#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor {
namespace {

using ui::testing::DialogHarness;

enum class EngineId {
    MainCheck = 101,
    InvertedCheck = 102,
    ListDependentCheck = 103,
    FirstRadio = 701,
    ModeList = 301,
    EscapeList = 302,
    RedundancyEdit = 401,
    CharacterEdit = 402,
};

constexpr ui::ControlTemplate engineControls[] = {
    {ui::ControlKind::CheckBox, EngineId::MainCheck, "Main", {5, 5, 80, 10}},
    {ui::ControlKind::CheckBox, EngineId::InvertedCheck, "Inverted", {5, 17, 80, 10}},
    {ui::ControlKind::CheckBox, EngineId::ListDependentCheck, "Dependent", {5, 29, 80, 10}},
    {ui::ControlKind::RadioButton, EngineId::FirstRadio, "A", {5, 41, 20, 10}},
    {ui::ControlKind::RadioButton, ui::ControlId(702), "B", {30, 41, 20, 10}},
    {ui::ControlKind::RadioButton, ui::ControlId(703), "C", {55, 41, 20, 10}},
    {ui::ControlKind::DropDownList, EngineId::ModeList, "", {90, 5, 80, 60}},
    {ui::ControlKind::DropDownList, EngineId::EscapeList, "", {90, 20, 80, 60}},
    {ui::ControlKind::Edit, EngineId::RedundancyEdit, "", {90, 35, 30, 12}},
    {ui::ControlKind::Edit, EngineId::CharacterEdit, "", {125, 35, 30, 12}},
    {ui::ControlKind::PushButton, ui::OkButton, "OK", {5, 60, 50, 14}},
    {ui::ControlKind::PushButton, ui::CancelButton, "Cancel", {60, 60, 50, 14}},
};
const ui::DialogTemplate& engineTemplate()
{
    static constexpr ui::DialogTemplate dialog{"ENGINEDLG", "Engine", {180, 80}, engineControls};
    return dialog;
}

constexpr FieldRef at(std::size_t offset) { return {RecordKind::Reader, offset}; }
constexpr int radioValues[] = {0, 5, 9};
constexpr int escapeValues[] = {0, 2};

constexpr Binding bindings[] = {
    flag(EngineId::MainCheck, at(10)),
    invertedFlag(EngineId::InvertedCheck, at(11)),
    flag(EngineId::ListDependentCheck, at(12)),
    radio({EngineId::FirstRadio, 3}, at(13), radioValues),
    list(EngineId::ModeList, texts::sid(2041), 4, at(14)),
    list(EngineId::EscapeList, texts::sid(2041), 2, at(15), escapeValues),
    number(EngineId::RedundancyEdit, at(16), 2, 30, 2),
    character(EngineId::CharacterEdit, {RecordKind::Device, 688}),
};

constexpr EnablingRule rules[] = {
    enabledWhileChecked(EngineId::InvertedCheck, EngineId::MainCheck, WhenDisabled::Keep),
    enabledWhileSelected(EngineId::ListDependentCheck, EngineId::ModeList, 0b0110),
    enabledWhileChecked(EngineId::RedundancyEdit, EngineId::InvertedCheck),
};

// Byte 17 is written live by a hook: it follows the main check box while the dialog is open.
void followMain(ParameterDialogModel& dialog, ui::ControlId)
{
    dialog.byte(at(17)) = dialog.shown().isChecked(EngineId::MainCheck) ? 1 : 0;
}

ParameterDialogSpec engineSpec(CommitPolicy commit)
{
    return {.dialogTemplate = engineTemplate,
            .titleEntry = std::nullopt,
            .captions = {},
            .bindings = bindings,
            .rules = rules,
            .commit = commit,
            .hooks = {.afterChange = followMain}};
}

class ParameterEngine : public ::testing::Test
{
protected:
    ParameterEngine() { reset(); }

    void reset()
    {
        reader.fill(0);
        device.fill(0);
        reader[10] = 1;   // main on
        reader[11] = 0;   // inverted shown checked
        reader[12] = 1;   // dependent on
        reader[13] = 5;   // radio B
        reader[14] = 1;   // "One Length"
        reader[15] = 2;   // second entry
        reader[16] = 10;
        device[688] = '#';
    }

    DialogHarness open(const ParameterDialogSpec& spec)
    {
        return DialogHarness(engineTemplate(), ParameterDialogModel(spec, {reader, device, {}, 0}, texts,
                                                                   ui::LanguageState::BuiltinOnly));
    }

    std::array<project::Byte, sizeof(project::ReaderSettings)> reader{};
    std::array<project::Byte, sizeof(project::DeviceSettings)> device{};
    texts::BuiltinTextSource texts;
};

TEST_F(ParameterEngine, EveryBindingKindShowsItsStoredValue)
{
    const ParameterDialogSpec spec = engineSpec(CommitPolicy::OnOk);
    DialogHarness dialog = open(spec);
    EXPECT_TRUE(dialog.isChecked(EngineId::MainCheck));
    EXPECT_TRUE(dialog.isChecked(EngineId::InvertedCheck));
    EXPECT_TRUE(dialog.isChecked(EngineId::ListDependentCheck));
    EXPECT_TRUE(dialog.isChecked(ui::ControlId(702)));
    EXPECT_EQ(dialog.selection(EngineId::ModeList), 1);
    EXPECT_EQ(dialog.controls().items(EngineId::ModeList).front(), "Any Length");
    EXPECT_EQ(dialog.selection(EngineId::EscapeList), 1);
    EXPECT_EQ(dialog.text(EngineId::RedundancyEdit), "10");
    EXPECT_EQ(dialog.text(EngineId::CharacterEdit), "#");
}

TEST_F(ParameterEngine, EveryBindingKindStoresTheUsersChoiceOnOk)
{
    const ParameterDialogSpec spec = engineSpec(CommitPolicy::OnOk);
    DialogHarness dialog = open(spec);
    dialog.click(EngineId::InvertedCheck);
    dialog.click(ui::ControlId(703));
    dialog.select(EngineId::ModeList, 2);
    dialog.select(EngineId::EscapeList, 0);
    dialog.click(EngineId::InvertedCheck);  // back on: the edit is usable again
    dialog.type(EngineId::RedundancyEdit, "45");
    dialog.paste(EngineId::CharacterEdit, "");
    EXPECT_EQ(dialog.text(EngineId::RedundancyEdit), "30");  // upper bound as typed
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(reader[11], 0);
    EXPECT_EQ(reader[13], 9);
    EXPECT_EQ(reader[14], 2);
    EXPECT_EQ(reader[15], 0);
    EXPECT_EQ(reader[16], 30);
    EXPECT_EQ(device[688], 0);
}

TEST_F(ParameterEngine, ValuesOutsideTheirListsShowNoChoiceAndKeepTheirByte)
{
    reader[13] = 4;
    reader[14] = 7;
    reader[15] = 1;  // 1 is no entry of the escape list (0 or 2)
    const ParameterDialogSpec spec = engineSpec(CommitPolicy::OnOk);
    DialogHarness dialog = open(spec);
    EXPECT_EQ(ui::checkedIndex(dialog.controls(), {EngineId::FirstRadio, 3}), -1);
    EXPECT_EQ(dialog.selection(EngineId::ModeList), -1);
    EXPECT_EQ(dialog.selection(EngineId::EscapeList), -1);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(reader[13], 4);
    EXPECT_EQ(reader[14], 7);
    EXPECT_EQ(reader[15], 1);
}

TEST_F(ParameterEngine, RulesEnableTheirTargetsAndClearOrKeepThem)
{
    const ParameterDialogSpec spec = engineSpec(CommitPolicy::OnOk);
    DialogHarness dialog = open(spec);
    EXPECT_TRUE(dialog.isEnabled(EngineId::ListDependentCheck));  // "One Length" is in 0b0110

    dialog.click(EngineId::MainCheck);  // Keep: disabled, still checked; the chain disables the edit
    EXPECT_FALSE(dialog.isEnabled(EngineId::InvertedCheck));
    EXPECT_TRUE(dialog.isChecked(EngineId::InvertedCheck));
    EXPECT_FALSE(dialog.isEnabled(EngineId::RedundancyEdit));

    dialog.select(EngineId::ModeList, 3);  // Clear: disabled and unchecked
    EXPECT_FALSE(dialog.isEnabled(EngineId::ListDependentCheck));
    EXPECT_FALSE(dialog.isChecked(EngineId::ListDependentCheck));
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(reader[10], 0);
    EXPECT_EQ(reader[11], 0);  // kept mark stored as shown
    EXPECT_EQ(reader[12], 0);  // cleared mark stored as shown
    EXPECT_EQ(reader[16], 10); // a disabled number box keeps its byte
}

TEST_F(ParameterEngine, NumberBelowItsMinimumIsRefusedAtOkWithTheFocusOnIt)
{
    reader[16] = 0;
    const ParameterDialogSpec spec = engineSpec(CommitPolicy::OnOk);
    DialogHarness dialog = open(spec);
    dialog.click(ui::ControlId(703));
    EXPECT_FALSE(dialog.ok());
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ui::ControlId(EngineId::RedundancyEdit));
    EXPECT_EQ(reader[13], 5);  // a refused OK stores nothing
}

TEST_F(ParameterEngine, CancelKeepsOrRestoresTheRecordByCommitPolicy)
{
    for (const CommitPolicy commit : {CommitPolicy::OnOk, CommitPolicy::SnapshotOnOpen}) {
        reset();
        const auto before = reader;
        const ParameterDialogSpec spec = engineSpec(commit);
        DialogHarness dialog = open(spec);
        dialog.click(EngineId::ListDependentCheck);
        dialog.cancel();
        // The hook wrote byte 17 live at opening; only the snapshot takes it back.
        EXPECT_EQ(reader[17] == before[17], commit == CommitPolicy::SnapshotOnOpen) << static_cast<int>(commit);
        reader[17] = before[17];
        EXPECT_EQ(reader, before);
    }
}

}  // namespace
}  // namespace editor
