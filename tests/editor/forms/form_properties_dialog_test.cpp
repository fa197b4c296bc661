// SPDX-License-Identifier: MIT
// FORMADVANCEDLG: its caption and the export name; MSQI mode reaches the page at once.
#include <gtest/gtest.h>

#include "editor/forms/form_page.h"
#include "editor/dialog_bench.h"
#include "editor/forms/form_dialogs.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::FormPropertiesId;
using ui::testing::DialogHarness;

class FormProperties : public bench::BenchTest
{
};

TEST_F(FormProperties, CaptionNamesTheFormAndCancelKeepsTheName)
{
    form().exportName.assign("STOCK");
    DialogHarness dialog = open(formPropertiesDialog());
    EXPECT_EQ(dialog.controls().title(), "Form #3");
    dialog.paste(Id::ExportNameEdit, "A name of more than twenty");
    EXPECT_EQ(dialog.text(Id::ExportNameEdit), "A name of more than ");
    dialog.click(Id::AutoExportCheck);
    dialog.click(Id::AppendRadio);
    dialog.cancel();
    EXPECT_EQ(form().exportName.str(), "STOCK");
    EXPECT_EQ(form().autoExport, 0);
}

TEST_F(FormProperties, MsqiTurnedOnChangesThePageAtOnceAndCancelLeavesIt)
{
    bool isModified = false;
    ui::testing::ScriptedHost host;
    FormPage page(*project, texts, ui::LanguageState::BuiltinOnly, isModified);
    DialogHarness sheet(resources::formPageTemplate(), page, host);
    page.workingCopy().forms[0].lineType[4] = static_cast<project::Byte>(project::LineType::Integer);
    for (const auto result : {ui::DialogResult::Cancel, ui::DialogResult::Ok}) {
        host.onDialog("FORMADVANCEDLG", [result](DialogHarness& dialog) {
            dialog.click(Id::MsqiCheck);
            if (result == ui::DialogResult::Ok) {
                return dialog.ok() ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
            }
            dialog.cancel();
            return ui::DialogResult::Cancel;
        });
        sheet.click(resources::FormPageId::AdvancedButton);
        const project::FormDef& shown = page.workingCopy().forms[0];
        const bool isOk = result == ui::DialogResult::Ok;
        EXPECT_EQ(shown.msqiEnabled, isOk ? 1 : 0);
        EXPECT_EQ(shown.lineType[1], isOk ? 16 : 0);
        EXPECT_EQ(shown.lineType[4], isOk ? 0 : 2); // MSQI lines below 2 look up or are nil
        EXPECT_EQ(sheet.isEnabled(resources::FormPageId::RecordList), !isOk);
    }
}

} // namespace
} // namespace editor::forms
