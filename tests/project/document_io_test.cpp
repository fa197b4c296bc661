// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "project/document_io.h"
#include "support/project_fixtures.h"

namespace {

using project::Model;
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
    } cases[] = {{Model::Q720CE, -1, std::nullopt}, {Model::Q720PPC, -1, Model::Q720PPC}, {Model::Q720CE, 7, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.savedAs) * 10 + c.stamp);
        auto p = startedProject(c.savedAs);
        p->form(5).prompt[0].assign("Item");
        auto image = project::saveProject(*p, c.savedAs);
        if (c.stamp >= 0) {
            image[project::DeviceBlockOffset + 425] = static_cast<std::uint8_t>(c.stamp);
        }
        auto q = startedProject();
        const auto result = project::loadProject(image, *q, {builtin, Model::Q720CE});
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(project::serialiseProject(*q), image);
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
            project::loadProject(testing_support::imageOfVersion(*source, magic), *target, {language, Model::Q720CE})
                .ok);
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
    const project::PreparedOpen prepared(language, Model::Q720PPC);
    for (const char* magic : {"Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.09", "Q720-1.11", "Q720-1.12",
                              "Q720-1.14"}) {
        SCOPED_TRACE(magic);
        auto source = startedProject();
        for (int i = 0; i < 20; ++i) {
            auto slot = source->texts.textSlot(51, i);
            std::fill(slot.begin(), slot.end(), std::uint8_t{'#'});  // bytes behind each NUL must stay
        }
        const auto image = testing_support::imageOfVersion(*source, magic);
        auto plain = startedProject(Model::Q720PPC, language);
        ASSERT_TRUE(project::loadProject(image, *plain, {language, Model::Q720PPC}).ok);
        auto fast = prepared.startedProject();
        ASSERT_TRUE(project::loadProject(image, *fast, prepared.context()).ok);
        EXPECT_EQ(project::serialiseProject(*fast), project::serialiseProject(*plain));
    }
}

}  // namespace
