// SPDX-License-Identifier: MIT
// The special rules of the 2D imager's symbology dialogs. What every dialog promises (bindings,
// flags, Cancel) is the registry's loop test; Code 39 and the length group have their own test.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/dialog_registry.h"
#include "editor/reader/reader_dialogs.h"
#include "resources/reader_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::reader {
namespace {

using ui::testing::DialogHarness;

class ImagerDialogs : public ::testing::Test
{
protected:
    DialogHarness open(const ParameterDialogSpec& spec)
    {
        return DialogHarness(spec.dialogTemplate(), ParameterDialogModel(spec, {project->reader.bytes, device(), {}, 0},
                                                                         texts, ui::LanguageState::BuiltinOnly));
    }
    std::span<project::Byte> device()
    {
        return {reinterpret_cast<project::Byte*>(&project->device), sizeof(project::DeviceSettings)};
    }
    project::Byte& at(std::size_t offset) { return project->reader[offset]; }

    std::unique_ptr<project::Project> project = testing_support::startedProject();
    texts::BuiltinTextSource texts;
};

// Supplementals (197) and redundancy (198) are one setting for all UPC/EAN types.
TEST_F(ImagerDialogs, RedundancyFollowsTheSupplementalsAndIsSharedByEveryUpcEanDialog)
{
    using Id = resources::UpcE0ImagerId;
    DialogHarness upcE0 = open(upcE0ImagerDialog());
    EXPECT_FALSE(upcE0.isEnabled(Id::RedundancyEdit));  // "Ignore Supplementals"
    upcE0.select(Id::SupplementalsList, 2);
    EXPECT_TRUE(upcE0.isEnabled(Id::RedundancyEdit));
    EXPECT_TRUE(upcE0.isEnabled(Id::RedundancyLabel));
    upcE0.enter(Id::RedundancyEdit, "1");
    EXPECT_EQ(upcE0.text(Id::RedundancyEdit), "2");
    upcE0.type(Id::RedundancyEdit, "45");
    EXPECT_EQ(upcE0.text(Id::RedundancyEdit), "30");
    ASSERT_TRUE(upcE0.ok());
    EXPECT_EQ(at(197), 2);
    EXPECT_EQ(at(198), 30);

    struct Row
    {
        const ParameterDialogSpec& spec;
        ui::ControlId supplementals;
        ui::ControlId redundancy;
    };
    const Row rows[] = {
        {upcAImagerDialog(), resources::UpcAImagerId::SupplementalsList, resources::UpcAImagerId::RedundancyEdit},
        {upcE0ImagerDialog(), Id::SupplementalsList, Id::RedundancyEdit},
        {upcE1ImagerDialog(), resources::UpcE1ImagerId::SupplementalsList, resources::UpcE1ImagerId::RedundancyEdit},
        {ean8ImagerDialog(), resources::Ean8ImagerId::SupplementalsList, resources::Ean8ImagerId::RedundancyEdit},
        {ean13ImagerDialog(), resources::Ean13ImagerId::SupplementalsList, resources::Ean13ImagerId::RedundancyEdit},
    };
    for (const Row& row : rows) {
        DialogHarness dialog = open(row.spec);
        EXPECT_EQ(dialog.selection(row.supplementals), 2) << row.spec.dialogTemplate().name;
        EXPECT_EQ(dialog.text(row.redundancy), "30") << row.spec.dialogTemplate().name;
        EXPECT_TRUE(dialog.isEnabled(row.redundancy)) << row.spec.dialogTemplate().name;
    }
}

// A stored redundancy is checked at OK only while the box is enabled; values from a file stay.
TEST_F(ImagerDialogs, RedundancyIsCheckedAtOkOnlyWhileEnabledAndStoredValuesStay)
{
    using Id = resources::Ean8ImagerId;
    struct Row
    {
        const char* name;
        project::Byte supplementals;
        project::Byte redundancy;
        bool isAccepted;
    };
    const Row rows[] = {
        {"disabled zero is kept", 0, 0, true},
        {"enabled zero is refused", 2, 0, false},
        {"stored 45 is shown and kept", 2, 45, true},
        {"disabled 99 is kept", 1, 99, true},
    };
    for (const Row& row : rows) {
        project = testing_support::startedProject();
        at(197) = row.supplementals;
        at(198) = row.redundancy;
        at(207) = 0;
        DialogHarness dialog = open(ean8ImagerDialog());
        EXPECT_EQ(dialog.text(Id::RedundancyEdit), std::to_string(row.redundancy)) << row.name;
        dialog.click(Id::ConvertToEan13Check);
        EXPECT_EQ(dialog.ok(), row.isAccepted) << row.name;
        EXPECT_EQ(dialog.host().hasWarned(2602, 2854), !row.isAccepted) << row.name;
        EXPECT_EQ(at(198), row.redundancy) << row.name;
        EXPECT_EQ(at(207), row.isAccepted ? 1 : 0) << row.name;  // a refused OK stores nothing
        if (!row.isAccepted) {
            EXPECT_EQ(dialog.controls().focus(), ui::ControlId(Id::RedundancyEdit)) << row.name;
        }
    }
}

// Bytes: 191 UPC-A, 195 EAN-13, 202 preamble, 208 coupon code, 211 GS1-128.
TEST_F(ImagerDialogs, CountryCodePreambleAsksWithTheCouponNoteWhileTheCouponCodeIsOn)
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
        {"no coupon code, no note", 0, 1, 0, Note::NotShown, 2, 0},
        {"GS1-128 off, no note", 1, 0, 0, Note::NotShown, 2, 1},
    };
    for (const Row& row : rows) {
        project = testing_support::startedProject();
        at(208) = row.coupon;
        at(211) = row.gs1128;
        at(195) = row.ean13;
        at(199) = 1;
        DialogHarness dialog = open(upcAImagerDialog());
        std::string title;
        std::string text;
        dialog.host().onDialog("COUPON_CODE_NOTE", [&](DialogHarness& note) {
            title = note.controls().title();
            text = note.text(resources::CouponCodeNoteId::TextLabel);
            if (row.note == Note::Accepted) {
                (void)note.ok();
            } else {
                note.cancel();
            }
            return ui::DialogResult::Cancel;
        });
        dialog.select(Id::PreambleList, 2);
        dialog.click(Id::TransmitCheckDigitCheck);
        EXPECT_EQ(dialog.ok(), row.note != Note::Cancelled) << row.name;
        EXPECT_EQ(dialog.host().dialogsRun.size(), row.note == Note::NotShown ? 0U : 1U) << row.name;
        EXPECT_EQ(at(202), row.preambleAfter) << row.name;
        EXPECT_EQ(at(208), row.couponAfter) << row.name;
        EXPECT_EQ(at(199), row.note == Note::Cancelled ? 1 : 0) << row.name;
        if (row.note != Note::NotShown) {
            EXPECT_EQ(title, "Transmit Preamble Parameters") << row.name;
            EXPECT_EQ(text, "To change from \"System Character/No Preamble\" to \"System Character & Country Code\" "
                            "will affect UPC-A Coupon Code Setting")
                << row.name;
        }
        if (row.note == Note::Cancelled) {
            EXPECT_EQ(dialog.selection(Id::PreambleList), 1) << row.name;  // back at the stored preamble
        }
    }
}

TEST_F(ImagerDialogs, DependentControlsFollowTheirSwitchAndClearOrKeepTheirValue)
{
    struct Row
    {
        const char* name;
        const ParameterDialogSpec& spec;
        std::vector<std::pair<std::size_t, project::Byte>> stored;
        std::function<void(DialogHarness&)> act;
        ui::ControlId dependent;
        std::vector<std::pair<std::size_t, project::Byte>> expected;
    };
    const Row rows[] = {
        {"MicroPDF417 off keeps Code 128 Emulation's mark",
         symbologiesImagerDialog(),
         {{275, 1}, {276, 1}},
         [](DialogHarness& d) { d.click(resources::SymbologiesImagerId::MicroPdf417Check); },
         resources::SymbologiesImagerId::Code128EmulationCheck,
         {{275, 0}, {276, 1}}},
        {"Interleaved 25 \"Disable\" clears Transmit Check Digit",
         interleaved25ImagerDialog(),
         {{237, 1}, {238, 1}},
         [](DialogHarness& d) { d.select(resources::Interleaved25ImagerId::VerifyCheckDigitList, 0); },
         resources::Interleaved25ImagerId::TransmitCheckDigitCheck,
         {{237, 0}, {238, 0}}},
        {"Code 11 \"No verification\" clears Transmit Check Digit",
         code11ImagerDialog(),
         {{231, 2}, {232, 1}},
         [](DialogHarness& d) { d.select(resources::Code11ImagerId::VerifyCheckDigitList, 0); },
         resources::Code11ImagerId::TransmitCheckDigitCheck,
         {{231, 0}, {232, 0}}},
        {"MSI one check digit keeps the algorithm",
         msiImagerDialog(),
         {{254, 1}, {256, 1}},
         [](DialogHarness& d) { d.select(resources::MsiImagerId::CheckDigitsList, 0); },
         resources::MsiImagerId::CheckAlgorithmList,
         {{254, 0}, {256, 1}}},
    };
    for (const Row& row : rows) {
        project = testing_support::startedProject();
        for (const auto& [offset, value] : row.stored) {
            at(offset) = value;
        }
        DialogHarness dialog = open(row.spec);
        EXPECT_TRUE(dialog.isEnabled(row.dependent)) << row.name;
        row.act(dialog);
        EXPECT_FALSE(dialog.isEnabled(row.dependent)) << row.name;
        ASSERT_TRUE(dialog.ok()) << row.name;
        for (const auto& [offset, value] : row.expected) {
            EXPECT_EQ(at(offset), value) << row.name << ", byte " << offset;
        }
    }
}

// Bytes 280 mode, 281 control header, 282 escape characters.
TEST_F(ImagerDialogs, MacroPdfControlHeaderFollowsTheModeWhileOpenAndCancelTakesItBack)
{
    using Id = resources::MacroPdfImagerId;
    at(281) = 1;
    {
        DialogHarness dialog = open(macroPdfImagerDialog());
        EXPECT_EQ(at(281), 0);  // "Pass Through All Symbols" at opening
        dialog.select(Id::ModeList, 1);
        EXPECT_EQ(at(281), 1);
        dialog.cancel();
        EXPECT_EQ(at(281), 1);
    }
    {
        DialogHarness dialog = open(macroPdfImagerDialog());
        dialog.select(Id::ModeList, 1);
        dialog.select(Id::ModeList, 2);
        dialog.select(Id::EscapeList, 1);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(at(280), 2);
        EXPECT_EQ(at(281), 0);
        EXPECT_EQ(at(282), 2);
    }
    at(282) = 1;  // never written by the editor: shown as no choice and kept
    DialogHarness dialog = open(macroPdfImagerDialog());
    EXPECT_EQ(dialog.selection(Id::EscapeList), -1);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(at(282), 1);
}

// The separator lives in the system settings, byte 688.
TEST_F(ImagerDialogs, Gs1128SeparatorIsOneCharacterOrNone)
{
    using Id = resources::Gs1128ImagerId;
    struct Row
    {
        const char* typed;
        project::Byte stored;
    };
    for (const Row& row : {Row{"#", '#'}, Row{"", 0}, Row{"\xA7", 0xA7}, Row{"ab", 'a'}}) {
        project->device.gs1Separator = '~';
        DialogHarness dialog = open(gs1128ImagerDialog());
        EXPECT_EQ(dialog.text(Id::SeparatorEdit), "~");
        dialog.paste(Id::SeparatorEdit, row.typed);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(project->device.gs1Separator, row.stored) << row.typed;
    }
    DialogHarness dialog = open(gs1128ImagerDialog());
    dialog.paste(Id::SeparatorEdit, "");
    dialog.cancel();
    EXPECT_EQ(project->device.gs1Separator, 'a');
}

TEST(BarcodePageButtons, EachImagerButtonOpensItsDialogAndNoOther)
{
    struct Row
    {
        int readerType;
        int button;
        const char* dialog;  // nullptr: no parameter dialog
    };
    const Row rows[] = {
        {3, 501, "UPCA_2DDLG"},
        {3, 502, "UPCE_2DDLG"},
        {3, 503, "UPCE1_2DDLG"},
        {3, 504, "EAN8_2DDLG"},
        {3, 505, "EAN13DLG_2D"},
        {3, 508, "EAN128_2DDLG"},
        {3, 510, "CODE39_2DDLG"},
        {3, 511, "CODE93_2DDLG"},
        {3, 512, "CODABAR_2DDLG"},
        {3, 513, "DISCRETE25_2DDLG"},
        {3, 514, "INTERLEAVE25_2DDLG"},
        {3, 515, "RSS14_2DDLG"},
        {3, 518, "MSI_2DDLG"},
        {3, 519, "CODE11_2DDLG"},
        {3, 520, "IMAGECAPTURE_2DDLG"},
        {3, 531, "POSTAL_2DDLG"},
        {3, 532, "COMPOSITE_2DDLG"},
        {3, 533, "SYMBOLOGIES_2DDLG"},
        {3, 534, "MACROPDF_2DDLG"},
        {13, 510, "CODE39_2DDLG"},
        {3, 521, "COUPON_CODE_2D"},
        {3, 506, nullptr},
        {1, 511, nullptr},
        {2, 511, nullptr},
    };
    std::set<std::string_view> opened;
    for (const Row& row : rows) {
        const ParameterDialogSpec* spec = parameterDialogForButton(row.readerType, ui::ControlId(row.button));
        SCOPED_TRACE(std::to_string(row.readerType) + " " + std::to_string(row.button));
        if (row.dialog == nullptr) {
            EXPECT_EQ(spec, nullptr);
            continue;
        }
        ASSERT_NE(spec, nullptr);
        EXPECT_EQ(spec->dialogTemplate().name, row.dialog);
        opened.insert(row.dialog);
    }
    // Every registered 2D dialog has its button.
    for (const RegisteredParameterDialog& entry : allParameterDialogs()) {
        if (entry.name.find("2D") != std::string_view::npos) {
            EXPECT_TRUE(opened.contains(entry.name)) << entry.name;
        }
    }
}

}  // namespace
}  // namespace editor::reader
