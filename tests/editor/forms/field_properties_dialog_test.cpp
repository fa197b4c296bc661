// SPDX-License-Identifier: MIT
// ADVANCEDLG: the rules that are not plain bindings.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/settings/character_grid.h"
#include "editor/dialog_bench.h"
#include "editor/forms/form_dialogs.h"
#include "resources/form_templates.h"
#include "resources/settings_templates.h"

namespace editor::forms {
namespace {

using Id = resources::FieldPropertiesId;
using project::Byte;
using project::LineType;
using ui::testing::DialogHarness;

class FieldProperties : public bench::BenchTest
{
};

TEST_F(FieldProperties, InitialValueIsFilteredByTheLineType)
{
    struct Row
    {
        LineType type;
        const char* typed;
        const char* shown;
        const char* stored;
    };
    const Row rows[] = {
        {LineType::Integer, "12a.3.4", "12a.3.4", "1234"}, {LineType::Real, "12.5", "12.5", "12.5"},
        {LineType::AutoPlusMinus, "-7.", "-7.", "7."},      {LineType::Boolean, "X", "", ""},
        {LineType::Boolean, "y", "y", "y"},                 {LineType::Alphameric, "AB-12", "AB", "AB"},
        {LineType::Text, "a-b c", "a-b c", "a-b c"},       {LineType::Integer, "123456789012", "1234567890", "1234567890"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        project = testing_support::startedProject();
        setType(1, row.type);
        form().initialValueOn[1] = 1;
        DialogHarness dialog = open(fieldPropertiesDialog(), 1);
        dialog.paste(Id::InitialValueEdit, row.typed);
        EXPECT_EQ(dialog.text(Id::InitialValueEdit), row.shown);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(form().initialValue[1].str(), row.stored);
    }
}

TEST_F(FieldProperties, OkNormalisesPartialReadingAndClearsAHiddenInputMark)
{
    setType(0, LineType::Text);
    form().partialOn[0] = 1;
    form().inputMark[0] = '*';
    DialogHarness dialog = open(fieldPropertiesDialog());
    EXPECT_EQ(dialog.text(Id::StartEdit), "1"); // a stored 0 reads as 1
    dialog.enter(Id::StartEdit, "0");
    dialog.enter(Id::PartialLengthEdit, "0");
    EXPECT_EQ(dialog.text(Id::StartEdit), "0");
    dialog.click(Id::ShowInputMarkCheck);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().partialStart[0], 1);
    EXPECT_EQ(form().partialLength[0], 160);
    EXPECT_EQ(form().inputMark[0], 0);
    EXPECT_FALSE(showInputMark);
}

TEST_F(FieldProperties, AnMsqiLineIsEnteredAfterTheScanAndIsNotScannedItself)
{
    form().msqiEnabled = 1;
    setType(1, LineType::Msqi);
    form().autoEnter[1] = 1;
    form().lookupLink[1] = 4;
    {
        DialogHarness dialog = open(fieldPropertiesDialog(), 1);
        EXPECT_EQ(form().autoEnter[1], 2);
        EXPECT_EQ(dialog.selection(Id::AutoEnterList), 2);
        for (const Id id : {Id::AutoEnterList, Id::PartialCheck, Id::StartEdit, Id::CheckDigitList, Id::PrefixCheck,
                            Id::SuffixDisplay, Id::InitialValueCheck, Id::InitialValueEdit, Id::BarcodeGroup}) {
            EXPECT_FALSE(dialog.isEnabled(id)) << static_cast<int>(id);
        }
        dialog.cancel();
        EXPECT_EQ(form().autoEnter[1], 1);
    }
    DialogHarness dialog = open(fieldPropertiesDialog(), 1);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().autoEnter[1], 2);
}

TEST_F(FieldProperties, FixedDataIsNeitherTypedNorScanned)
{
    setType(0, LineType::FixedData);
    form().initialValueOn[0] = 1;
    form().partialOn[0] = 1;
    DialogHarness dialog = open(fieldPropertiesDialog());
    for (const Id id : {Id::InitialValueCheck, Id::InitialValueEdit, Id::ShowInputMarkCheck, Id::InputMarkEdit,
                        Id::PartialCheck, Id::StartEdit, Id::LeadingCodeCheck, Id::CheckDigitCheck,
                        Id::AutoEnterList, Id::DecimalPlacesList}) {
        EXPECT_FALSE(dialog.isEnabled(id)) << static_cast<int>(id);
    }
    EXPECT_TRUE(dialog.isEnabled(Id::FixedLengthCheck));
    EXPECT_TRUE(dialog.isEnabled(Id::PrefixCheck));
}

TEST_F(FieldProperties, CheckDigitStoresTheChosenMethod)
{
    setType(0, LineType::Integer);
    form().checkDigitMethod[0] = 5;
    DialogHarness dialog = open(fieldPropertiesDialog());
    EXPECT_EQ(dialog.selection(Id::CheckDigitList), 4);
    dialog.click(Id::CheckDigitCheck);
    EXPECT_FALSE(dialog.isEnabled(Id::CheckDigitList));
    dialog.click(Id::CheckDigitCheck);
    EXPECT_EQ(dialog.selection(Id::CheckDigitList), 0); // ticking chooses the first method
    dialog.select(Id::CheckDigitList, 7);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().checkDigitMethod[0], 8);
}

TEST_F(FieldProperties, PrefixIsComposedInTheGridAndShownByName)
{
    setType(0, LineType::Text);
    form().prefixOn[0] = 1;
    form().prefix[0].assign("\x02\x0d");
    DialogHarness dialog = open(fieldPropertiesDialog());
    EXPECT_EQ(dialog.text(Id::PrefixDisplay), "Del Enter ");
    bool wasHighlighted = false;
    dialog.host().onDialog("GRIDDLG", [&](DialogHarness& grid) {
        wasHighlighted = dialog.controls().isHighlighted(Id::PrefixDisplay);
        grid.click(resources::CharacterGridId::ClearButton);
        grid.modelAs<settings::CharacterGrid>().clickCell(3, 7); // '&'
        return grid.ok() ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
    });
    dialog.click(Id::PrefixDisplay);
    EXPECT_TRUE(wasHighlighted);
    EXPECT_FALSE(dialog.controls().isHighlighted(Id::PrefixDisplay));
    EXPECT_EQ(dialog.text(Id::PrefixDisplay), "& ");
    dialog.click(Id::SuffixCheck);
    dialog.host().onDialog("GRIDDLG", [](DialogHarness& grid) {
        grid.modelAs<settings::CharacterGrid>().clickCell(5, 2);
        grid.cancel(); // nothing changes
        return ui::DialogResult::Cancel;
    });
    dialog.click(Id::SuffixDisplay);
    EXPECT_EQ(dialog.text(Id::SuffixDisplay), "");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().prefix[0].str(), "&");
}

} // namespace
} // namespace editor::forms
