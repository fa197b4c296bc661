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

TEST_F(LineDialogs, MoreOpensTheDialogOfTheLineTypeAndThePageFollowsAnImageLine)
{
    bool isModified = false;
    ui::testing::ScriptedHost host;
    FormPage page(*project, texts, ui::LanguageState::BuiltinOnly, isModified);
    DialogHarness sheet(resources::formPageTemplate, page, host);
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
