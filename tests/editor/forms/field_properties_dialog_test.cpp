// SPDX-License-Identifier: MIT
// ADVANCEDLG: the rules that are not plain bindings.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/dialog_bench.h"
#include "editor/forms/form_dialogs.h"
#include "editor/settings/character_grid_dialog.h"
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

} // namespace
} // namespace editor::forms
