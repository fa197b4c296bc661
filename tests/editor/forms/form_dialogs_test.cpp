// SPDX-License-Identifier: MIT
// The line dialogs of the Form page (ADVANCEDLG, LOOKUPADVANCEDLG, IMAGEADVANCEDLG, TIMESTAMPDLG):
// the rules that are not plain bindings, and which of them the page opens.
#include "editor/forms/form_dialogs.h"

#include <gtest/gtest.h>

#include <tuple>

#include "editor/dialog_bench.h"
#include "editor/forms/form_page.h"
#include "project/form_rules.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::FieldPropertiesId;
using bench::DialogHarness;
using project::LineType;
using FieldProperties = bench::BenchTest;

TEST_F(FieldProperties, InitialValueIsFilteredByTheLineType)
{
    const std::tuple<LineType, const char*, const char*, const char*> rows[] = {
        {LineType::Integer, "12a.3.4", "12a.3.4", "1234"},
        {LineType::Real, "12.5", "12.5", "12.5"},
        {LineType::AutoPlusMinus, "-7.", "-7.", "7."},
        {LineType::Boolean, "X", "", ""},
        {LineType::Boolean, "y", "y", "y"},
        {LineType::Alphameric, "AB-12", "AB", "AB"},
        {LineType::Text, "a-b c", "a-b c", "a-b c"},
        {LineType::Integer, "123456789012", "1234567890", "1234567890"},
    };
    for (const auto& [type, typed, shown, stored] : rows) {
        SCOPED_TRACE(typed);
        project = testing_support::startedProject();
        form().lineType[1] = project::lineCode(type);
        form().initialValueOn[1] = 1;
        DialogHarness dialog = open(fieldPropertiesDialog(), 1);
        dialog.paste(Id::InitialValueEdit, typed);
        EXPECT_EQ(dialog.text(Id::InitialValueEdit), shown);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(form().initialValue[1].str(), stored);
    }
}

TEST_F(FieldProperties, AnMsqiLineIsEnteredAfterTheScanAndIsNotScannedItself)
{
    form().msqiEnabled = 1;
    form().lineType[1] = project::lineCode(LineType::Msqi);
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

TEST(TimestampPatterns, PartsJoinInTheirOrderWithSeparatorsBetween)
{
    const std::tuple<const char*, DateParts, const char*> rows[] = {
        {"defaults", {}, "YYYY/MM/DD"},
        {"day first without year", {.hasYear = false, .order = 2}, "DD/MM"},
        {"month off", {.hasMonth = false}, "YYYY/DD"},
        {"empty separator", {.separator = ""}, "YYYYMMDD"},
        {"separator off", {.hasSeparator = false, .separator = "-"}, "YYYYMMDD"},
        {"month first, two digits", {.isTwoDigitYear = true, .separator = "-", .order = 1}, "MM-DD-YY"},
        {"order outside the list", {.order = 7}, "YYYY/MM/DD"},
        {"only the year last", {.hasMonth = false, .hasDay = false, .order = 2}, "YYYY"},
    };
    for (const auto& [name, parts, pattern] : rows) {
        EXPECT_EQ(datePattern(parts), pattern) << name;
    }
    EXPECT_EQ(timePattern({}), "HH:MM:SS");
    EXPECT_EQ(timePattern({.hasHour = false, .separator = "."}), "MM.SS");
    EXPECT_EQ(timePattern({.hasMinute = false, .hasSeparator = false}), "HHSS");
}

TEST_F(FieldProperties, MoreOpensTheDialogOfTheLineTypeAndThePageFollowsAnImageLine)
{
    bool isModified = false;
    DialogHarness sheet = openPage<FormPage>(resources::formPageTemplate, isModified);
    ui::testing::ScriptedHost& host = sheet.host();
    const LineType types[] = {LineType::Integer, LineType::Lookup, LineType::Image, LineType::FixedData};
    for (int line = 1; line <= 4; ++line) {
        sheet.select(resources::typeList(line), static_cast<int>(types[line - 1]));
    }
    host.onDialog("IMAGEADVANCEDLG", [](DialogHarness& dialog) {
        dialog.click(resources::ImageFieldId::EditPathCheck);
        return ui::testing::ScriptedHost::pressOk(dialog);
    });
    EXPECT_FALSE(sheet.isEnabled(resources::maxLengthEdit(3)));
    for (int line = 1; line <= 4; ++line) {
        sheet.click(resources::moreButton(line));
    }
    EXPECT_EQ(host.dialogsRun,
              (std::vector<std::string>{"ADVANCEDLG", "LOOKUPADVANCEDLG", "IMAGEADVANCEDLG", "ADVANCEDLG"}));
    EXPECT_EQ(sheet.modelAs<FormPage>().currentLine(), 3);
    EXPECT_TRUE(sheet.isEnabled(resources::maxLengthEdit(3)));
    EXPECT_EQ(sheet.modelAs<FormPage>().workingCopy().forms[0].imageEditPath[2], 1);
}

}  // namespace
}  // namespace editor::forms
