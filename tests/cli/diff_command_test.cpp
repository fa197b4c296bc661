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

using testing::AllVersions;
using testing::asVersion;
using testing::newImage;
using testing::Outcome;
using testing::ScratchFolder;

Outcome diff(const std::filesystem::path& a, const std::filesystem::path& b, bool json = false)
{
    return testing::run([&](std::ostream& o, std::ostream& e) { return runDiff({a, b, json, {}, {}}, o, e); });
}

std::size_t formByteAt(int form, std::size_t offset)
{
    return project::FormBlockOffset + static_cast<std::size_t>(form - 1) * sizeof(project::FormDef) + offset;
}

std::size_t lineByteAt(int form, int line, std::string_view column)
{
    for (const project::FieldSpec& spec : project::formLineColumns) {
        if (spec.name == column) {
            return formByteAt(form, spec.offset + static_cast<std::size_t>(line - 1) * spec.bytes);
        }
    }
    ADD_FAILURE() << "no column " << column;
    return 0;
}

std::size_t textAt(int stringId)
{
    project::TextSlotRef slot;
    EXPECT_TRUE(project::findTextSlot(stringId, slot));
    const auto& table = project::textTable(slot.block);
    return project::TextBlockOffset + project::textTableOffset(slot.block) +
           static_cast<std::size_t>(slot.index * table.width);
}

void put(std::vector<std::uint8_t>& image, std::size_t at, std::string_view text, std::size_t slotBytes)
{
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(at), slotBytes, std::uint8_t{0});
    std::memcpy(image.data() + at, text.data(), text.size());
}

using Change = std::function<void(std::vector<std::uint8_t>& before, std::vector<std::uint8_t>& after)>;

Change bytePair(std::size_t at, std::uint8_t before, std::uint8_t after)
{
    return [=](auto& a, auto& b) {
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
    const std::size_t maxLength = lineByteAt(3, 2, "maxLength");
    const std::size_t lineType = lineByteAt(3, 2, "lineType");
    project::TextSlotRef textSlot;
    ASSERT_TRUE(project::findTextSlot(3541, textSlot));
    const int textsBlock = textSlot.block;
    const struct
    {
        const char* kind;
        Change change;
        std::string line;
        int block;
        std::size_t offset;
        const char* path;
    } rows[] = {
        {"number", bytePair(maxLength, 20, 30), "form 3 line 2 maxLength: 20 -> 30", 2,
         maxLength - project::FormBlockOffset, "$.forms[2].lines[1].maxLength"},
        {"reader number", bytePair(project::ReaderBlockOffset + 218, 4, 10), "reader imagerCode39Length1: 4 -> 10", 4,
         218, "$.readerSettings.imagerCode39Length1"},
        {"flag", bytePair(formByteAt(1, offsetof(FormDef, autoKey)), 0, 1), "form 1 autoKey: 0 -> 1", 2,
         offsetof(FormDef, autoKey), "$.forms[0].autoKey"},
        {"text",
         [&](auto& a, auto& b) {
             put(a, caption, "Main", captionBytes);
             put(b, caption, "Stock \"taking\"", captionBytes);
         },
         R"(menu 1 caption: "Main" -> "Stock \"taking\"")", 1, offsetof(project::MenuDef, caption),
         "$.menus[0].caption"},
        {"list", bytePair(lineType, 2, 7), "form 3 line 2 lineType: 2 (integer) -> 7 (lookup)", 2,
         lineType - project::FormBlockOffset, "$.forms[2].lines[1].lineType"},
        {"unnamed byte", bytePair(project::ReaderBlockOffset + 373, 0, 1), "block 4 offset 373: 0x00 -> 0x01", 4, 373,
         "$.readerSettings.bytes346"},
        {"runtime text",
         [&](auto& a, auto& b) {
             put(a, textAt(3541), "Scan item", 31);
             put(b, textAt(3541), "Scan article", 31);
         },
         R"(texts 3541: "Scan item" -> "Scan article")", textsBlock,
         textAt(3541) - project::TextBlockOffset - project::textTableOffset(textsBlock), "$.texts.3541"},
        {"byte behind a text's NUL",
         [&](auto& a, auto& b) {
             put(a, caption, "Main", captionBytes);
             put(b, caption, "Main", captionBytes);
             b[caption + 20] = 0x41;
         },
         "block 1 offset " + std::to_string(offsetof(project::MenuDef, caption) + 20) + ": 0x00 -> 0x41", 1,
         offsetof(project::MenuDef, caption) + 20, "$.menus[0].captionTail"},
    };
    ScratchFolder folder;
    const auto same = folder.write("same.Q72", newImage());
    EXPECT_EQ(diff(same, same).status, ExitSuccess);
    EXPECT_EQ(diff(same, same).out, "");
    EXPECT_EQ(diff(same, same, true).out, "[]\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        std::vector<std::uint8_t> before = newImage();
        std::vector<std::uint8_t> after = before;
        row.change(before, after);
        const auto a = folder.write("a.Q72", before);
        const auto b = folder.write("b.Q72", after);
        const Outcome text = diff(a, b);
        EXPECT_EQ(text.status, ExitFindings);
        EXPECT_EQ(text.out, row.line + "\n");
        EXPECT_EQ(text.err, "");
        const Outcome json = diff(a, b, true);
        EXPECT_EQ(json.status, ExitFindings);
        const Json changes = Json::parse(json.out);
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes[0]["block"], row.block);
        EXPECT_EQ(changes[0]["offset"], row.offset);
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
    const std::pair<const char*, std::vector<std::uint8_t>> bases[] = {
        {"new project", newImage()}, {"random bytes", testing::randomImage("Q720-1.14", 5)}};
    for (const auto& [baseName, base] : bases) {
        for (const char* version : AllVersions) {
            if (project::FileMagic::of(version) == project::Version::Current) {
                continue;
            }
            SCOPED_TRACE(std::string(baseName) + " as " + version);
            const std::vector<std::uint8_t> older = asVersion(base, version);
            UpgradedImage upgraded = upgradeImage(older, texts, project::Model::Q720CE);
            ASSERT_TRUE(upgraded.load.ok);
            const auto a = folder.write("old.Q72", older);
            const auto b = folder.write("new.Q72", upgraded.image);
            const bool isPpc =
                upgraded.image[project::DeviceBlockOffset + offsetof(project::DeviceSettings, modelStamp)] == 1;
            const std::string versions =
                a.string() + " is version " + version + ": compared as the designer upgrades it to Q720-1.14 (model " +
                (isPpc ? "Q720PPC" : "Q720CE") + ")\nversion: \"" + version + "\" -> \"Q720-1.14\"\n";

            Outcome r = diff(a, b);
            EXPECT_EQ(r.status, ExitFindings);
            EXPECT_EQ(r.out, versions);

            const std::size_t maxLength = lineByteAt(3, 2, "maxLength");
            const int before = upgraded.image[maxLength];
            upgraded.image[maxLength] = static_cast<std::uint8_t>(before ^ 0x40);
            folder.write("new.Q72", upgraded.image);
            r = diff(a, b);
            EXPECT_EQ(r.out, versions + "form 3 line 2 maxLength: " + std::to_string(before) + " -> " +
                                 std::to_string(before ^ 0x40) + "\n");

            const Json changes = Json::parse(diff(b, a, true).out);
            ASSERT_EQ(changes.size(), 2u);
            EXPECT_EQ(changes[0]["field"], "version");
            EXPECT_EQ(changes[0]["old"], "Q720-1.14");
            EXPECT_EQ(changes[0]["new"], version);
            EXPECT_NE(changes[0]["note"].get<std::string>().find("compared as the designer upgrades it"),
                      std::string::npos);
        }
    }
}

std::size_t blockStart(int block)
{
    using namespace project;
    constexpr std::size_t starts[] = {0,
                                      MenuBlockOffset,
                                      FormBlockOffset,
                                      LookupBlockOffset,
                                      ReaderBlockOffset,
                                      DeviceBlockOffset,
                                      ReservedBlockOffset};
    if (block <= 6) {
        return starts[block];
    }
    return block == 61 ? TransactionBlockOffset : TextBlockOffset + textTableOffset(block);
}

// Every byte of every layout is compared, once: flipping bytes further apart than the longest
// text slot (the 261-byte storage paths) gives one change per flipped byte, at that byte or at
// the start of its text.
TEST(DiffCommand, EveryByteOfEveryLayoutShowsAsExactlyOneChange)
{
    constexpr std::size_t Stride = 262;
    for (const char* version : {"Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.09", "Q720-1.11", "Q720-1.14"}) {
        SCOPED_TRACE(version);
        const std::vector<std::uint8_t> before = testing::randomImage(version, 11);
        for (std::size_t phase = 0; phase < Stride; ++phase) {
            std::vector<std::uint8_t> after = before;
            std::vector<std::size_t> flipped;
            for (std::size_t i = phase; i < after.size(); i += Stride) {
                after[i] ^= 0x24;
                flipped.push_back(i);
            }
            const std::vector<FieldChange> changes = compareImages(before, after);
            ASSERT_EQ(changes.size(), flipped.size()) << "phase " << phase;
            std::vector<std::pair<std::size_t, FieldChange::Kind>> found;
            for (const FieldChange& change : changes) {
                found.emplace_back(blockStart(change.block) + change.offset, change.kind);
            }
            std::sort(found.begin(), found.end());
            for (std::size_t k = 0; k < flipped.size(); ++k) {
                const auto [at, kind] = found[k];
                const bool isHere = at == flipped[k];
                const bool isItsText = kind == FieldChange::Kind::Text && at < flipped[k] && flipped[k] - at < Stride;
                EXPECT_TRUE(isHere || isItsText) << "byte " << flipped[k] << " reported at " << at;
            }
        }
    }
}

}  // namespace
}  // namespace cli
