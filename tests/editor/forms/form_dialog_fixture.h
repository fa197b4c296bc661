// SPDX-License-Identifier: MIT
// A form of a new project and the dialogs of the Form page opened on one of its lines.
#pragma once

#include <memory>

#include "editor/forms/form_dialogs.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::forms::testing {

class FormDialogTest : public ::testing::Test
{
protected:
    static constexpr int FormNumber = 3;

    project::FormDef& form() { return m_project->form(FormNumber); }

    ui::testing::DialogHarness open(const ParameterDialogSpec& spec, int lineIndex = 0)
    {
        ParameterRecords records{};
        records.form = {reinterpret_cast<project::Byte*>(&form()), sizeof(project::FormDef)};
        records.line = lineIndex;
        records.formNumber = FormNumber;
        records.showInputMark = &showInputMark;
        return ui::testing::DialogHarness(spec.dialogTemplate(),
                                          ParameterDialogModel(spec, records, texts, ui::LanguageState::BuiltinOnly));
    }

    void setType(int lineIndex, project::LineType type)
    {
        form().lineType[static_cast<std::size_t>(lineIndex)] = static_cast<project::Byte>(type);
    }

    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    texts::BuiltinTextSource texts;
    bool showInputMark = false;
};

} // namespace editor::forms::testing
