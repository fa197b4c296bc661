// SPDX-License-Identifier: MIT
// One loop over every registered template and parameter dialog: the faults a table can have,
// and the promises every parameter dialog keeps.
#include "editor/dialog_registry.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>

#include "editor/dialog_bench.h"
#include "texts/builtin_strings.h"

namespace editor {
namespace {

using bench::DialogHarness;

std::size_t recordSize(RecordKind record)
{
    switch (record) {
    case RecordKind::Reader: return sizeof(project::ReaderSettings);
    case RecordKind::Device: return sizeof(project::DeviceSettings);
    case RecordKind::Form: return sizeof(project::FormDef);
    case RecordKind::FormLine: return sizeof(project::FormDef) - (project::LineSlots - 1);
    case RecordKind::Transaction: return sizeof(project::TransactionFileSettings);
    }
    return 0;
}

ui::ControlKind kindOf(BindingKind kind)
{
    switch (kind) {
    case BindingKind::Flag:
    case BindingKind::InvertedFlag: return ui::ControlKind::CheckBox;
    case BindingKind::Radio: return ui::ControlKind::RadioButton;
    case BindingKind::List: return ui::ControlKind::DropDownList;
    case BindingKind::Number:
    case BindingKind::Character:
    case BindingKind::Text: return ui::ControlKind::Edit;
    }
    return ui::ControlKind::Label;
}

TEST(DialogRegistry, EveryTemplateIsSound)
{
    std::set<std::string_view> names;
    for (const ui::DialogTemplate* dialog : allTemplates()) {
        EXPECT_TRUE(names.insert(dialog->name).second) << dialog->name << " registered twice";
        EXPECT_EQ(ui::templateFaults(*dialog), std::vector<std::string>{});
    }
}

TEST(DialogRegistry, EveryParameterDialogBindsControlsOfItsTemplateToBytesOfItsRecord)
{
    const std::set<const ui::DialogTemplate*> templates(allTemplates().begin(), allTemplates().end());
    for (const RegisteredParameterDialog& entry : allParameterDialogs()) {
        const ParameterDialogSpec& spec = entry.spec;
        const ui::DialogTemplate& dialog = spec.dialogTemplate;
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(dialog.name, entry.name);
        EXPECT_TRUE(templates.contains(&dialog)) << "template not registered";
        const ui::Controls controls(dialog);
        std::set<std::pair<RecordKind, std::size_t>> claimed;
        const auto claim = [&](FieldRef field) {
            EXPECT_LT(field.offset, recordSize(field.record)) << "byte " << field.offset;
            EXPECT_TRUE(claimed.insert({field.record, field.offset}).second) << "byte " << field.offset << " twice";
        };
        for (const Binding& b : spec.bindings) {
            const int span = b.kind == BindingKind::Radio ? b.count : 1;
            for (int i = 0; i < span; ++i) {
                const ui::ControlId id = ui::ControlRange(b.control, span).at(i);
                EXPECT_TRUE(controls.has(id)) << "control " << id.value();
                EXPECT_EQ(controls.state(id).kind, kindOf(b.kind)) << "control " << id.value();
            }
            EXPECT_TRUE(b.values.empty() || static_cast<int>(b.values.size()) == b.count);
            const int width = b.kind == BindingKind::Text ? b.maxChars + 1 : 1;  // a text claims its slot
            for (int i = 0; i < width; ++i) {
                claim({b.field.record, b.field.offset + static_cast<std::size_t>(i)});
            }
        }
        if (const LengthGroup* group = spec.lengthGroup) {
            for (const ui::ControlId id :
                 {group->modeList, group->length1Edit, group->length2Edit, group->length1Label, group->length2Label}) {
                EXPECT_TRUE(controls.has(id)) << "control " << id.value();
            }
            for (std::size_t i = 0; i < 3; ++i) {
                claim({group->mode.record, group->mode.offset + i});
            }
        }
        for (const EnablingRule& rule : spec.rules) {
            EXPECT_TRUE(controls.has(rule.target) && controls.has(rule.source)) << "rule " << rule.target.value();
        }
        // The built-in string of each caption entry is the template's own text, so that the
        // language template offers translators the text they see.
        if (spec.titleEntry) {
            EXPECT_EQ(texts::builtinString(*spec.titleEntry), dialog.title);
        }
        for (const ui::TextReplacement& run : spec.captions) {
            for (int i = 0; i < run.count; ++i) {
                const ui::ControlId id(run.control.value() + i);
                EXPECT_TRUE(controls.has(id)) << "caption " << id.value();
                EXPECT_EQ(texts::builtinString(texts::sid(texts::value(run.entry) + i)), controls.text(id))
                    << "caption " << id.value();
            }
        }
    }
}

// Clicking one flag and pressing OK changes its own byte, and besides it only the bytes of the
// boxes that its rules clear.
TEST(DialogRegistry, EveryFlagFlipsItsOwnByteOnOk)
{
    for (const RegisteredParameterDialog& entry : allParameterDialogs()) {
        for (const Binding& b : entry.spec.bindings) {
            if (b.kind != BindingKind::Flag && b.kind != BindingKind::InvertedFlag) {
                continue;
            }
            SCOPED_TRACE(std::string(entry.name) + " control " + std::to_string(b.control.value()));
            bench::DialogBench bench;
            {
                // Switch on whatever enables the box first.
                DialogHarness dialog = bench.open(entry.spec);
                for (const EnablingRule& rule : entry.spec.rules) {
                    if (rule.target != b.control || !dialog.isEnabled(rule.source)) {
                        continue;
                    }
                    const int position = dialog.selection(rule.source);
                    if (rule.selections == 0 && dialog.isChecked(rule.source) == rule.isInverted) {
                        dialog.click(rule.source);
                    } else if (rule.selections != 0 && (position < 0 || (rule.selections >> position & 1U) == 0)) {
                        dialog.select(rule.source, std::countr_zero(rule.selections));
                    }
                }
                ASSERT_TRUE(dialog.ok());
            }
            const std::vector<project::Byte> before = bench.image();
            const bool own = bench.open(entry.spec).isChecked(b.control);
            DialogHarness dialog = bench.open(entry.spec);
            ASSERT_TRUE(dialog.isEnabled(b.control));
            dialog.click(b.control);
            ASSERT_TRUE(dialog.ok());
            const std::vector<project::Byte> after = bench.image();
            ParameterDialogModel probe(entry.spec, bench.records(), bench.texts, ui::LanguageState::BuiltinOnly);
            const project::Byte stored = probe.byte(b.field);
            EXPECT_EQ(stored, (b.kind == BindingKind::Flag) != own ? 1 : 0);
            std::set<std::size_t> cleared;
            for (const EnablingRule& rule : entry.spec.rules) {
                if (rule.source == b.control) {
                    for (const Binding& t : entry.spec.bindings) {
                        if (t.control == rule.target) {
                            cleared.insert(t.field.offset);
                        }
                    }
                }
            }
            int changes = 0;
            for (std::size_t i = 0; i < before.size(); ++i) {
                changes += before[i] != after[i] ? 1 : 0;
            }
            EXPECT_GE(changes, 1);
            EXPECT_LE(changes, 1 + static_cast<int>(cleared.size()));
        }
    }
}

// Whatever the user does, Cancel leaves the whole project as it was.
TEST(DialogRegistry, CancelLeavesTheProjectUnchanged)
{
    for (const RegisteredParameterDialog& entry : allParameterDialogs()) {
        SCOPED_TRACE(entry.name);
        bench::DialogBench bench;
        const std::vector<project::Byte> before = bench.image();
        DialogHarness dialog = bench.open(entry.spec);
        for (const ui::ControlState& control : dialog.controls().all()) {
            if (!control.isEnabled || !control.isVisible || control.id == ui::OkButton ||
                control.id == ui::CancelButton) {
                continue;
            }
            switch (control.kind) {
            case ui::ControlKind::CheckBox:
            case ui::ControlKind::RadioButton: dialog.click(control.id); break;
            case ui::ControlKind::DropDownList: dialog.select(control.id, 0); break;
            case ui::ControlKind::Edit: dialog.enter(control.id, "1"); break;
            default: break;
            }
        }
        dialog.cancel();
        EXPECT_EQ(bench.image(), before);
    }
}

}  // namespace
}  // namespace editor
