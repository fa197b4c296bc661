// SPDX-License-Identifier: MIT
// Project files that once broke the project-file fuzz harness: each must still be refused
// without touching the project, or be accepted and settle on its bytes by the second save
// (a pass-down form that leads to a lower-numbered form is counted one save late: see
// derivation_test).
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

}  // namespace
}  // namespace project
