// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "cli/command_support.h"
#include "cli/json_mirror.h"
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

    const std::vector<std::uint8_t> image = testing::readAll(project);
    const texts::BuiltinTextSource texts;
    const UpgradedImage saved = upgradeImage(image, texts, project::Model::Q720CE);
    ASSERT_TRUE(saved.load.ok);
    EXPECT_TRUE(saved.image == image) << "Open and Save in the designer change the example";
}

// What makes it the stock-taking application the README pictures show.
TEST(ExampleProject, IsAStockTakingApplication)
{
    std::string error;
    const std::optional<Json> mirror = parseMirrorText(testing::readText(Example), error);
    ASSERT_TRUE(mirror) << error;
    const Json& m = *mirror;
    EXPECT_EQ(m["systemSettings"]["startFrom"], 1);   // menu 1
    EXPECT_EQ(m["systemSettings"]["readerType"], 3);  // the 2D reader
    EXPECT_EQ(m["menus"][0]["itemCount"], 3);
    EXPECT_GE(m["lookups"][0]["numFields"], 3);
    for (int form = 0; form < 3; ++form) {
        SCOPED_TRACE("form " + std::to_string(form + 1));
        const Json& f = m["forms"][static_cast<std::size_t>(form)];
        EXPECT_EQ(m["menus"][0]["items"][static_cast<std::size_t>(form)]["next"], form + 1);
        EXPECT_EQ(f["lookupFile"], 1);
        EXPECT_NE(f["stampPosition"], 0);
        bool hasLookup = false;
        bool hasQuantity = false;
        for (const Json& line : f["lines"]) {
            hasLookup |= line["lineType"] == 7;
            hasQuantity |= line["lineType"] == 2 || line["lineType"] == 3;
        }
        EXPECT_TRUE(hasLookup && hasQuantity);
    }
    // A few symbologies, not the reader's defaults: the article and label codes only.
    const Json& reader = m["readerSettings"];
    EXPECT_EQ(reader["imagerEan13"], 1);
    EXPECT_EQ(reader["imagerDataMatrix"], 1);
    EXPECT_EQ(reader["imagerQrCode"], 1);
    EXPECT_EQ(reader["imagerMaxicode"], 0);
    EXPECT_EQ(reader["imagerUsPostnet"], 0);
}

}  // namespace
}  // namespace cli
