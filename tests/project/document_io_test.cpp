// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "project/document_io.h"
#include "project/file_format.h"
#include "support/fuzz_regressions.h"
#include "support/project_fixtures.h"

namespace project {
namespace {

using testing_support::startedProject;

const texts::BuiltinTextSource builtin;

// A saved project opens to the same bytes; a project of the other model is adopted, and a
// stamp outside the models is kept but not adopted.
TEST(DocumentIo, SavedProjectOpensToTheSameBytesAndItsModelIsAdopted)
{
    const struct
    {
        Model savedAs;
        int stamp;  // -1: as saved
        std::optional<Model> adopted;
    } cases[] = {
        {Model::Q720CE, -1, std::nullopt}, {Model::Q720PPC, -1, Model::Q720PPC}, {Model::Q720CE, 7, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.savedAs) * 10 + c.stamp);
        auto p = startedProject(c.savedAs);
        p->form(5).prompt[0].assign("Item");
        auto image = saveProject(*p, c.savedAs);
        if (c.stamp >= 0) {
            image[DeviceBlockOffset + 425] = static_cast<std::uint8_t>(c.stamp);
        }
        auto q = startedProject();
        const auto result = loadProject(image, *q, {builtin, Model::Q720CE});
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(serialiseProject(*q), image);
        EXPECT_EQ(result.adoptedModel, c.adopted);
    }
}

TEST(DocumentIo, Block51IsRefilledFromTheCurrentLanguageFrom112On)
{
    testing_support::OverrideTextSource language;
    language.set(3281, "Eigenschaften");
    for (const char* magic : {"Q720-1.11", "Q720-1.12", "Q720-1.14"}) {
        SCOPED_TRACE(magic);
        auto source = startedProject();
        source->texts.textSlot(51, 0)[0] = '#';
        auto target = startedProject();
        ASSERT_TRUE(
            loadProject(testing_support::imageOfVersion(*source, magic), *target, {language, Model::Q720CE}).ok);
        if (std::strcmp(magic, "Q720-1.11") == 0) {
            EXPECT_EQ(target->texts.textSlot(51, 0)[0], '#') << "a 1.11 file keeps its own block 51";
        } else {
            EXPECT_EQ(testing_support::slotText(*target, 51, 0), "Eigenschaften");
        }
    }
}

// A batch opens every file from one prepared start; each must equal a plain Open. The texts
// include what a slot's copy could get wrong: an inner NUL, a text longer than the slot, none.
TEST(DocumentIo, PreparedOpenGivesThePlainOpensBytes)
{
    testing_support::OverrideTextSource language;
    language.set(3281, std::string("Eigen\0schaften", 15));
    language.set(3282, std::string(45, 'x'));
    language.set(3300, std::string(30, 'y'));
    language.set(3106, "Hinweis");
    const PreparedOpen prepared(language, Model::Q720PPC);
    for (const char* magic :
         {"Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.09", "Q720-1.11", "Q720-1.12", "Q720-1.14"}) {
        SCOPED_TRACE(magic);
        auto source = startedProject();
        for (int i = 0; i < 20; ++i) {
            auto slot = source->texts.textSlot(51, i);
            std::fill(slot.begin(), slot.end(), std::uint8_t{'#'});  // bytes behind each NUL must stay
        }
        const auto image = testing_support::imageOfVersion(*source, magic);
        auto plain = startedProject(Model::Q720PPC, language);
        ASSERT_TRUE(loadProject(image, *plain, {language, Model::Q720PPC}).ok);
        auto fast = prepared.startedProject();
        ASSERT_TRUE(loadProject(image, *fast, prepared.context()).ok);
        EXPECT_EQ(serialiseProject(*fast), serialiseProject(*plain));
    }
}

// Block 51 belongs to the language: reading any file from "Q720-1.12" on refills it.
void eraseBlock51(std::vector<std::uint8_t>& image)
{
    const std::size_t begin = TextBlockOffset + textTableOffset(51);
    std::memset(image.data() + begin, 0, textTableOffset(52) - textTableOffset(51));
}

// Project files that once broke the project-file fuzz harness: each must still be refused
// without touching the project, or be accepted and settle on its bytes by the second save (a
// pass-down form that leads to a lower-numbered form is counted one save late).
TEST(ProjectFileRegressions, KeptFuzzInputsLoadAllOrNothingAndSaveStably)
{
    const auto inputs = testing_support::keptFuzzInputs("project_file");
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
