// SPDX-License-Identifier: MIT
// Project files that once broke the project-file fuzz harness: each must still be refused
// without touching the project, or be accepted and settle on its bytes by the second save
// (a pass-down form that leads to a lower-numbered form is counted one save late).
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
            std::vector<std::uint8_t> image = saveProject(*p, saveModel);
            std::vector<std::vector<std::uint8_t>> saves;
            for (int round = 0; round < 2; ++round) {
                auto again = startedProject(model);
                ASSERT_TRUE(loadProject(image, *again, {builtin, saveModel}).ok);
                image = saveProject(*again, saveModel);
                eraseBlock51(image);
                saves.push_back(image);
            }
            EXPECT_EQ(saves[0], saves[1]);
        }
    }
}

// The first finding: form 3 passes its record down to form 2. Form 2 is counted before form 3
// flags it, so the first save leaves its menu data field out and the second counts it.
TEST(ProjectFileRegressions, PassDownToALowerFormSettlesOnTheSecondSave)
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
    EXPECT_EQ(again->form(2).fieldCount, 1);  // the automatic key only
    const std::vector<std::uint8_t> second = saveProject(*again, Model::Q720CE);
    EXPECT_EQ(again->form(2).fieldCount, 2);  // and now the menu data field
    EXPECT_EQ(saveProject(*again, Model::Q720CE), second);
}

}  // namespace
}  // namespace project
