// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "cli/command_support.h"
#include "cli_fixtures.h"

namespace cli {
namespace {

using testing::Outcome;
using testing::ScratchFolder;

const std::filesystem::path Example = std::filesystem::path(FORMWRIGHT_EXAMPLES) / "stock-taking.json";

// The example is kept as its mirror: it builds into a project that check finds nothing in, that
// the designer's Open and Save leave as it is, and whose export is the mirror again, byte for byte.
TEST(ExampleProject, ImportsChecksCleanAndRoundTripsByteForByte)
{
    ScratchFolder folder;
    const std::string mirror = testing::readText(Example);
    ASSERT_FALSE(mirror.empty()) << Example;
    const auto project = folder.file("stock-taking.Q72");

    Outcome r = testing::run([&](std::ostream& o, std::ostream& e) { return runImport(Example, project, o, e); });
    ASSERT_EQ(r.status, ExitSuccess) << r.err;

    r = testing::run([&](std::ostream& o, std::ostream& e) { return runCheck(project, o, e); });
    EXPECT_EQ(r.status, ExitSuccess);
    EXPECT_EQ(r.out, "");

    r = testing::run([&](std::ostream& o, std::ostream& e) { return runExport({project, std::nullopt}, o, e); });
    EXPECT_EQ(r.status, ExitSuccess);
    EXPECT_TRUE(r.out == mirror) << "the export differs from " << Example;

    const std::vector<std::uint8_t> image = testing::readBytes(project);
    const texts::BuiltinTextSource texts;
    const UpgradedImage saved = upgradeImage(image, texts, project::Model::Q720CE);
    ASSERT_TRUE(saved.load.ok);
    EXPECT_TRUE(saved.image == image) << "Open and Save in the designer change the example";
}

}  // namespace
}  // namespace cli
