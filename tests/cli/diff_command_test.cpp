// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "cli/command_support.h"
#include "cli/diff_command.h"
#include "cli/json_mirror.h"
#include "cli_fixtures.h"
#include "project/file_format.h"
#include "project/record_fields.h"
#include "project/text_tables.h"

namespace cli {
namespace {

using namespace testing;
using Image = std::vector<std::uint8_t>;

std::size_t blockStart(int block)
{
    using namespace project;
    const std::size_t starts[] = {0,
                                  MenuBlockOffset,
                                  FormBlockOffset,
                                  LookupBlockOffset,
                                  ReaderBlockOffset,
                                  DeviceBlockOffset,
                                  ReservedBlockOffset};
    return block <= 6 ? starts[block] : block == 61 ? TransactionBlockOffset : TextBlockOffset + textTableOffset(block);
}

// Form 3, line 2 of a column of the line table.
std::size_t lineByte(std::string_view column)
{
    const auto spec = std::find_if(std::begin(project::formLineColumns), std::end(project::formLineColumns),
                                   [&](const project::FieldSpec& s) { return s.name == column; });
    return project::FormBlockOffset + 2 * sizeof(project::FormDef) + spec->offset + spec->bytes;
}

void put(Image& image, std::size_t at, std::string_view text, std::size_t slotBytes)
{
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(at), slotBytes, std::uint8_t{0});
    std::memcpy(image.data() + at, text.data(), text.size());
}

using Change = std::function<void(Image& before, Image& after)>;

Change bytePair(std::size_t at, std::uint8_t before, std::uint8_t after)
{
    return [=](Image& a, Image& b) {
        a[at] = before;
        b[at] = after;
    };
}

// One change of each kind of field: the line it gives, where it sits, and what the JSON holds.
TEST(DiffCommand, EachKindOfFieldGivesOneLineWithItsPlaceAndAFileAgainstItselfNone)
{
    using project::FormDef;
    const std::size_t caption = project::MenuBlockOffset + offsetof(project::MenuDef, caption);
    const std::size_t captionBytes = sizeof(project::MenuDef::caption);
    project::TextSlotRef slot;
    ASSERT_TRUE(project::findTextSlot(3541, slot));
    const std::size_t text =
        blockStart(slot.block) + static_cast<std::size_t>(slot.index * project::textTable(slot.block).width);
    const struct
    {
        Change change;
        std::string line;
        std::size_t at;  // in the file
        const char* path;
    } rows[] = {
        {bytePair(lineByte("maxLength"), 20, 30), "form 3 line 2 maxLength: 20 -> 30", lineByte("maxLength"),
         "$.forms[2].lines[1].maxLength"},
        {bytePair(project::ReaderBlockOffset + 218, 4, 10), "reader imagerCode39Length1: 4 -> 10",
         project::ReaderBlockOffset + 218, "$.readerSettings.imagerCode39Length1"},
        {bytePair(project::FormBlockOffset + offsetof(FormDef, autoKey), 0, 1), "form 1 autoKey: 0 -> 1",
         project::FormBlockOffset + offsetof(FormDef, autoKey), "$.forms[0].autoKey"},
        {[&](Image& a, Image& b) {
             put(a, caption, "Main", captionBytes);
             put(b, caption, "Stock \"taking\"", captionBytes);
         },
         R"(menu 1 caption: "Main" -> "Stock \"taking\"")", caption, "$.menus[0].caption"},
        {bytePair(lineByte("lineType"), 2, 7), "form 3 line 2 lineType: 2 (integer) -> 7 (lookup)",
         lineByte("lineType"), "$.forms[2].lines[1].lineType"},
        {bytePair(project::ReaderBlockOffset + 373, 0, 1), "block 4 offset 373: 0x00 -> 0x01",
         project::ReaderBlockOffset + 373, "$.readerSettings.bytes346"},
        {[&](Image& a, Image& b) {
             put(a, text, "Scan item", 31);
             put(b, text, "Scan article", 31);
         },
         R"(texts 3541: "Scan item" -> "Scan article")", text, "$.texts.3541"},
        {[&](Image& a, Image& b) {  // a byte behind a text's NUL
             put(a, caption, "Main", captionBytes);
             put(b, caption, "Main", captionBytes);
             b[caption + 20] = 0x41;
         },
         "block 1 offset " + std::to_string(offsetof(project::MenuDef, caption) + 20) + ": 0x00 -> 0x41", caption + 20,
         "$.menus[0].captionTail"},
    };
    ScratchFolder folder;
    const auto same = folder.write("same.Q72", newImage());
    EXPECT_EQ(diff(same, same).status, ExitSuccess);
    EXPECT_EQ(diff(same, same).out, "");
    EXPECT_EQ(diff(same, same, true).out, "[]\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        Image before = newImage();
        Image after = before;
        row.change(before, after);
        const auto a = folder.write("a.Q72", before);
        const auto b = folder.write("b.Q72", after);
        EXPECT_EQ(diff(a, b).status, ExitFindings);
        EXPECT_EQ(diff(a, b).out, row.line + "\n");
        const Json changes = Json::parse(diff(a, b, true).out);
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(blockStart(changes[0]["block"]) + changes[0]["offset"].get<std::size_t>(), row.at);
        EXPECT_EQ(changes[0]["path"], row.path);
        EXPECT_TRUE(row.line.starts_with(changes[0]["field"].get<std::string>() + ": "));
    }
}

// The older file is compared as the designer upgrades it: against its own upgrade only the
// version differs, and an edit made after the upgrade still shows as itself.
TEST(DiffCommand, AnOlderVersionAgainstItsUpgradeShowsOnlyTheVersionAndLaterEdits)
{
    ScratchFolder folder;
    const texts::BuiltinTextSource texts;
    for (const char* version : AllVersions) {
        if (project::FileMagic::of(version) == project::Version::Current) {
            continue;
        }
        SCOPED_TRACE(version);
        const Image older = randomImage(version, 5);
        UpgradedImage upgraded = upgradeImage(older, texts, project::Model::Q720CE);
        ASSERT_TRUE(upgraded.load.ok);
        const std::size_t at = lineByte("maxLength");
        const int before = upgraded.image[at];
        upgraded.image[at] = static_cast<std::uint8_t>(before ^ 0x40);
        const auto a = folder.write("old.Q72", older);
        const auto b = folder.write("new.Q72", upgraded.image);
        const bool isPpc =
            upgraded.image[project::DeviceBlockOffset + offsetof(project::DeviceSettings, modelStamp)] == 1;
        const std::string edit =
            "form 3 line 2 maxLength: " + std::to_string(before) + " -> " + std::to_string(before ^ 0x40) + "\n";
        EXPECT_EQ(diff(a, b).out, a.string() + " is version " + version +
                                      ": compared as the designer upgrades it to Q720-1.14 (model " +
                                      (isPpc ? "Q720PPC" : "Q720CE") + ")\nversion: \"" + version +
                                      "\" -> \"Q720-1.14\"\n" + edit);
        const Json changes = Json::parse(diff(b, a, true).out);
        ASSERT_EQ(changes.size(), 2u);
        EXPECT_EQ(changes[0]["new"], version);
        EXPECT_NE(changes[0]["note"].get<std::string>().find("compared as the designer upgrades it"),
                  std::string::npos);
    }
}

// Every byte of every layout is compared, once: flipping bytes further apart than the longest
// text slot (the 261-byte storage paths) gives one change per flipped byte, at that byte or at
// the start of its text.
TEST(DiffCommand, EveryByteOfEveryLayoutShowsAsExactlyOneChange)
{
    constexpr std::size_t Stride = 262;
    for (const char* version : {"Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.09", "Q720-1.11", "Q720-1.14"}) {
        const Image before = randomImage(version, 11);
        for (std::size_t phase = 0; phase < Stride; ++phase) {
            Image after = before;
            std::vector<std::size_t> flipped;
            for (std::size_t i = phase; i < after.size(); i += Stride) {
                after[i] ^= 0x24;
                flipped.push_back(i);
            }
            std::vector<std::pair<std::size_t, bool>> found;  // where, and whether a text
            for (const FieldChange& change : compareImages(before, after)) {
                found.emplace_back(blockStart(change.block) + change.offset, change.kind == FieldChange::Kind::Text);
            }
            ASSERT_EQ(found.size(), flipped.size()) << version << " phase " << phase;
            std::sort(found.begin(), found.end());
            for (std::size_t k = 0; k < flipped.size(); ++k) {
                const auto [at, isText] = found[k];
                EXPECT_TRUE(at == flipped[k] || (isText && at < flipped[k] && flipped[k] - at < Stride))
                    << version << ": byte " << flipped[k] << " reported at " << at;
            }
        }
    }
}

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
        const auto fresh = asVersion(newImage(), version);
        EXPECT_EQ(roundTrip(fresh), fresh);
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            const auto image = randomImage(version, seed);
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

    auto old = asVersion(newImage(), "Q720-1.00");
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
