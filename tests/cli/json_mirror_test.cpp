// SPDX-License-Identifier: MIT
#include "cli/json_mirror.h"

#include <gtest/gtest.h>

#include <cstring>

#include "cli/commands.h"
#include "cli_fixtures.h"
#include "project/file_format.h"

namespace cli {
namespace {

using testing::AllVersions;
using testing::randomImage;

std::vector<std::uint8_t> roundTrip(const std::vector<std::uint8_t>& image)
{
    // Through the text, as a user's editor and version control would see it.
    const std::string text = mirrorOf(image).dump(2);
    const ImageFromMirror back = imageFromMirror(Json::parse(text));
    EXPECT_TRUE(back.ok) << back.error;
    return back.image;
}

std::vector<std::uint8_t> newImage()
{
    const texts::BuiltinTextSource texts;
    return newProjectImage(texts, project::Model::Q720CE);
}

TEST(JsonMirror, RandomImagesOfEveryVersionComeBackByteForByte)
{
    for (const char* version : AllVersions) {
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            const auto image = randomImage(version, seed);
            EXPECT_EQ(roundTrip(image), image) << version << " seed " << seed;
        }
    }
}

TEST(JsonMirror, NewProjectOfEveryVersionComesBackByteForByte)
{
    for (const char* version : AllVersions) {
        const auto image = testing::asVersion(newImage(), version);
        EXPECT_EQ(roundTrip(image), image) << version;
    }
}

TEST(JsonMirror, BlocksTheVersionLacksAreAbsent)
{
    const Json old = mirrorOf(testing::asVersion(newImage(), "Q720-1.00"));
    EXPECT_FALSE(old.contains("transactionFile"));
    EXPECT_TRUE(old["texts"].contains("3001"));
    EXPECT_FALSE(old["texts"].contains("3061"));  // block 43 arrived with 1.01
    EXPECT_FALSE(old["texts"].contains("3901"));  // block 60 arrived with 1.11
    const Json current = mirrorOf(newImage());
    EXPECT_TRUE(current.contains("transactionFile"));
    EXPECT_TRUE(current["texts"].contains("3930"));
}

TEST(JsonMirror, TextsAreCutAtTheirNulAndKeepNonZeroTailsAsHex)
{
    auto image = newImage();
    const std::size_t prompt = project::FormBlockOffset + offsetof(project::FormDef, prompt);
    std::memcpy(image.data() + prompt, "Qty\0\x01\x02", 6);
    const Json mirror = mirrorOf(image);
    const Json& line = mirror["forms"][0]["lines"][0];
    EXPECT_EQ(line["prompt"], "Qty");
    EXPECT_EQ(line["promptTail"].get<std::string>().substr(0, 4), "0102");
    EXPECT_EQ(line["promptTail"].get<std::string>().size(), 2u * (31 - 4));
    EXPECT_FALSE(mirror["forms"][0]["lines"][1].contains("promptTail"));
    EXPECT_EQ(roundTrip(image), image);
}

TEST(JsonMirror, SlotWithoutNulRoundTrips)
{
    auto image = newImage();
    const std::size_t name = project::FormBlockOffset + offsetof(project::FormDef, exportName);
    std::memset(image.data() + name, 'X', 21);
    const Json mirror = mirrorOf(image);
    EXPECT_EQ(mirror["forms"][0]["exportName"], std::string(21, 'X'));
    EXPECT_EQ(roundTrip(image), image);
}

TEST(JsonMirror, HighBytesTravelAsLatin1Characters)
{
    auto image = newImage();
    const std::size_t caption = project::MenuBlockOffset + offsetof(project::MenuDef, caption);
    std::memcpy(image.data() + caption, "Men\xFC \xE9t\xE9", 9);
    const Json mirror = mirrorOf(image);
    EXPECT_EQ(mirror["menus"][0]["caption"], "Men\u00FC \u00E9t\u00E9");
    EXPECT_EQ(roundTrip(image), image);
}

TEST(JsonMirror, MagicKeepsItsExactTenBytes)
{
    auto image = newImage();
    image[9] = 0x7F;  // no NUL at all
    EXPECT_EQ(mirrorOf(image)["version"].get<std::string>(), "Q720-1.14\x7F");
    EXPECT_EQ(roundTrip(image), image);

    auto old = testing::asVersion(newImage(), "Q720-1.00");
    old[8] = 0;  // "Q720-1.0" and a NUL sorts before "Q720-1.00"
    old[9] = 0x41;
    const Json mirror = mirrorOf(old);
    EXPECT_EQ(mirror["version"].get<std::string>(), "Q720-1.0");
    EXPECT_EQ(mirror["versionTail"].get<std::string>(), "41");
    EXPECT_EQ(roundTrip(old), old);
}

TEST(JsonMirror, KeysFollowTheIssueOrder)
{
    const Json mirror = mirrorOf(newImage());
    std::vector<std::string> keys;
    for (const auto& [key, value] : mirror.items()) {
        keys.push_back(key);
    }
    const std::vector<std::string> expected = {"version",         "forms",          "menus", "lookups",
                                               "systemSettings", "transactionFile", "readerSettings",
                                               "texts",          "reservedBlock"};
    EXPECT_EQ(keys, expected);
}

class JsonMirrorRejects : public ::testing::Test
{
protected:
    Json m_mirror = mirrorOf(newImage());

    std::string errorOf() const
    {
        const ImageFromMirror result = imageFromMirror(m_mirror);
        EXPECT_FALSE(result.ok);
        return result.error;
    }
};

TEST_F(JsonMirrorRejects, UnknownKeyNamingItsPath)
{
    m_mirror["forms"][2]["lines"][0]["colour"] = 1;
    EXPECT_EQ(errorOf(), "$.forms[2].lines[0].colour: unknown key");
}

TEST_F(JsonMirrorRejects, WrongType)
{
    m_mirror["menus"][1]["escTarget"] = "menu 2";
    EXPECT_EQ(errorOf(), "$.menus[1].escTarget: expected an integer");
}

TEST_F(JsonMirrorRejects, ValueOutsideAByte)
{
    m_mirror["forms"][0]["lines"][3]["maxLength"] = 300;
    EXPECT_EQ(errorOf(), "$.forms[0].lines[3].maxLength: 300 is not a byte (0..255)");
    m_mirror["forms"][0]["lines"][3]["maxLength"] = -1;
    EXPECT_EQ(errorOf(), "$.forms[0].lines[3].maxLength: -1 is not a byte (0..255)");
    m_mirror["forms"][0]["lines"][3]["maxLength"] = 1.5;
    EXPECT_EQ(errorOf(), "$.forms[0].lines[3].maxLength: expected an integer");
}

TEST_F(JsonMirrorRejects, MissingKey)
{
    m_mirror["systemSettings"].erase("password");
    EXPECT_EQ(errorOf(), "$.systemSettings.password: missing");
}

TEST_F(JsonMirrorRejects, TextLongerThanItsSlot)
{
    m_mirror["forms"][0]["exportName"] = std::string(22, 'A');
    EXPECT_EQ(errorOf(), "$.forms[0].exportName: is 22 characters long; the slot holds 21");
}

TEST_F(JsonMirrorRejects, CharacterOutsideLatin1)
{
    m_mirror["texts"]["3001"] = "\u20AC";
    EXPECT_EQ(errorOf(), "$.texts.3001: has a character outside Latin-1 (single-byte texts only)");
}

TEST_F(JsonMirrorRejects, TailOfWrongLength)
{
    m_mirror["textTails"] = Json::object({{"3001", "00"}});
    EXPECT_EQ(errorOf(), "$.textTails.3001: expected 0 hex digits, found 2");
}

TEST_F(JsonMirrorRejects, TextOfATableTheVersionLacks)
{
    m_mirror["version"] = "Q720-1.00";
    m_mirror.erase("transactionFile");
    EXPECT_EQ(errorOf(), "$.texts.3061: unknown key");
}

TEST_F(JsonMirrorRejects, BlockTheVersionLacks)
{
    m_mirror["version"] = "Q720-1.11";
    EXPECT_EQ(errorOf(), "$.transactionFile: unknown key");
}

TEST_F(JsonMirrorRejects, NewerVersion)
{
    m_mirror["version"] = "Q720-1.15";
    EXPECT_EQ(errorOf(), "$.version: version Q720-1.15 is newer than this program supports");
}

TEST_F(JsonMirrorRejects, OtherModelFamily)
{
    m_mirror["version"] = "Q820-1.14";
    EXPECT_EQ(errorOf(), "$.version: not a Q720 project version");
}

TEST_F(JsonMirrorRejects, WrongNumberOfForms)
{
    m_mirror["forms"].erase(19);
    EXPECT_EQ(errorOf(), "$.forms: expected an array of 20 objects");
}

TEST_F(JsonMirrorRejects, BadHexDigit)
{
    std::string reserved(400, '0');
    reserved[5] = 'g';
    m_mirror["reservedBlock"] = reserved;
    EXPECT_EQ(errorOf(), "$.reservedBlock: not a hex digit at position 5");
}

}  // namespace
}  // namespace cli
