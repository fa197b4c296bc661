// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <memory>

#include "cli/commands.h"
#include "cli_fixtures.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/runtime_texts.h"

namespace cli {
namespace {

using testing::newImage;
using testing::Outcome;

// Open after a reset, then Save, written out with the core's own calls.
std::vector<std::uint8_t> designerOpenAndSave(const std::vector<std::uint8_t>& file, project::Model model)
{
    const texts::BuiltinTextSource texts;
    auto p = project::startedProject(texts, model);
    const project::LoadResult loaded = project::loadProject(file, *p, {texts, model});
    EXPECT_TRUE(loaded.ok);
    return project::saveProject(*p, loaded.adoptedModel.value_or(model));
}

Outcome upgrade(const std::filesystem::path& in, const std::filesystem::path& out, project::Model model)
{
    return testing::run(
        [&](std::ostream& o, std::ostream& e) { return runUpgrade({in, out, model, std::nullopt}, o, e); });
}

TEST(UpgradeCommand, EveryOlderVersionBecomesTheDesignersSave)
{
    const testing::ScratchFolder folder;
    for (const char* version : testing::AllVersions) {
        SCOPED_TRACE(version);
        const auto old = testing::asVersion(newImage(), version);
        const Outcome r = upgrade(folder.write("in.Q72", old), folder.file("out.Q72"), project::Model::Q720CE);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto upgraded = testing::readBytes(folder.file("out.Q72"));
        ASSERT_EQ(upgraded.size(), project::CurrentFileBytes);
        EXPECT_EQ(std::string(upgraded.begin(), upgraded.begin() + 10), std::string("Q720-1.14\0", 10));
        EXPECT_EQ(upgraded, designerOpenAndSave(old, project::Model::Q720CE));

        // Any content, upgraded in place.
        const auto random = testing::randomImage(version, 7);
        const auto in = folder.write("in.Q72", random);
        ASSERT_EQ(upgrade(in, in, project::Model::Q720PPC).status, 0);
        EXPECT_EQ(testing::readBytes(in), designerOpenAndSave(random, project::Model::Q720PPC));
    }
}

}  // namespace
}  // namespace cli
