// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "cli_fixtures.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "texts/runtime_texts.h"

namespace cli {
namespace {

std::vector<std::uint8_t> newImage(project::Model model = project::Model::Q720CE)
{
    const texts::BuiltinTextSource texts;
    return newProjectImage(texts, model);
}

// Open after a reset, then Save, written out with the core's own calls.
std::vector<std::uint8_t> designerOpenAndSave(const std::vector<std::uint8_t>& file, project::Model model)
{
    const texts::BuiltinTextSource texts;
    auto p = std::make_unique<project::Project>(project::zeroProject());
    texts::fillAllTables(*p, texts);
    project::resetProject(*p, texts, model);
    const project::LoadResult loaded = project::loadProject(file, *p, {texts, model});
    EXPECT_TRUE(loaded.ok);
    return project::saveProject(*p, loaded.adoptedModel.value_or(model));
}

TEST(UpgradeCommand, EveryOlderVersionBecomesTheDesignersSave)
{
    const testing::ScratchFolder folder;
    for (const char* version : testing::AllVersions) {
        const auto old = testing::asVersion(newImage(), version);
        const auto in = folder.write("in.Q72", old);
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(runUpgrade({in, folder.file("out.Q72"), project::Model::Q720CE, std::nullopt}, out, err), 0)
            << version << ": " << err.str();
        const auto upgraded = testing::readAll(folder.file("out.Q72"));
        ASSERT_EQ(upgraded.size(), project::CurrentFileBytes) << version;
        EXPECT_EQ(std::string(upgraded.begin(), upgraded.begin() + 10), std::string("Q720-1.14\0", 10));
        EXPECT_EQ(upgraded, designerOpenAndSave(old, project::Model::Q720CE)) << version;
    }
}

TEST(UpgradeCommand, RandomContentOfEveryVersionUpgradesLikeTheDesigner)
{
    const testing::ScratchFolder folder;
    for (const char* version : testing::AllVersions) {
        const auto old = testing::randomImage(version, 7);
        const auto in = folder.write("in.Q72", old);
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(runUpgrade({in, in, project::Model::Q720PPC, std::nullopt}, out, err), 0) << err.str();
        EXPECT_EQ(testing::readAll(in), designerOpenAndSave(old, project::Model::Q720PPC)) << version;
    }
}

TEST(UpgradeCommand, AdoptsTheModelTheProjectWasSavedFor)
{
    const testing::ScratchFolder folder;
    const auto in = folder.write("ppc.Q72", newImage(project::Model::Q720PPC));
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runUpgrade({in, folder.file("out.Q72"), project::Model::Q720CE, std::nullopt}, out, err), 0);
    const auto upgraded = testing::readAll(folder.file("out.Q72"));
    EXPECT_EQ(upgraded[project::DeviceBlockOffset + offsetof(project::DeviceSettings, modelStamp)], 1);
}

TEST(UpgradeCommand, RejectedInputLeavesTheOutputAlone)
{
    const testing::ScratchFolder folder;
    auto newer = newImage();
    newer[8] = '5';  // Q720-1.15
    const auto in = folder.write("new.Q72", newer);
    const auto target = folder.writeText("out.Q72", "keep me");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runUpgrade({in, target, project::Model::Q720CE, std::nullopt}, out, err), 2);
    EXPECT_EQ(err.str(), in.string() + ": version Q720-1.15 is newer than this program supports\n");
    EXPECT_EQ(testing::readText(target), "keep me");
}

}  // namespace
}  // namespace cli
