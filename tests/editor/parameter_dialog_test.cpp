// SPDX-License-Identifier: MIT
// The parameter-dialog engine on a dialog that uses every binding kind and both kinds of
// enabling rule. The symbology dialogs themselves are checked by the registry's loop test and,
// for their special cases, by their own tests.
#include "editor/parameter_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>

#include "editor/dialog_bench.h"
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"
#include "resources/laser_templates.h"

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
constexpr ui::DialogTemplate engineTemplate{"ENGINEDLG", "Engine", {180, 80}, engineControls};

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

// A dialog over the engine's template.
constexpr ParameterDialogSpec onEngine(std::span<const Binding> bindings, std::span<const EnablingRule> rules = {},
                                       CommitPolicy commit = CommitPolicy::OnOk, ParameterHooks hooks = {})
{
    return {engineTemplate, std::nullopt, {}, bindings, rules, nullptr, commit, hooks};
}
ParameterDialogSpec engineSpec(CommitPolicy commit)
{
    return onEngine(bindings, rules, commit, {.afterChange = followMain});
}

class ParameterEngine : public ::testing::Test
{
protected:
    ParameterEngine() { reset(); }

    void reset()
    {
        reader.fill(0);
        device.fill(0);
        // Bytes 10 to 16: main on, inverted shown checked, dependent on, radio B, "One Length", the
        // second escape entry, redundancy 10.
        std::ranges::copy(std::array<project::Byte, 7>{1, 0, 1, 5, 1, 2, 10}, reader.begin() + 10);
        device[688] = '#';
    }

    DialogHarness open(const ParameterDialogSpec& spec)
    {
        return DialogHarness(spec.dialogTemplate, ParameterDialogModel(spec, {reader, device, {}, 0, transaction},
                                                                         texts, ui::LanguageState::BuiltinOnly));
    }

    std::array<project::Byte, sizeof(project::ReaderSettings)> reader{};
    std::array<project::Byte, sizeof(project::DeviceSettings)> device{};
    std::array<project::Byte, sizeof(project::TransactionFileSettings)> transaction{};
    texts::BuiltinTextSource texts;
};

TEST_F(ParameterEngine, EveryBindingKindShowsItsStoredValueAndStoresTheUsersChoiceOnOk)
{
    const ParameterDialogSpec spec = engineSpec(CommitPolicy::OnOk);
    DialogHarness dialog = open(spec);
    EXPECT_TRUE(dialog.isChecked(EngineId::MainCheck) && dialog.isChecked(EngineId::InvertedCheck) &&
                dialog.isChecked(EngineId::ListDependentCheck) && dialog.isChecked(ui::ControlId(702)));
    EXPECT_EQ(dialog.selection(EngineId::ModeList), 1);
    EXPECT_EQ(dialog.controls().items(EngineId::ModeList).front(), "Any Length");
    EXPECT_EQ(dialog.selection(EngineId::EscapeList), 1);
    EXPECT_EQ(dialog.text(EngineId::RedundancyEdit) + dialog.text(EngineId::CharacterEdit), "10#");

    dialog.click(EngineId::InvertedCheck);
    dialog.click(ui::ControlId(703));
    dialog.select(EngineId::ModeList, 2);
    dialog.select(EngineId::EscapeList, 0);
    dialog.click(EngineId::InvertedCheck);  // back on: the edit is usable again
    dialog.type(EngineId::RedundancyEdit, "45");
    EXPECT_EQ(dialog.text(EngineId::RedundancyEdit), "30");  // upper bound as typed
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ((std::array{reader[11], reader[13], reader[14], reader[15], reader[16]}),
              (std::array<project::Byte, 5>{0, 9, 2, 0, 30}));
    reader[11] = 1;
    EXPECT_FALSE(open(spec).isChecked(EngineId::InvertedCheck));
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
    // The kept and the cleared marks are stored as shown; a disabled number box keeps its byte.
    EXPECT_EQ((std::array{reader[10], reader[11], reader[12], reader[16]}),
              (std::array<project::Byte, 4>{0, 0, 0, 10}));
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

// A character box stores its first character, or 0 when it is empty.
TEST_F(ParameterEngine, CharacterBoxStoresItsFirstCharacterOrZero)
{
    const std::pair<const char*, project::Byte> typed[] = {{"~", '~'}, {"", 0}, {"\xA7", 0xA7}, {"ab", 'a'}};
    const ParameterDialogSpec spec = engineSpec(CommitPolicy::OnOk);
    for (const auto& [text, stored] : typed) {
        DialogHarness dialog = open(spec);
        dialog.paste(EngineId::CharacterEdit, text);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(device[688], stored) << '"' << text << '"';
    }
}

// A text binding over a 21-byte slot of the transaction record: shown up to its NUL or its
// limit, cut to the limit as typed, stored with its NUL and nothing written behind it.
constexpr Binding textBindings[] = {text(EngineId::RedundancyEdit, transactionField("exportName"), 20)};

TEST_F(ParameterEngine, TextIsCutToItsLimitAndStoredWithItsNulOnly)
{
    transaction.fill('x');  // a slot without its NUL, and bytes behind it
    constexpr ParameterDialogSpec spec = onEngine(textBindings);
    DialogHarness dialog = open(spec);
    EXPECT_EQ(dialog.text(EngineId::RedundancyEdit), std::string(20, 'x'));
    dialog.paste(EngineId::RedundancyEdit, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(dialog.text(EngineId::RedundancyEdit), "ABCDEFGHIJKLMNOPQRST");
    dialog.paste(EngineId::RedundancyEdit, "DAT");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(std::string(transaction.begin() + 2, transaction.begin() + 25),
              "x" + std::string("DAT\0", 4) + std::string(17, 'x') + "x");
}

// A box of any characters next to a working-copy box that a switch disables while it is on.
constexpr Binding workingCopyBindings[] = {
    flag(EngineId::MainCheck, at(10)),
    anyCharacters(number(EngineId::RedundancyEdit, at(16), 2, 30, 2)),
    correctedOnOpen(number(EngineId::CharacterEdit, at(18), 79, 127, 3)),
};
constexpr EnablingRule workingCopyRules[] = {
    enabledWhileUnchecked(EngineId::CharacterEdit, EngineId::MainCheck),
};
constexpr ParameterDialogSpec workingCopySpec = onEngine(workingCopyBindings, workingCopyRules);

TEST_F(ParameterEngine, AnyCharacterNumberBoxTakesLettersAndCorrectsThemWhenEditingFinishes)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"1", "1", "2"}, {"45", "30", "30"}, {"ab", "ab", "2"}, {"x9", "x9", "2"}};
    for (const auto& [typed, whileTyping, finished] : rows) {
        DialogHarness dialog = open(workingCopySpec);
        dialog.type(EngineId::RedundancyEdit, typed);
        EXPECT_EQ(dialog.text(EngineId::RedundancyEdit), whileTyping) << typed;
        dialog.finishEditing(EngineId::RedundancyEdit);
        EXPECT_EQ(dialog.text(EngineId::RedundancyEdit), finished) << typed;
    }
}

TEST_F(ParameterEngine, WorkingCopyBoxOpensCorrectedAndStoresWhatItShowsEvenWhileDisabled)
{
    const std::pair<project::Byte, const char*> rows[] = {{50, "79"}, {0, "79"}, {100, "100"}, {200, "127"}};
    for (const auto& [stored, shown] : rows) {
        reset();
        reader[18] = stored;
        DialogHarness dialog = open(workingCopySpec);
        EXPECT_FALSE(dialog.isEnabled(EngineId::CharacterEdit)) << shown;  // the switch is on
        EXPECT_EQ(dialog.text(EngineId::CharacterEdit), shown);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(std::to_string(reader[18]), shown);
    }
    reset();
    DialogHarness dialog = open(workingCopySpec);
    dialog.click(EngineId::MainCheck);
    EXPECT_TRUE(dialog.isEnabled(EngineId::CharacterEdit));  // enabled while unchecked
}

// A signed box (-1..254 over byte 18; 255 is -1) and a box enabled only while two are checked.
constexpr Binding signedBindings[] = {
    flag(EngineId::MainCheck, at(10)),
    flag(EngineId::InvertedCheck, at(11)),
    signedNumber(EngineId::RedundancyEdit, at(18), -1, 254, 3),
};
constexpr EnablingRule bothRules[] = {
    enabledWhileBothChecked(EngineId::RedundancyEdit, EngineId::MainCheck, EngineId::InvertedCheck),
};
constexpr ParameterDialogSpec signedSpec = onEngine(signedBindings, bothRules);

TEST_F(ParameterEngine, SignedBoxStoresNegativesFrom256AndOutOfRangeAsItsMinimum)
{
    const std::tuple<const char*, const char*, project::Byte> rows[] = {
        {"120", "120", 120}, {"-1", "-1", 255},   {"-", "-", 255},   {"", "", 255},  {"-5", "-1", 255},
        {"255", "-1", 255},  {"254", "254", 254}, {"1-2", "12", 12}, {"a7", "7", 7}, {"007", "7", 7},
    };
    for (const auto& [typed, shown, stored] : rows) {
        reset();
        reader[11] = 1;
        DialogHarness dialog = open(signedSpec);
        dialog.type(EngineId::RedundancyEdit, typed);
        EXPECT_EQ(dialog.text(EngineId::RedundancyEdit), shown) << '"' << typed << '"';
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(reader[18], stored) << '"' << typed << '"';
        EXPECT_EQ(open(signedSpec).text(EngineId::RedundancyEdit), stored == 255 ? "-1" : std::to_string(stored));
    }
    DialogHarness dialog = open(signedSpec);  // both checked
    dialog.click(EngineId::InvertedCheck);
    EXPECT_FALSE(dialog.isEnabled(EngineId::RedundancyEdit));
    dialog.click(EngineId::InvertedCheck);
    EXPECT_TRUE(dialog.isEnabled(EngineId::RedundancyEdit));
    dialog.click(EngineId::MainCheck);
    EXPECT_FALSE(dialog.isEnabled(EngineId::RedundancyEdit));
}

// The two styles of length group, on the dialogs that show them: the 2D Code 39 dialog's mode
// list and the laser Matrix 25 radio pair (a mode byte, then the two lengths).
class LengthGroups : public bench::BenchTest
{
protected:
    enum { AnyLength, OneLength, TwoLengths, Range };
};

// Stored as the mode needs them: a range and two lengths ascending, fixed lengths as they are, max/min
// larger first.
TEST_F(LengthGroups, OkStoresTheLengthsAsTheModeNeedsThem)
{
    using Id = resources::LaserTwoOfFiveId;
    using Act = std::function<void(DialogHarness&)>;
    const auto mode = [](int mode) -> Act {
        return [mode](DialogHarness& d) { d.select(resources::Code39ImagerId::LengthModeList, mode); };
    };
    const auto click = [](ui::ControlId radio) -> Act { return [radio](DialogHarness& d) { d.click(radio); }; };
    const Act maxMin = click(Id::MaxMinLengthRadio), fixed = click(Id::FixedLengthRadio);
    const Act showsZero = [](DialogHarness& d) { EXPECT_EQ(d.text(Id::Length1Edit), "0"); };
    const Act neither = [](DialogHarness& d) {
        EXPECT_FALSE(d.isChecked(Id::FixedLengthRadio) || d.isChecked(Id::MaxMinLengthRadio));
    };
    struct Row
    {
        const char* name;
        const ParameterDialogSpec& spec;
        std::array<project::Byte, 3> stored;  // mode, length 1, length 2
        Act choose;
        const char* length1;  // nullptr: left as shown
        const char* length2;
        std::array<project::Byte, 3> expected;
    };
    const ParameterDialogSpec& code39 = reader::code39ImagerDialog;
    const ParameterDialogSpec& matrix25 = reader::laserMatrix25Dialog;
    const Row rows[] = {
        {"range 40 and 10", code39, {0, 0, 30}, mode(Range), "40", "10", {Range, 10, 40}},
        {"two lengths 9 and 3", code39, {0, 0, 30}, mode(TwoLengths), "9", "3", {TwoLengths, 3, 9}},
        {"one length 12 drops the second", code39, {0, 0, 30}, mode(OneLength), "12", nullptr, {OneLength, 12, 0}},
        {"any length stores none", code39, {Range, 5, 30}, mode(AnyLength), nullptr, nullptr, {AnyLength, 0, 0}},
        {"max/min typed ascending", matrix25, {0, 4, 4}, maxMin, "10", "50", {1, 50, 10}},
        {"fixed typed ascending", matrix25, {1, 4, 4}, fixed, "10", "50", {0, 10, 50}},
        {"stored fixed 0 is shown and kept", matrix25, {0, 0, 30}, showsZero, nullptr, nullptr, {0, 0, 30}},
        {"stored 0 counts as 1 for max/min", matrix25, {0, 0, 30}, maxMin, nullptr, nullptr, {1, 30, 1}},
        {"a choice outside the pair keeps the group", matrix25, {7, 9, 0}, neither, "3", nullptr, {7, 9, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        project = testing_support::startedProject();
        const LengthGroup& group = *row.spec.lengthGroup;
        project::Byte* bytes = &at(group.mode.offset);
        std::copy(row.stored.begin(), row.stored.end(), bytes);
        DialogHarness dialog = open(row.spec);
        row.choose(dialog);
        if (row.length1 != nullptr) {
            dialog.enter(group.length1Edit, row.length1);
        }
        if (row.length2 != nullptr) {
            dialog.enter(group.length2Edit, row.length2);
        }
        ASSERT_TRUE(dialog.ok());
        EXPECT_TRUE(dialog.host().warnings.empty());
        EXPECT_EQ((std::array{bytes[0], bytes[1], bytes[2]}), row.expected);
    }
}

TEST_F(LengthGroups, ZeroLengthAtOkWarnsFocusesTheBoxAndStoresNothing)
{
    using Id = resources::Code39ImagerId;
    for (const int mode : {OneLength, TwoLengths, Range}) {
        const ui::ControlId box = mode == OneLength ? Id::Length1Edit : Id::Length2Edit;
        project = testing_support::startedProject();
        const std::vector<project::Byte> before = image();
        DialogHarness dialog = open(reader::code39ImagerDialog);
        dialog.click(Id::Trioptic39Check);
        dialog.select(Id::LengthModeList, mode);
        dialog.enter(box, "0");
        EXPECT_FALSE(dialog.ok()) << mode;
        EXPECT_TRUE(dialog.host().hasWarned(2602, 2854)) << mode;
        EXPECT_EQ(dialog.controls().focus(), box) << mode;
        EXPECT_EQ(image(), before) << mode;
    }
}

TEST_F(LengthGroups, ModeChangeRelabelsEnablesAndFillsEmptyBoxes)
{
    using Id = resources::Code39ImagerId;
    at(217) = AnyLength;
    at(218) = 0;
    at(219) = 0;
    DialogHarness dialog = open(reader::code39ImagerDialog);
    EXPECT_FALSE(dialog.isEnabled(Id::Length1Edit));
    EXPECT_FALSE(dialog.isEnabled(Id::Length2Label));
    dialog.select(Id::LengthModeList, TwoLengths);
    EXPECT_EQ(dialog.text(Id::Length1Edit) + "/" + dialog.text(Id::Length2Edit), "1/1");
    EXPECT_EQ(dialog.text(Id::Length1Label) + dialog.text(Id::Length2Label), "Length 1 :Length 2 :");
    EXPECT_TRUE(dialog.isEnabled(Id::Length2Edit));
    dialog.enter(Id::Length1Edit, "07");
    EXPECT_EQ(dialog.text(Id::Length1Edit), "7");
    dialog.select(Id::LengthModeList, Range);
    EXPECT_EQ(dialog.text(Id::Length1Edit), "7");  // a number stays
    EXPECT_EQ(dialog.text(Id::Length1Label) + dialog.text(Id::Length2Label), "Min Length :Max Length :");
    dialog.select(Id::LengthModeList, OneLength);
    EXPECT_FALSE(dialog.isEnabled(Id::Length2Edit));
    dialog.type(Id::Length1Edit, "200");
    EXPECT_EQ(dialog.text(Id::Length1Edit), "20");  // two characters at most
}

TEST_F(LengthGroups, FixedOrMaxMinBoxesKeepOneTo127AndRelabellingKeepsTheirNumbers)
{
    using Id = resources::LaserTwoOfFiveId;
    at(28) = 1;  // "Max / Min Length"
    DialogHarness dialog = open(reader::laserMatrix25Dialog);
    EXPECT_EQ(dialog.text(Id::Length1Label) + dialog.text(Id::Length2Label), "Max Length :Min Length :");
    EXPECT_EQ(dialog.controls().textLimit(Id::Length1Edit), 3);
    EXPECT_TRUE(dialog.controls().isDigitsOnly(Id::Length1Edit));
    const std::pair<const char*, const char*> typed[] = {{"", "1"}, {"200", "127"}, {"0", "1"}, {"127", "127"}};
    for (const auto& [text, shown] : typed) {
        dialog.enter(Id::Length1Edit, text);
        EXPECT_EQ(dialog.text(Id::Length1Edit), shown) << '"' << text << '"';
    }
    dialog.enter(Id::Length2Edit, "12");
    dialog.click(Id::FixedLengthRadio);
    EXPECT_TRUE(dialog.isChecked(Id::FixedLengthRadio) && !dialog.isChecked(Id::MaxMinLengthRadio));
    EXPECT_EQ(dialog.text(Id::Length1Label) + dialog.text(Id::Length2Label), "Fixed Length 1 :Fixed Length 2 :");
    EXPECT_EQ(dialog.text(Id::Length1Edit) + "/" + dialog.text(Id::Length2Edit), "127/12");
    EXPECT_TRUE(dialog.isEnabled(Id::Length2Edit));
    dialog.click(Id::MaxMinLengthRadio);
    EXPECT_EQ(dialog.text(Id::Length1Label), "Max Length :");
    EXPECT_EQ(dialog.text(Id::Length2Edit), "12");
}

}  // namespace
}  // namespace editor
