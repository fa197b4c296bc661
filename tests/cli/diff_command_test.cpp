// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "cli/command_support.h"
#include "cli/diff_command.h"
#include "cli_fixtures.h"
#include "project/record_fields.h"
#include "project/text_tables.h"

namespace cli {
namespace {

using testing::diff;
using testing::newImage;
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
    testing::ScratchFolder folder;
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
    testing::ScratchFolder folder;
    const texts::BuiltinTextSource texts;
    for (const char* version : testing::AllVersions) {
        if (project::FileMagic::of(version) == project::Version::Current) {
            continue;
        }
        SCOPED_TRACE(version);
        const Image older = testing::randomImage(version, 5);
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
        const Image before = testing::randomImage(version, 11);
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

}  // namespace
}  // namespace cli
