// SPDX-License-Identifier: MIT
// The pre-save derivation alone, on a new project and on one where every form stores lines.
#include <benchmark/benchmark.h>

#include <memory>

#include "project/defaults.h"
#include "project/derivation.h"
#include "texts/text_source.h"

namespace {

std::unique_ptr<project::Project> resetProject()
{
    auto p = std::make_unique<project::Project>(project::zeroProject());
    project::resetProject(*p, texts::BuiltinTextSource{}, project::Model::Q720CE);
    return p;
}

void BM_DeriveNewProject(benchmark::State& state)
{
    auto p = resetProject();
    for (auto _ : state) {
        project::deriveBeforeSave(*p, project::Model::Q720PPC);
        benchmark::DoNotOptimize(p->forms[0].fieldCount);
    }
}
BENCHMARK(BM_DeriveNewProject);

void BM_DeriveFullProject(benchmark::State& state)
{
    auto p = resetProject();
    p->device.codeIdOn = 1;
    for (auto& menu : p->menus) {
        menu.saveCaption = 1;
        for (std::size_t i = 0; i < menu.itemNext.size(); ++i) {
            menu.itemNext[i] = static_cast<project::Byte>(1 + i);
        }
    }
    for (auto& form : p->forms) {
        form.lookupFile = 1;
        form.lastInputLine = 15;
        form.lineType.fill(static_cast<project::Byte>(project::LineType::Text));
    }
    for (int f = 1; f < 20; f += 2) {
        p->form(f).recordAction = static_cast<project::Byte>(project::RecordAction::PassDown);
        p->form(f).nextTarget = static_cast<project::Byte>(f + 1);
    }
    for (auto _ : state) {
        project::deriveBeforeSave(*p, project::Model::Q720CE);
        benchmark::DoNotOptimize(p->forms[0].fieldCount);
    }
}
BENCHMARK(BM_DeriveFullProject);

}  // namespace
