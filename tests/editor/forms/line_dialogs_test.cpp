// SPDX-License-Identifier: MIT
// LOOKUPADVANCEDLG and IMAGEADVANCEDLG: their enabling chains, and the page around them.
#include <gtest/gtest.h>

#include "editor/forms/form_page.h"
#include "editor/dialog_bench.h"
#include "editor/forms/form_dialogs.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using project::LineType;
using ui::testing::DialogHarness;

class LineDialogs : public bench::BenchTest
{
};

TEST_F(LineDialogs, ALookupLineWhoseDataIsNotSavedOffersOnlyThatBox)
{
    using Id = resources::LookupFieldId;
    setType(0, LineType::Lookup);
    form().prefixOn[0] = 1;
    form().inputMark[0] = '*';
    DialogHarness dialog = open(lookupFieldDialog());
    EXPECT_EQ(dialog.text(Id::FormValue), "3");
    EXPECT_EQ(dialog.text(Id::LineValue), "1");
    for (const auto& control : dialog.controls().all()) {
        const bool isInput = control.kind == ui::ControlKind::CheckBox || control.kind == ui::ControlKind::Edit ||
                             control.kind == ui::ControlKind::DropDownList;
        if (isInput) {
            EXPECT_EQ(control.isEnabled, control.id == Id::SaveDataCheck) << control.id.value();
        }
    }
    dialog.click(Id::SaveDataCheck);
    EXPECT_TRUE(dialog.isEnabled(Id::PrefixDisplay)); // its box was kept ticked
    EXPECT_FALSE(dialog.isEnabled(Id::FixedLengthEdit));
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().initialValueOn[0], 1);
    EXPECT_EQ(form().inputMark[0], 0);
}

TEST_F(LineDialogs, EditingAnImagePathSavesItAndOpensItsOptions)
{
    using Id = resources::ImageFieldId;
    setType(0, LineType::Image);
    DialogHarness dialog = open(imageFieldDialog());
    EXPECT_FALSE(dialog.isEnabled(Id::FixedLengthCheck));
    EXPECT_FALSE(dialog.isEnabled(Id::ShowInputMarkCheck));
    dialog.click(Id::SavePathCheck);
    EXPECT_TRUE(dialog.isEnabled(Id::FixedLengthCheck));
    dialog.click(Id::SavePathCheck);
    dialog.click(Id::EditPathCheck);
    EXPECT_TRUE(dialog.isChecked(Id::SavePathCheck));
    EXPECT_FALSE(dialog.isEnabled(Id::SavePathCheck));
    for (const Id id : {Id::CheckPathCheck, Id::FixedLengthCheck, Id::InitialPathCheck, Id::ShowInputMarkCheck}) {
        EXPECT_TRUE(dialog.isEnabled(id)) << static_cast<int>(id);
    }
    dialog.click(Id::InitialPathCheck);
    dialog.paste(Id::InitialPathEdit, "ABCDEFGHIJKLMNO");
    EXPECT_EQ(dialog.text(Id::InitialPathEdit), "ABCDEFGHIJ");
    dialog.click(Id::ShowInputMarkCheck);
    dialog.paste(Id::InputMarkEdit, "#");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().imageEditPath[0], 1);
    EXPECT_EQ(form().imageSavePath[0], 1);
    EXPECT_EQ(form().initialValue[0].str(), "ABCDEFGHIJ");
    EXPECT_EQ(form().inputMark[0], '#');
    EXPECT_TRUE(showInputMark);

    DialogHarness again = open(imageFieldDialog());
    again.click(Id::EditPathCheck);
    EXPECT_FALSE(again.isChecked(Id::SavePathCheck));
    EXPECT_TRUE(again.isEnabled(Id::SavePathCheck));
    EXPECT_FALSE(again.isEnabled(Id::FixedLengthCheck));
    EXPECT_FALSE(again.isEnabled(Id::InputMarkEdit));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(form().imageEditPath[0], 0);
    EXPECT_EQ(form().imageSavePath[0], 0);
}

TEST_F(LineDialogs, MoreOpensTheDialogOfTheLineTypeAndThePageFollowsAnImageLine)
{
    bool isModified = false;
    ui::testing::ScriptedHost host;
    FormPage page(*project, texts, ui::LanguageState::BuiltinOnly, isModified);
    DialogHarness sheet(resources::formPageTemplate(), page, host);
    const LineType types[] = {LineType::Integer, LineType::Lookup, LineType::Image, LineType::FixedData};
    for (int line = 1; line <= 4; ++line) {
        sheet.select(resources::typeList(line), static_cast<int>(types[line - 1]));
    }
    host.onDialog("IMAGEADVANCEDLG", [](DialogHarness& dialog) {
        dialog.click(resources::ImageFieldId::EditPathCheck);
        return dialog.ok() ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
    });
    EXPECT_FALSE(sheet.isEnabled(resources::maxLengthEdit(3)));
    for (int line = 1; line <= 4; ++line) {
        sheet.click(resources::moreButton(line));
    }
    EXPECT_EQ(host.dialogsRun,
              (std::vector<std::string>{"ADVANCEDLG", "LOOKUPADVANCEDLG", "IMAGEADVANCEDLG", "ADVANCEDLG"}));
    EXPECT_EQ(page.currentLine(), 3);
    EXPECT_TRUE(sheet.isEnabled(resources::maxLengthEdit(3)));
    EXPECT_EQ(page.workingCopy().forms[0].imageEditPath[2], 1);
}

} // namespace
} // namespace editor::forms
