// SPDX-License-Identifier: MIT
#include "cli/json_mirror.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "cli_fixtures.h"
#include "project/file_format.h"
#include "support/fuzz_regressions.h"

namespace cli {
namespace {

using testing::AllVersions;
using testing::newImage;

std::vector<std::uint8_t> roundTrip(const std::vector<std::uint8_t>& image)
{
    // Through the text, as a user's editor and version control would see it.
    const std::string text = mirrorOf(image).dump(2);
    const ImageFromMirror back = imageFromMirror(Json::parse(text));
    EXPECT_TRUE(back.ok) << back.error;
    return back.image;
}

// New and random images of every version, and the bytes a text slot or the magic may hide:
// every one comes back byte for byte.
TEST(JsonMirror, ImagesOfEveryVersionComeBackByteForByte)
{
    for (const char* version : AllVersions) {
        SCOPED_TRACE(version);
        const auto fresh = testing::asVersion(newImage(), version);
        EXPECT_EQ(roundTrip(fresh), fresh);
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            const auto image = testing::randomImage(version, seed);
            EXPECT_EQ(roundTrip(image), image) << "seed " << seed;
        }
    }

    auto image = newImage();
    const std::size_t prompt = project::FormBlockOffset + offsetof(project::FormDef, prompt);
    std::memcpy(image.data() + prompt, "Qty\0\x01\x02", 6);
    std::memset(image.data() + project::FormBlockOffset + offsetof(project::FormDef, exportName), 'X', 21);
    std::memcpy(image.data() + project::MenuBlockOffset + offsetof(project::MenuDef, caption), "Men\xFC \xE9t\xE9", 9);
    image[9] = 0x7F;  // no NUL at all
    const Json mirror = mirrorOf(image);
    const Json& line = mirror["forms"][0]["lines"][0];
    EXPECT_EQ(line["prompt"], "Qty");
    EXPECT_EQ(line["promptTail"], "0102" + std::string(2 * (31 - 6), '0'));
    EXPECT_FALSE(mirror["forms"][0]["lines"][1].contains("promptTail"));
    EXPECT_EQ(mirror["forms"][0]["exportName"], std::string(21, 'X'));
    EXPECT_EQ(mirror["menus"][0]["caption"], "Men\u00FC \u00E9t\u00E9");
    EXPECT_EQ(mirror["version"], "Q720-1.14\x7F");
    EXPECT_EQ(roundTrip(image), image);

    auto old = testing::asVersion(newImage(), "Q720-1.00");
    old[8] = 0;  // "Q720-1.0" and a NUL sorts before "Q720-1.00"
    old[9] = 0x41;
    EXPECT_EQ(mirrorOf(old)["version"], "Q720-1.0");
    EXPECT_EQ(mirrorOf(old)["versionTail"], "41");
    EXPECT_EQ(roundTrip(old), old);
}

TEST(JsonMirror, RejectsBadMirrorsNamingThePlace)
{
    const std::vector<std::pair<std::function<void(Json&)>, std::string>> cases = {
        {[](Json& m) { m["forms"][2]["lines"][0]["colour"] = 1; }, "$.forms[2].lines[0].colour: unknown key"},
        {[](Json& m) { m["menus"][1]["escTarget"] = "menu 2"; }, "$.menus[1].escTarget: expected an integer"},
        {[](Json& m) { m["forms"][0]["lines"][3]["maxLength"] = 300; },
         "$.forms[0].lines[3].maxLength: 300 is not a byte (0..255)"},
        {[](Json& m) { m["forms"][0]["lines"][3]["maxLength"] = -1; },
         "$.forms[0].lines[3].maxLength: -1 is not a byte (0..255)"},
        {[](Json& m) { m["forms"][0]["lines"][3]["maxLength"] = 1.5; },
         "$.forms[0].lines[3].maxLength: expected an integer"},
        {[](Json& m) { m["systemSettings"].erase("password"); }, "$.systemSettings.password: missing"},
        {[](Json& m) { m["forms"][0]["exportName"] = std::string(22, 'A'); },
         "$.forms[0].exportName: is 22 characters long; the slot holds 21"},
        {[](Json& m) {
             m["forms"][0]["exportName"] = std::string(21, 'A');
             m["forms"][0]["exportNameTail"] = "";
         },
         "$.forms[0].exportNameTail: not allowed: the text fills its slot and has no NUL"},
        {[](Json& m) { m["texts"]["3001"] = "\u20AC"; },
         "$.texts.3001: has a character outside Latin-1 (single-byte texts only)"},
        {[](Json& m) { m["texts"]["3001"] = std::string("a\0b", 3); }, "$.texts.3001: contains a NUL character"},
        {[](Json& m) {
             m["textTails"] = Json::object({{"3001", "00"}});
         },
         "$.textTails.3001: expected 0 hex digits, found 2"},
        {[](Json& m) {
             m["version"] = "Q720-1.00";
             m.erase("transactionFile");
         },
         "$.texts.3061: unknown key"},
        {[](Json& m) { m["version"] = "Q720-1.11"; }, "$.transactionFile: unknown key"},
        {[](Json& m) { m["version"] = "Q720-1.15"; },
         "$.version: version Q720-1.15 is newer than this program supports"},
        {[](Json& m) { m["version"] = "Q820-1.14"; }, "$.version: not a Q720 project version"},
        {[](Json& m) { m["forms"].erase(19); }, "$.forms: expected an array of 20 objects"},
        {[](Json& m) {
             std::string reserved(400, '0');
             reserved[5] = 'g';
             m["reservedBlock"] = reserved;
         },
         "$.reservedBlock: not a hex digit at position 5"},
    };
    const Json fresh = mirrorOf(newImage());
    for (const auto& [spoil, error] : cases) {
        Json mirror = fresh;
        spoil(mirror);
        const ImageFromMirror result = imageFromMirror(mirror);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, error);
    }
}

// Inputs that once made `import` leave with an exception (found by the cli_import fuzzer), and a
// number beyond a double.
TEST(JsonMirror, KeptFuzzInputsGiveAReasonInsteadOfThrowing)
{
    std::vector<testing_support::KeptInput> inputs = testing_support::keptFuzzInputs("cli_import");
    ASSERT_FALSE(inputs.empty());
    const std::string huge = R"({"version": "Q720-1.14", "forms": [1e400]})";
    inputs.push_back({"huge number", {huge.begin(), huge.end()}});
    for (const testing_support::KeptInput& input : inputs) {
        SCOPED_TRACE(input.name);
        std::string error;
        std::optional<Json> mirror;
        ASSERT_NO_THROW(mirror = parseMirrorText(std::string(input.bytes.begin(), input.bytes.end()), error));
        if (mirror) {
            ImageFromMirror built;
            ASSERT_NO_THROW(built = imageFromMirror(*mirror));
            EXPECT_TRUE(built.ok || !built.error.empty());
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
    std::string error;
    EXPECT_FALSE(parseMirrorText(huge, error).has_value());
    EXPECT_TRUE(error.starts_with("malformed JSON: ")) << error;
}

}  // namespace
}  // namespace cli
