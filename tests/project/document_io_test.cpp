// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstring>

#include "project/document_io.h"
#include "support/project_fixtures.h"

namespace {

using project::Model;
using testing_support::imageOfVersion;
using testing_support::OverrideTextSource;
using testing_support::slotText;
using testing_support::startedProject;

TEST(DocumentIo, SavedProjectOpensToTheSameBytes)
{
    auto p = startedProject();
    p->form(5).prompt[0].assign("Item");
    const auto image = project::saveProject(*p, Model::Q720CE);
    auto q = startedProject();
    const texts::BuiltinTextSource texts;
    const auto result = project::loadProject(image, *q, {texts, Model::Q720CE});
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(project::serialiseProject(*q), image);
    EXPECT_FALSE(result.adoptedModel.has_value());
}

TEST(DocumentIo, RejectedImageLeavesTheProjectUntouched)
{
    auto p = startedProject();
    p->form(1).lineType[0] = 1;
    const auto before = *p;
    auto image = project::serialiseProject(*p);
    image.resize(1000);
    const texts::BuiltinTextSource texts;
    const auto result = project::loadProject(image, *p, {texts, Model::Q720CE});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(std::memcmp(&before, p.get(), sizeof before), 0);
}

TEST(DocumentIo, Block51IsRefilledFromTheCurrentLanguageFrom112On)
{
    OverrideTextSource language;
    language.set(3281, "Eigenschaften");
    for (const char* magic : {"Q720-1.12", "Q720-1.14"}) {
        auto source = startedProject();
        source->texts.slot(51, 0)[0] = '#';
        const auto image = imageOfVersion(*source, magic);
        auto target = startedProject();
        ASSERT_TRUE(project::loadProject(image, *target, {language, Model::Q720CE}).ok);
        EXPECT_EQ(slotText(*target, 51, 0), "Eigenschaften") << magic;
    }
    auto source = startedProject();
    source->texts.slot(51, 0)[0] = '#';
    auto target = startedProject();
    ASSERT_TRUE(project::loadProject(imageOfVersion(*source, "Q720-1.11"), *target, {language, Model::Q720CE}).ok);
    EXPECT_EQ(target->texts.slot(51, 0)[0], '#') << "a 1.11 file keeps its own block 51";
}

TEST(DocumentIo, ProjectForTheOtherModelIsAdopted)
{
    auto p = startedProject(Model::Q720PPC);
    const auto image = project::saveProject(*p, Model::Q720PPC);
    auto q = startedProject();
    const texts::BuiltinTextSource texts;
    const auto result = project::loadProject(image, *q, {texts, Model::Q720CE});
    ASSERT_TRUE(result.ok);
    ASSERT_TRUE(result.adoptedModel.has_value());
    EXPECT_EQ(*result.adoptedModel, Model::Q720PPC);
}

TEST(DocumentIo, ModelStampOutsideTheModelsIsNotAdopted)
{
    auto p = startedProject();
    auto image = project::serialiseProject(*p);
    image[project::DeviceBlockOffset + 425] = 7;
    const texts::BuiltinTextSource texts;
    const auto result = project::loadProject(image, *p, {texts, Model::Q720CE});
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(result.adoptedModel.has_value());
}

}  // namespace
