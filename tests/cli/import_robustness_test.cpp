// SPDX-License-Identifier: MIT
// Inputs that once made `import` leave with an exception (found by the cli_import fuzzer,
// kept in fuzz/regressions/cli_import/).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli/commands.h"
#include "cli/json_mirror.h"
#include "cli_fixtures.h"

namespace cli {
namespace {

TEST(ImportRobustness, NumberBeyondADoubleIsMalformedJsonNotACrash)
{
    const testing::ScratchFolder folder;
    const auto json = folder.writeText("huge.json", R"({"version": "Q720-1.14", "forms": [1e400]})");
    const testing::Outcome r = testing::run(
        [&](std::ostream& o, std::ostream& e) { return runImport(json, folder.file("o.Q72"), o, e); });
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind(json.string() + ": malformed JSON: ", 0), 0U) << r.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("o.Q72")));
}

TEST(ImportRobustness, KeptFuzzInputsGiveAReasonInsteadOfThrowing)
{
    const std::filesystem::path folder = std::filesystem::path(FORMWRIGHT_FUZZ_REGRESSIONS) / "cli_import";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string error;
        std::optional<Json> mirror;
        ASSERT_NO_THROW(mirror = parseMirrorText(text, error));
        if (mirror) {
            ImageFromMirror built;
            ASSERT_NO_THROW(built = imageFromMirror(*mirror));
            EXPECT_TRUE(built.ok || !built.error.empty());
        } else {
            EXPECT_FALSE(error.empty());
        }
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace cli
