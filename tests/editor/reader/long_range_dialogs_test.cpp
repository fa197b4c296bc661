// SPDX-License-Identifier: MIT
// The long-range reader's symbology dialogs: where they differ from their 2D twins. What every
// dialog promises (bindings, flags, Cancel) is the registry's loop test.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/dialog_registry.h"
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"
#include "resources/laser_templates.h"
#include "resources/reader_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::reader {
namespace {

using ui::testing::DialogHarness;

// A language that names the length labels by their IDs, so that each reader's own strings show.
class LabelIdTexts final : public texts::TextSource
{
public:
    [[nodiscard]] std::string text(texts::StringId id) const override
    {
        const int n = texts::value(id);
        const bool isLengthLabel = (n >= 411 && n <= 414) || (n >= 491 && n <= 494) || (n >= 571 && n <= 574);
        return isLengthLabel ? std::to_string(n) : m_builtin.text(id);
    }

private:
    texts::BuiltinTextSource m_builtin;
};

class LongRangeDialogs : public ::testing::Test
{
protected:
    DialogHarness open(const ParameterDialogSpec& spec, const texts::TextSource* source = nullptr)
    {
        return DialogHarness(spec.dialogTemplate(),
                             ParameterDialogModel(spec, {project->reader.bytes, device(), {}, 0},
                                                  source ? *source : texts, ui::LanguageState::BuiltinOnly));
    }
    std::span<project::Byte> device()
    {
        return {reinterpret_cast<project::Byte*>(&project->device), sizeof(project::DeviceSettings)};
    }
    project::Byte& at(std::size_t offset) { return project->reader[offset]; }
    std::vector<project::Byte> image() const { return project::serialiseProject(*project); }
    // The reader bytes that differ from `before`.
    std::set<std::size_t> changedSince(const std::vector<project::Byte>& before) const
    {
        std::set<std::size_t> changed;
        for (std::size_t i = 0; i < project->reader.bytes.size(); ++i) {
            if (project->reader.bytes[i] != before[i]) {
                changed.insert(i);
            }
        }
        return changed;
    }
    std::vector<project::Byte> readerBytes() const
    {
        return {project->reader.bytes.begin(), project->reader.bytes.end()};
    }

    std::unique_ptr<project::Project> project = testing_support::startedProject();
    texts::BuiltinTextSource texts;
};

TEST_F(LongRangeDialogs, NewProjectShowsThisReadersOwnDefaults)
{
    EXPECT_EQ(open(upcALongRangeDialog()).text(resources::UpcAImagerId::RedundancyEdit), "14");
    EXPECT_EQ(open(upcAImagerDialog()).text(resources::UpcAImagerId::RedundancyEdit), "10");
    EXPECT_EQ(open(msiLongRangeDialog()).selection(resources::MsiImagerId::CheckAlgorithmList), 1);  // Mod 10/Mod 10
    EXPECT_EQ(open(msiImagerDialog()).selection(resources::MsiImagerId::CheckAlgorithmList), 0);
}

TEST_F(LongRangeDialogs, EachDialogChangesOnlyItsOwnBytes)
{
    struct Row
    {
        const char* name;
        const ParameterDialogSpec& spec;
        std::vector<std::pair<std::size_t, project::Byte>> stored;
        std::function<void(DialogHarness&)> act;
        std::map<std::size_t, project::Byte> expected;  // every reader byte that changes
    };
    const Row rows[] = {
        {"UPC-E0 supplementals change byte 107 only, not the 2D byte 197",
         upcE0LongRangeDialog(),
         {},
         [](DialogHarness& d) { d.select(resources::UpcE0ImagerId::SupplementalsList, 1); },
         {{107, 1}}},
        {"EAN-13 stores the supplementals and the redundancy only",
         ean13LongRangeDialog(),
         {},
         [](DialogHarness& d) {
             d.select(resources::Ean13LongRangeId::SupplementalsList, 2);
             d.enter(resources::Ean13LongRangeId::RedundancyEdit, "20");
         },
         {{107, 2}, {108, 20}}},
        {"Interleaved 25 \"Disable\" clears Transmit Check Digit",
         interleaved25LongRangeDialog(),
         {{141, 1}, {142, 1}},
         [](DialogHarness& d) {
             d.select(resources::Interleaved25ImagerId::VerifyCheckDigitList, 0);
             EXPECT_FALSE(d.isEnabled(resources::Interleaved25ImagerId::TransmitCheckDigitCheck));
         },
         {{141, 0}, {142, 0}}},
        {"Code 39 range stored ascending",
         code39LongRangeDialog(),
         {},
         [](DialogHarness& d) {
             d.enter(resources::Code39ImagerId::Length1Edit, "40");
             d.enter(resources::Code39ImagerId::Length2Edit, "10");
         },
         {{128, 10}, {129, 40}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        project = testing_support::startedProject();
        for (const auto& [offset, value] : row.stored) {
            at(offset) = value;
        }
        const std::vector<project::Byte> before = readerBytes();
        DialogHarness dialog = open(row.spec);
        row.act(dialog);
        ASSERT_TRUE(dialog.ok());
        std::set<std::size_t> expectedOffsets;
        for (const auto& [offset, value] : row.expected) {
            EXPECT_EQ(at(offset), value) << "byte " << offset;
            if (before[offset] != value) {
                expectedOffsets.insert(offset);
            }
        }
        EXPECT_EQ(changedSince(before), expectedOffsets);
    }
}

// Without a snapshot, a refused OK must not have stored anything.
TEST_F(LongRangeDialogs, RefusedOkStoresNothingAndCancelLeavesTheRecord)
{
    using Id = resources::Code39ImagerId;
    const std::vector<project::Byte> before = image();
    DialogHarness dialog = open(code39LongRangeDialog());
    dialog.click(Id::ConvertToCode32Check);
    dialog.select(Id::LengthModeList, 2);  // "Two Lengths"
    dialog.enter(Id::Length2Edit, "0");
    EXPECT_FALSE(dialog.ok());
    EXPECT_TRUE(dialog.host().hasWarned(2602, 2854));
    EXPECT_EQ(dialog.controls().focus(), ui::ControlId(Id::Length2Edit));
    EXPECT_EQ(image(), before);
    dialog.cancel();
    EXPECT_EQ(image(), before);

    // A redundancy of 0 read from a file is refused while "Decode With Supplementals" enables it.
    at(107) = 2;
    at(108) = 0;
    const std::vector<project::Byte> stored = image();
    DialogHarness upcE1 = open(upcE1LongRangeDialog());
    upcE1.click(resources::UpcE1ImagerId::ConvertToUpcACheck);
    EXPECT_FALSE(upcE1.ok());
    EXPECT_EQ(upcE1.controls().focus(), ui::ControlId(resources::UpcE1ImagerId::RedundancyEdit));
    EXPECT_EQ(image(), stored);
}

// Bytes: 105 EAN-13, 112 preamble, 118 coupon code, 121 GS1-128 of the long-range reader.
TEST_F(LongRangeDialogs, CountryCodePreambleAsksWithTheCouponNoteOfThisReader)
{
    using Id = resources::UpcAImagerId;
    enum class Note { NotShown, Cancelled, Accepted };
    struct Row
    {
        const char* name;
        project::Byte coupon;
        project::Byte gs1128;
        project::Byte ean13;
        Note note;
        int preambleAfter;
        int couponAfter;
    };
    const Row rows[] = {
        {"note cancelled keeps the dialog open", 1, 1, 0, Note::Cancelled, 1, 1},
        {"note accepted ends the coupon code", 1, 1, 0, Note::Accepted, 2, 0},
        {"EAN-13 still carries the coupon code", 1, 1, 1, Note::Accepted, 2, 1},
        {"GS1-128 off, no note", 1, 0, 0, Note::NotShown, 2, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        project = testing_support::startedProject();
        at(118) = row.coupon;
        at(121) = row.gs1128;
        at(105) = row.ean13;
        at(208) = 0;  // the 2D coupon code does not count here
        DialogHarness dialog = open(upcALongRangeDialog());
        dialog.host().onDialog("COUPON_CODE_NOTE", [&](DialogHarness& note) {
            return row.note == Note::Accepted && note.ok() ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
        });
        dialog.select(Id::PreambleList, 2);
        EXPECT_EQ(dialog.ok(), row.note != Note::Cancelled);
        EXPECT_EQ(dialog.host().dialogsRun.size(), row.note == Note::NotShown ? 0U : 1U);
        EXPECT_EQ(at(112), row.preambleAfter);
        EXPECT_EQ(at(118), row.couponAfter);
        if (row.note == Note::Cancelled) {
            EXPECT_EQ(dialog.selection(Id::PreambleList), 1);
        }
    }
}

TEST_F(LongRangeDialogs, LengthLabelsComeFromEachReadersOwnStrings)
{
    const LabelIdTexts labelIds;
    struct Row
    {
        const ParameterDialogSpec& spec;
        ui::ControlId label1;
        ui::ControlId label2;
        const char* shown[2];  // at opening (each reader's default mode)
        std::function<void(DialogHarness&)> act;
        const char* after[2];
    };
    const Row rows[] = {
        {code39LongRangeDialog(),
         resources::Code39ImagerId::Length1Label,
         resources::Code39ImagerId::Length2Label,
         {"491", "492"},
         [](DialogHarness& d) { d.select(resources::Code39ImagerId::LengthModeList, 2); },
         {"493", "494"}},
        {code39ImagerDialog(),
         resources::Code39ImagerId::Length1Label,
         resources::Code39ImagerId::Length2Label,
         {"571", "572"},
         [](DialogHarness& d) { d.select(resources::Code39ImagerId::LengthModeList, 1); },
         {"573", "574"}},
        {laserMatrix25Dialog(),
         resources::LaserTwoOfFiveId::Length1Label,
         resources::LaserTwoOfFiveId::Length2Label,
         {"411", "412"},
         [](DialogHarness& d) { d.click(resources::LaserTwoOfFiveId::FixedLengthRadio); },
         {"413", "414"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.spec.dialogTemplate().name);
        DialogHarness dialog = open(row.spec, &labelIds);
        EXPECT_EQ(dialog.text(row.label1), row.shown[0]);
        EXPECT_EQ(dialog.text(row.label2), row.shown[1]);
        row.act(dialog);
        EXPECT_EQ(dialog.text(row.label1), row.after[0]);
        EXPECT_EQ(dialog.text(row.label2), row.after[1]);
    }
}

TEST(LongRangeButtons, EachLongRangeButtonOpensItsDialogAndNoOther)
{
    struct Row
    {
        int button;
        const char* dialog;  // nullptr: no parameter dialog
    };
    const Row rows[] = {
        {501, "UPCA_1DEDLG"},
        {502, "UPCE_1DEDLG"},
        {503, "UPCE1_1DEDLG"},
        {504, "EAN8_1DEDLG"},
        {505, "EAN13_1DEDLG"},
        {508, "EAN128_1DEDLG"},
        {510, "CODE39_1DEDLG"},
        {512, "CODE93_1DEDLG"},
        {513, "CODABAR_1DEDLG"},
        {514, "DISCRETE25_1DEDLG"},
        {515, "INTERLEAVE25_1DEDLG"},
        {516, "RSS14_1DEDLG"},
        {519, "MSI_1DEDLG"},
        {520, "COUPON_CODE_2D"},
        {511, nullptr},
        {518, nullptr},
    };
    std::set<std::string_view> opened;
    for (const int readerType : {2, 12}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(readerType) + " " + std::to_string(row.button));
            const ParameterDialogSpec* spec = parameterDialogForButton(readerType, ui::ControlId(row.button));
            if (row.dialog == nullptr) {
                EXPECT_EQ(spec, nullptr);
                continue;
            }
            ASSERT_NE(spec, nullptr);
            EXPECT_EQ(spec->dialogTemplate().name, row.dialog);
            opened.insert(row.dialog);
        }
    }
    for (const RegisteredParameterDialog& entry : allParameterDialogs()) {
        if (entry.name.ends_with("_1DEDLG")) {
            EXPECT_TRUE(opened.contains(entry.name)) << entry.name;
        }
    }
}

}  // namespace
}  // namespace editor::reader
