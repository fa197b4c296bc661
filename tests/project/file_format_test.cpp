// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "project/document_io.h"
#include "project/field_map.h"
#include "project/file_format.h"
#include "project/fixed_text.h"
#include "support/project_fixtures.h"
#include "support/temp_folder.h"

namespace project {
namespace {

using testing_support::asVersion;
using testing_support::startedProject;

constexpr std::size_t ReservedOffset = 51939;
constexpr std::size_t ReservedBytes = 200;

bool sameBytes(const Project& a, const Project& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool reservedBlockIsZero(const std::vector<std::uint8_t>& image)
{
    const auto begin = image.begin() + static_cast<long>(ReservedOffset);
    return std::all_of(begin, begin + static_cast<long>(ReservedBytes), [](std::uint8_t b) { return b == 0; });
}

TEST(FileFormat, BlocksSitAtTheirFileOffsetsBehindTheCurrentMagic)
{
    auto p = startedProject();
    p->menu(1).caption.assign("M");
    p->form(1).escTarget = 0xAB;
    p->lookup(1).numFields = 7;
    p->reader[0] = 0x77;
    p->device.leadByte = 0x66;
    p->transaction.oneDataFile = 0x55;
    const auto image = serialiseProject(*p);
    ASSERT_EQ(image.size(), 67205u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data()), 10), std::string("Q720-1.14\0", 10));
    EXPECT_TRUE(reservedBlockIsZero(image));
    // Block 7 slot 0 holds "File", block 43 slot 0 "Restore".
    const std::pair<std::size_t, int> bytes[] = {{11, 'M'},     {7180, 0xAB}, {46700, 7},   {50815, 0x77},
                                                 {51216, 0x66}, {52139, 'F'}, {60516, 'R'}, {67160, 0x55}};
    for (const auto& [offset, value] : bytes) {
        EXPECT_EQ(image[offset], value) << "byte " << offset;
    }
}

TEST(FileFormat, CurrentImageRoundTripsByteForByteButTheReservedBlock)
{
    auto p = startedProject();
    p->form(3).prompt[1].assign("Quantity");
    p->form(20).uninterpreted1533[442] = 0x5A;
    p->lookup(5).uninterpreted525[0] = 0xC3;
    p->device.unused697[25] = 0x11;
    const auto image = serialiseProject(*p);

    auto q = zeroProject();
    ASSERT_TRUE(parseProjectImage(image, q).ok);
    EXPECT_TRUE(sameBytes(*p, q));
    EXPECT_EQ(serialiseProject(q), image);

    auto dirty = image;
    std::memset(dirty.data() + ReservedOffset, 0xEE, ReservedBytes);
    ASSERT_TRUE(parseProjectImage(dirty, q).ok);
    EXPECT_TRUE(reservedBlockIsZero(serialiseProject(q))) << "written as zeros whatever was read";
}

// Each older version reads only its own blocks; later blocks keep what the project held, even
// when the file goes on.
TEST(FileFormat, OlderVersionsReadOnlyTheirBlocks)
{
    const std::pair<const char*, int> firstMissingBlock[] = {
        {"Q720-1.00", 43}, {"Q720-1.01", 44}, {"Q720-1.05", 45},
        {"Q720-1.10", 47}, {"Q720-1.12", 61}, {"Q720-1.13", 61}};  // 61: only block 61 is missing
    for (const auto& [magic, missing] : firstMissingBlock) {
        SCOPED_TRACE(magic);
        auto source = startedProject();
        source->form(2).escTarget = 9;
        auto image = asVersion(serialiseProject(*source), magic);
        image.resize(image.size() + 500, 0xFF);  // bytes after the layout are ignored

        auto target = startedProject();
        for (int block = missing; block <= 60; ++block) {
            target->texts.textSlot(block, 0)[0] = '#';
        }
        target->transaction.oneDataFile = 7;
        ASSERT_TRUE(parseProjectImage(image, *target).ok);

        EXPECT_EQ(target->form(2).escTarget, 9);
        EXPECT_EQ(target->transaction.oneDataFile, 7) << "block 61 is never in an older file";
        if (missing <= 60) {
            EXPECT_EQ(target->texts.textSlot(missing, 0)[0], '#');
            EXPECT_EQ(target->texts.textSlot(60, 0)[0], '#');
            EXPECT_NE(target->texts.textSlot(missing - 1, 0)[0], '#');
        }
    }
}

// Wrong prefixes, newer versions and truncated files are refused and the project is unchanged.
// The model prefix alone makes a truncated project, anything shorter is not a project.
TEST(FileFormat, RejectsOtherPrefixesNewerVersionsAndTruncatedFilesWithoutTouchingTheProject)
{
    const auto current = serialiseProject(*startedProject());
    const auto v109 = asVersion(serialiseProject(*startedProject()), "Q720-1.09");
    const auto magic = [&](const char* m) {
        auto image = current;
        std::memcpy(image.data(), m, 9);
        return image;
    };
    const auto cut = [&](std::size_t size) { return std::vector<std::uint8_t>(v109.begin(), v109.begin() + size); };
    const struct
    {
        std::vector<std::uint8_t> image;
        ReadError error;
        const char* description;  // checked where given
    } cases[] = {
        {magic("Q720-1.15"), ReadError::TooNew, "version Q720-1.15 is newer than this program supports"},
        {magic("Q720-2.00"), ReadError::TooNew, nullptr},
        {magic("Q721-1.14"), ReadError::NotAProject, nullptr},
        {magic("Q720A1.00"), ReadError::TooNew, nullptr},
        {magic("PK\3\4xxxxx"), ReadError::NotAProject, "not a Q720 project file"},
        {cut(60000), ReadError::Truncated, "file is truncated: 60000 of 61694 bytes"},
        {cut(9), ReadError::Truncated, nullptr},
        {cut(4), ReadError::Truncated, nullptr},
        {cut(3), ReadError::NotAProject, nullptr},
        {cut(0), ReadError::NotAProject, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.image.begin(), c.image.begin() + std::min<std::size_t>(9, c.image.size())) + ", " +
                     std::to_string(c.image.size()) + " bytes");
        auto target = startedProject();
        target->form(1).escTarget = 3;
        const auto before = *target;
        const auto parsed = parseProjectImage(c.image, *target);
        EXPECT_FALSE(parsed.ok);
        EXPECT_EQ(parsed.failure.error, c.error);
        if (c.description != nullptr) {
            EXPECT_EQ(describe(parsed.failure), c.description);
        }
        EXPECT_TRUE(sameBytes(before, *target));
    }
}

// A slot without NUL reads at most its width; assign cuts and terminates but keeps the bytes
// behind the NUL.
TEST(FixedText, ReadsAtMostItsWidthAndAssignKeepsTheBytesBehindTheNul)
{
    FixedText<5> slot;
    slot.bytes.fill('x');
    EXPECT_EQ(slot.view(), "xxxxx");
    EXPECT_EQ(slot.length(), 5u);
    slot.assign("abcdefgh");
    EXPECT_EQ(slot.view(), "abcde");
    EXPECT_EQ(slot.bytes[5], 0);
    slot.bytes.fill('x');
    slot.assign("ab");
    EXPECT_EQ(slot.view(), "ab");
    EXPECT_EQ(slot.bytes[2], 0);
    EXPECT_EQ(slot.bytes[3], 'x');
    EXPECT_EQ(slot.bytes[5], 'x');
}

// Every byte of a record belongs to exactly one uniquely named field or column slot, or export
// and import would lose, duplicate or confuse it.
TEST(RecordSpecs, UniquelyNamedFieldsAndColumnsCoverEveryByteExactlyOnce)
{
    using namespace project;
    for (const RecordSpec* spec :
         {&menuSpec(), &formSpec(), &lookupSpec(), &readerSpec(), &deviceSpec(), &transactionSpec()}) {
        std::vector<int> claims(spec->bytes, 0);
        std::set<std::string_view> names;
        const auto claim = [&](const FieldSpec& f, std::size_t span) {
            EXPECT_TRUE(names.insert(f.name).second) << spec->name << "." << f.name;
            ASSERT_LE(f.offset + span, spec->bytes) << spec->name << "." << f.name;
            for (std::size_t i = 0; i < span; ++i) {
                ++claims[f.offset + i];
            }
        };
        for (const FieldSpec& f : complete(*spec).fields) {
            claim(f, f.bytes);
        }
        for (const FieldSpec& c : spec->columns) {
            claim(c, c.bytes * static_cast<std::size_t>(spec->slotCount));
        }
        for (std::size_t i = 0; i < spec->bytes; ++i) {
            EXPECT_EQ(claims[i], 1) << spec->name << " byte " << i;
        }
    }
}

const texts::BuiltinTextSource builtin;

// A saved project opens to the same bytes; a project of the other model is adopted, and a
// stamp outside the models is kept but not adopted.
TEST(DocumentIo, SavedProjectOpensToTheSameBytesAndItsModelIsAdopted)
{
    const struct
    {
        Model savedAs;
        int stamp;  // -1: as saved
        std::optional<Model> adopted;
    } cases[] = {
        {Model::Q720CE, -1, std::nullopt}, {Model::Q720PPC, -1, Model::Q720PPC}, {Model::Q720CE, 7, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.savedAs) * 10 + c.stamp);
        auto p = startedProject(c.savedAs);
        p->form(5).prompt[0].assign("Item");
        auto image = saveProject(*p, c.savedAs);
        if (c.stamp >= 0) {
            image[DeviceBlockOffset + 425] = static_cast<std::uint8_t>(c.stamp);
        }
        auto q = startedProject();
        const auto result = loadProject(image, *q, {builtin, Model::Q720CE});
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(serialiseProject(*q), image);
        EXPECT_EQ(result.adoptedModel, c.adopted);
    }
}

TEST(DocumentIo, Block51IsRefilledFromTheCurrentLanguageFrom112On)
{
    testing_support::OverrideTextSource language;
    language.set(3281, "Eigenschaften");
    for (const char* magic : {"Q720-1.11", "Q720-1.12", "Q720-1.14"}) {
        SCOPED_TRACE(magic);
        auto source = startedProject();
        source->texts.textSlot(51, 0)[0] = '#';
        auto target = startedProject();
        ASSERT_TRUE(loadProject(asVersion(serialiseProject(*source), magic), *target, {language, Model::Q720CE}).ok);
        if (std::strcmp(magic, "Q720-1.11") == 0) {
            EXPECT_EQ(target->texts.textSlot(51, 0)[0], '#') << "a 1.11 file keeps its own block 51";
        } else {
            EXPECT_EQ(testing_support::slotText(*target, 51, 0), "Eigenschaften");
        }
    }
}

// A batch opens every file from one prepared start; each must equal a plain Open. The texts
// include what a slot's copy could get wrong: an inner NUL, a text longer than the slot, none.
TEST(DocumentIo, PreparedOpenGivesThePlainOpensBytes)
{
    testing_support::OverrideTextSource language;
    language.set(3281, std::string("Eigen\0schaften", 15));
    language.set(3282, std::string(45, 'x'));
    language.set(3300, std::string(30, 'y'));
    language.set(3106, "Hinweis");
    const PreparedOpen prepared(language, Model::Q720PPC);
    for (const char* magic :
         {"Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.09", "Q720-1.11", "Q720-1.12", "Q720-1.14"}) {
        SCOPED_TRACE(magic);
        auto source = startedProject();
        for (int i = 0; i < 20; ++i) {
            auto slot = source->texts.textSlot(51, i);
            std::fill(slot.begin(), slot.end(), std::uint8_t{'#'});  // bytes behind each NUL must stay
        }
        const auto image = asVersion(serialiseProject(*source), magic);
        auto plain = startedProject(Model::Q720PPC, language);
        ASSERT_TRUE(loadProject(image, *plain, {language, Model::Q720PPC}).ok);
        auto fast = prepared.startedProject();
        ASSERT_TRUE(loadProject(image, *fast, prepared.context()).ok);
        EXPECT_EQ(serialiseProject(*fast), serialiseProject(*plain));
    }
}

// Block 51 belongs to the language: reading any file from "Q720-1.12" on refills it.
void eraseBlock51(std::vector<std::uint8_t>& image)
{
    const std::size_t begin = TextBlockOffset + textTableOffset(51);
    std::memset(image.data() + begin, 0, textTableOffset(52) - textTableOffset(51));
}

// Project files that once broke the project-file fuzz harness: each must still be refused
// without touching the project, or be accepted and settle on its bytes by the second save (a
// pass-down form that leads to a lower-numbered form is counted one save late).
TEST(ProjectFileRegressions, KeptFuzzInputsLoadAllOrNothingAndSaveStably)
{
    const auto inputs = testing_support::keptFuzzInputs("project_file");
    ASSERT_FALSE(inputs.empty());
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.name);
        for (const Model model : {Model::Q720CE, Model::Q720PPC}) {
            const auto before = startedProject(model);
            auto p = startedProject(model);
            const LoadResult loaded = loadProject(input.bytes, *p, {builtin, model});
            if (!loaded.ok) {
                EXPECT_EQ(std::memcmp(p.get(), before.get(), sizeof(Project)), 0);
                continue;
            }
            const Model saveModel = loaded.adoptedModel.value_or(model);
            std::vector<std::uint8_t> image = saveProject(*p, saveModel);
            std::vector<std::vector<std::uint8_t>> saves;
            for (int round = 0; round < 2; ++round) {
                auto again = startedProject(model);
                ASSERT_TRUE(loadProject(image, *again, {builtin, saveModel}).ok);
                image = saveProject(*again, saveModel);
                eraseBlock51(image);
                saves.push_back(image);
            }
            EXPECT_EQ(saves[0], saves[1]);
        }
    }
}

}  // namespace
}  // namespace project
