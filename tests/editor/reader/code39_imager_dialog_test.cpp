// SPDX-License-Identifier: MIT
// The worked example of the parameter-dialog engine: the 2D imager's Code 39 dialog, with the
// length group that fifteen dialogs share.
#include <gtest/gtest.h>

#include "editor/reader/reader_dialogs.h"
#include "resources/reader_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::reader {
namespace {

using Id = resources::Code39ImagerId;
using ui::testing::DialogHarness;

constexpr std::size_t Mode = 217;
constexpr std::size_t Length1 = 218;
constexpr std::size_t Length2 = 219;
enum { AnyLength, OneLength, TwoLengths, Range };

class Code39Imager : public ::testing::Test
{
protected:
    DialogHarness open()
    {
        return DialogHarness(resources::code39ImagerTemplate(),
                             ParameterDialogModel(code39ImagerDialog(), {project->reader.bytes, {}, {}, 0}, texts,
                                                  ui::LanguageState::BuiltinOnly));
    }
    project::Byte& at(std::size_t offset) { return project->reader[offset]; }

    std::unique_ptr<project::Project> project = testing_support::startedProject();
    texts::BuiltinTextSource texts;
};

TEST_F(Code39Imager, OkStoresTheLengthsAsTheModeNeedsThem)
{
    struct Row
    {
        const char* name;
        int mode;
        const char* length1;
        const char* length2;
        int stored1;
        int stored2;
    };
    const Row rows[] = {
        {"range stored ascending", Range, "40", "10", 10, 40},
        {"two lengths stored ascending", TwoLengths, "9", "3", 3, 9},
        {"one length drops the second", OneLength, "12", "30", 12, 0},
        {"any length stores none", AnyLength, "", "", 0, 0},
    };
    for (const Row& row : rows) {
        project = testing_support::startedProject();
        DialogHarness dialog = open();
        dialog.select(Id::LengthModeList, row.mode);
        if (row.mode != AnyLength) {
            dialog.enter(Id::Length1Edit, row.length1);
        }
        if (row.mode >= TwoLengths) {
            dialog.enter(Id::Length2Edit, row.length2);
        } else if (row.mode == OneLength) {
            at(Length2) = 30;
        }
        ASSERT_TRUE(dialog.ok()) << row.name;
        EXPECT_TRUE(dialog.host().warnings.empty()) << row.name;
        EXPECT_EQ(at(Mode), row.mode) << row.name;
        EXPECT_EQ(at(Length1), row.stored1) << row.name;
        EXPECT_EQ(at(Length2), row.stored2) << row.name;
    }
}

TEST_F(Code39Imager, ModeChangeRelabelsEnablesAndFillsEmptyBoxes)
{
    at(Mode) = AnyLength;
    at(Length1) = 0;
    at(Length2) = 0;
    DialogHarness dialog = open();
    EXPECT_FALSE(dialog.isEnabled(Id::Length1Edit));
    EXPECT_FALSE(dialog.isEnabled(Id::Length2Label));

    dialog.select(Id::LengthModeList, TwoLengths);
    EXPECT_EQ(dialog.text(Id::Length1Edit), "1");
    EXPECT_EQ(dialog.text(Id::Length2Edit), "1");
    EXPECT_EQ(dialog.text(Id::Length1Label), "Length 1 :");
    EXPECT_EQ(dialog.text(Id::Length2Label), "Length 2 :");
    EXPECT_TRUE(dialog.isEnabled(Id::Length2Edit));

    dialog.enter(Id::Length1Edit, "07");
    EXPECT_EQ(dialog.text(Id::Length1Edit), "7");
    dialog.select(Id::LengthModeList, Range);
    EXPECT_EQ(dialog.text(Id::Length1Edit), "7");  // a number stays
    EXPECT_EQ(dialog.text(Id::Length1Label), "Min Length :");
    EXPECT_EQ(dialog.text(Id::Length2Label), "Max Length :");

    dialog.select(Id::LengthModeList, OneLength);
    EXPECT_FALSE(dialog.isEnabled(Id::Length2Edit));
    dialog.type(Id::Length1Edit, "200");
    EXPECT_EQ(dialog.text(Id::Length1Edit), "20");  // two characters at most
}

TEST_F(Code39Imager, ZeroLengthWarnsFocusesTheBoxAndCancelRestoresEverything)
{
    const project::ReaderSettings before = project->reader;
    DialogHarness dialog = open();
    dialog.click(Id::Trioptic39Check);
    dialog.enter(Id::Length2Edit, "0");
    EXPECT_FALSE(dialog.ok());
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ui::ControlId(Id::Length2Edit));
    dialog.cancel();
    EXPECT_EQ(project->reader.bytes, before.bytes);
}

TEST_F(Code39Imager, DependentBoxesFollowTheirSwitch)
{
    at(220) = 1;
    at(221) = 1;
    at(215) = 0;
    at(216) = 1;  // a prefix without Code 32 conversion is shown cleared
    DialogHarness dialog = open();
    EXPECT_FALSE(dialog.isEnabled(Id::Code32PrefixCheck));
    EXPECT_FALSE(dialog.isChecked(Id::Code32PrefixCheck));
    EXPECT_TRUE(dialog.isChecked(Id::TransmitCheckDigitCheck));

    dialog.click(Id::VerifyCheckDigitCheck);
    EXPECT_FALSE(dialog.isEnabled(Id::TransmitCheckDigitCheck));
    EXPECT_FALSE(dialog.isChecked(Id::TransmitCheckDigitCheck));
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(at(216), 0);
    EXPECT_EQ(at(220), 0);
    EXPECT_EQ(at(221), 0);
}

}  // namespace
}  // namespace editor::reader
