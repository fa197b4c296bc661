// SPDX-License-Identifier: MIT
// A new project, and parameter dialogs and property-sheet pages opened headless over it. The
// dialogs see block 4, block 5, the transaction file and form 3 (whose line `line` the Form
// page's dialogs edit).
#pragma once

#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "editor/parameter_dialog.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::bench {

using ui::testing::DialogHarness;

template <typename Record> std::span<project::Byte> bytesOf(Record& record)
{
    return {reinterpret_cast<project::Byte*>(&record), sizeof(Record)};
}

struct DialogBench
{
    static constexpr int FormNumber = 3;

    project::Byte& at(std::size_t offset) { return project->reader[offset]; }
    project::FormDef& form() { return project->form(FormNumber); }
    [[nodiscard]] std::vector<project::Byte> image() const { return project::serialiseProject(*project); }
    ParameterRecords records(int line = 0)
    {
        return {project->reader.bytes,
                bytesOf(project->device),
                bytesOf(form()),
                line,
                bytesOf(project->transaction),
                FormNumber,
                &showInputMark,
                argument};
    }
    DialogHarness open(const ParameterDialogSpec& spec, int line = 0, const texts::TextSource* source = nullptr)
    {
        return DialogHarness(spec.dialogTemplate, ParameterDialogModel(spec, records(line), source ? *source : texts,
                                                                         ui::LanguageState::BuiltinOnly));
    }
    // A page over the whole project, with a ScriptedHost of its own.
    template <typename Page, typename... Args> DialogHarness openPage(const ui::DialogTemplate& dialog, Args&&... args)
    {
        return DialogHarness(dialog,
                             Page(*project, texts, ui::LanguageState::BuiltinOnly, std::forward<Args>(args)...));
    }

    std::unique_ptr<project::Project> project = testing_support::startedProject();
    texts::BuiltinTextSource texts;
    bool showInputMark = false;
    int argument = 0;  // what the opener passes (the coupon content dialog's mode)
};

// A test whose dialogs work on a bench of its own.
class BenchTest : public ::testing::Test, public DialogBench
{
};

}  // namespace editor::bench
