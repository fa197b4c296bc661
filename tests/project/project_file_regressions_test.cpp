// SPDX-License-Identifier: MIT
// Project files that once broke the project-file fuzz harness: each must still be refused
// without touching the project, or be accepted and save to the same bytes every time.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "project/document_io.h"
#include "project/file_format.h"
#include "support/fuzz_regressions.h"
#include "support/project_fixtures.h"

namespace project {
namespace {

using testing_support::keptFuzzInputs;
using testing_support::startedProject;

// Block 51 belongs to the language: reading any file from "Q720-1.12" on refills it.
void eraseBlock51(std::vector<std::uint8_t>& image)
{
    const std::size_t begin = TextBlockOffset + textTableOffset(51);
    std::memset(image.data() + begin, 0, textTableOffset(52) - textTableOffset(51));
}

TEST(ProjectFileRegressions, KeptFuzzInputsLoadAllOrNothingAndSaveStably)
{
    const texts::BuiltinTextSource builtin;
    const auto inputs = keptFuzzInputs("project_file");
    ASSERT_FALSE(inputs.empty());
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.name);
        for (const Model model : {Model::Q720CE, Model::Q720PPC}) {
            const auto before = startedProject(model);
            auto p = startedProject(model);
            const LoadResult loaded = loadProject(input.bytes, *p, {builtin, model});
            if (!loaded.ok) {
                EXPECT_EQ(std::memcmp(p.get(), before.get(), sizeof(Project)), 0);
                continue;
            }
            const Model saveModel = loaded.adoptedModel.value_or(model);
            std::vector<std::uint8_t> first = saveProject(*p, saveModel);
            auto again = startedProject(model);
            ASSERT_TRUE(loadProject(first, *again, {builtin, saveModel}).ok);
            std::vector<std::uint8_t> second = saveProject(*again, saveModel);
            eraseBlock51(first);
            eraseBlock51(second);
            EXPECT_EQ(first, second);
        }
    }
}

// The first finding: form 3 passes its record down to form 2. Form 2 got the menu data flag
// after its figures had been counted, so the next save counted one field more.
TEST(ProjectFileRegressions, PassDownToALowerFormSavesTheSameFiguresTwice)
{
    const texts::BuiltinTextSource builtin;
    auto p = startedProject();
    FormDef& target = p->form(2);
    target.autoKey = 1;
    target.lastInputLine = 1;
    p->form(3).recordAction = static_cast<Byte>(RecordAction::PassDown);
    p->form(3).nextTarget = 2;

    const std::vector<std::uint8_t> first = saveProject(*p, Model::Q720CE);
    auto again = startedProject();
    ASSERT_TRUE(loadProject(first, *again, {builtin, Model::Q720CE}).ok);
    EXPECT_EQ(again->form(2).menuDataField, 1);
    EXPECT_EQ(again->form(2).fieldCount, 2);  // the automatic key and the menu data field
    EXPECT_EQ(saveProject(*again, Model::Q720CE), first);
}

}  // namespace
}  // namespace project
