// SPDX-License-Identifier: MIT
// Project files in bytes and on disk: the layout of every version, reading and writing them, and
// the migration, defaults and runtime texts an opened or new project gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "project/disk_file.h"
#include "project/document_io.h"
#include "project/field_map.h"
#include "project/file_format.h"
#include "project/fixed_text.h"
#include "project/migration.h"
#include "project/runtime_texts.h"
#include "project/text_tables.h"
#include "support/project_fixtures.h"
#include "support/temp_folder.h"
#include "texts/builtin_strings.h"

namespace project {
namespace {

using testing_support::asVersion;
using testing_support::slotText;
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
            EXPECT_EQ(slotText(*target, 51, 0), "Eigenschaften");
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

// Migration, defaults and runtime texts.

std::string padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

void fillTableWith(Project& p, int block, char c)
{
    for (int i = 0; i < textTable(block).count; ++i) {
        auto slot = p.texts.textSlot(block, i);
        std::fill(slot.begin(), slot.end() - 1, static_cast<std::uint8_t>(c));
        slot.back() = 0;
    }
}

void storeText(Project& p, int block, int index, const std::string& text)
{
    auto slot = p.texts.textSlot(block, index);
    std::copy(text.begin(), text.end(), slot.begin());
    slot[text.size()] = 0;
}

// Every table from block 43 on holds 'x' texts, so a refill shows.
class Migration : public ::testing::Test
{
protected:
    void SetUp() override
    {
        language.set(3061, "Ausgabe");
        language.set(3591, "Vorladen");
        language.set(3106, "Hinweis");
        markTablesFrom43();
    }

    void markTablesFrom43()
    {
        for (int block = 43; block <= LastTextBlock; ++block) {
            fillTableWith(*p, block, 'x');
        }
    }

    void migrate(std::string_view magic, Model model = Model::Q720CE)
    {
        migrateAfterRead(*p, FileMagic::of(magic), language, model);
    }

    testing_support::OverrideTextSource language;
    std::unique_ptr<Project> p = testing_support::startedProject();
};

TEST_F(Migration, EachVersionGateFillsTheTablesItsFilesLackFromTheCurrentLanguage)
{
    struct Case
    {
        const char* olderMagic;  // the last version without the table
        const char* magic;       // the first version with it
        int block, index;
        std::string filled;
    };
    const Case cases[] = {
        {"Q720-1.00", "Q720-1.01", 43, 0, "Ausgabe"},
        {"Q720-1.01", "Q720-1.02", 44, 1, padded("Coupon Code", 30)},
        {"Q720-1.01", "Q720-1.02", 44, 2, std::string(30, ' ')},
        {"Q720-1.08", "Q720-1.09", 45, 0, "Vorladen"},
        {"Q720-1.08", "Q720-1.09", 46, 1, padded("Exit", 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.olderMagic);
        markTablesFrom43();
        migrate(c.magic);
        EXPECT_EQ(slotText(*p, c.block, c.index), std::string(30, 'x'));
        migrate(c.olderMagic);
        EXPECT_EQ(slotText(*p, c.block, c.index), c.filled);
        if (c.block > 43) {
            EXPECT_EQ(slotText(*p, c.block == 44 ? 43 : 44, 0), std::string(30, 'x')) << "the file has that table";
        }
    }
}

TEST_F(Migration, Before1_11ResetsImageLinesCaptureAndSystemBytes)
{
    FormDef& form = p->form(20);
    for (std::size_t b = ReaderByte::ImageCaptureFirst; b <= ReaderByte::ImageCaptureLast; ++b) {
        p->reader[b] = 0xEE;
    }
    DeviceSettings& d = p->device;
    const struct
    {
        const char* name;
        Byte* at;
        Byte before, after;
    } bytes[] = {
        {"image edit path", &form.imageEditPath[14], 1, 0},
        {"image save path", &form.imageSavePath[0], 1, 0},
        {"image check path", &form.imageCheckPath[7], 1, 0},
        {"reader 291", &p->reader[291], 0xEE, 0},
        {"reader 295", &p->reader[295], 0xEE, 100},
        {"reader 300", &p->reader[300], 0xEE, 65},
        {"reader 303", &p->reader[303], 0xEE, 2},
        {"reader 373", &p->reader[373], 9, 0},
        {"reader 375", &p->reader[375], 9, 0},
        {"reader 376", &p->reader[376], 9, 9},
        {"system 423", &d.reserved376[423 - 376], 5, 0},
        {"autoRun", &d.autoRun, 5, 0},
        {"modelStamp", &d.modelStamp, 0, 1},
        {"autoImageFileName", &d.autoImageFileName, 5, 0},
        {"gs1Separator", &d.gs1Separator, 5, 0},
        {"protectImageCapture", &d.protectImageCapture, 1, 1},  // byte 95 is not part of this step
    };
    for (const auto& byte : bytes) {
        *byte.at = byte.before;
    }
    d.imageStorePath.assign("\\Elsewhere");

    migrate("Q720-1.09", Model::Q720PPC);

    for (const auto& byte : bytes) {
        EXPECT_EQ(*byte.at, byte.after) << byte.name;
    }
    EXPECT_EQ(d.imageStorePath.str(), "\\DiskOnChip");
    EXPECT_EQ(slotText(*p, 47, 0), "Hinweis");
    EXPECT_EQ(slotText(*p, 60, 29), std::string(50, ' '));
}

TEST_F(Migration, From1_11OnImageSettingsAndSecondGroupStayAndTheCurrentVersionChangesNothing)
{
    p->form(1).imageSavePath[0] = 1;
    p->reader[295] = 7;
    p->device.modelStamp = 0;
    const auto before = std::make_unique<Project>(*p);
    migrate("Q720-1.14", Model::Q720PPC);
    EXPECT_EQ(std::memcmp(before.get(), p.get(), sizeof(Project)), 0);
    migrate("Q720-1.11", Model::Q720PPC);
    EXPECT_EQ(p->form(1).imageSavePath[0], 1);
    EXPECT_EQ(p->reader[295], 7);
    EXPECT_EQ(p->device.modelStamp, 0);
    EXPECT_EQ(slotText(*p, 47, 0), std::string(50, 'x'));
}

// Files of exactly 1.11 stored some texts with trailing blanks.
TEST_F(Migration, Version1_11TrailingBlanksAreRemovedAndBlankTextsRefilled)
{
    fillTableWith(*p, 52, ' ');
    fillTableWith(*p, 59, ' ');
    storeText(*p, 59, 6, "Invalid path !!     ");  // ID 3795
    migrate("Q720-1.12");
    EXPECT_EQ(slotText(*p, 52, 1), std::string(30, ' ')) << "only 1.11 is repaired";

    migrate("Q720-1.11");
    EXPECT_EQ(slotText(*p, 52, 1), padded("Append to file.", 30));
    EXPECT_EQ(slotText(*p, 52, 0), std::string(30, ' '));  // only slot 1 is repaired
    // The 51-byte message slots of block 59 are refilled cut to 30.
    EXPECT_EQ(slotText(*p, 59, 5), padded("Invalid data !!", 30));
    EXPECT_EQ(slotText(*p, 59, 6), "Invalid path !!");
    EXPECT_EQ(slotText(*p, 59, 7), padded("Invalid file name !!", 30));
    EXPECT_EQ(slotText(*p, 59, 4), std::string(50, ' '));
    EXPECT_EQ(slotText(*p, 59, 8), std::string(50, ' '));

    storeText(*p, 52, 1, padded("Anhaengen.", 30));
    migrate("Q720-1.11");
    EXPECT_EQ(slotText(*p, 52, 1), "Anhaengen.");

    auto slot = p->texts.textSlot(52, 1);  // a slot without NUL is repaired within its width
    std::fill(slot.begin(), slot.end(), static_cast<std::uint8_t>(' '));
    slot[0] = 'A';
    p->texts.textSlot(52, 2)[0] = 'x';
    migrate("Q720-1.11");
    EXPECT_EQ(slotText(*p, 52, 1), "A");
    EXPECT_EQ(p->texts.textSlot(52, 2)[0], 'x');
}

using testing_support::OverrideTextSource;

// Forms lead to themselves and are numbered; byte 425 takes the model.
TEST(Defaults, FormsAreNumberedAndLeadToThemselvesAndTheModelIsStamped)
{
    const auto p = startedProject(Model::Q720PPC);
    for (const int form : {1, 9, 10, 20}) {
        EXPECT_EQ(p->form(form).exportName.str(), (form < 10 ? "Form  0" : "Form  ") + std::to_string(form));
        EXPECT_EQ(p->form(form).nextTarget, form);
    }
    EXPECT_EQ(p->device.modelStamp, 1);
}

TEST(Defaults, DefaultTextsComeFromTheLanguageFirst)
{
    OverrideTextSource language;
    language.set(10, "Fiche ");
    language.set(1322, "Zweite Datei");
    language.set(11, "TRX");
    const auto p = startedProject(Model::Q720CE, language);
    EXPECT_EQ(p->form(3).exportName.view(), "Fiche 03");
    EXPECT_EQ(p->lookup(2).exportName.view(), "Zweite Datei");
    EXPECT_EQ(p->lookup(1).exportName.view(), "1st lookup file");
    EXPECT_EQ(p->transaction.exportName.view(), "TRX");
}

// Each reset clears only what it owns: a form keeps its uninterpreted tail, the reader reset
// clears the reader bytes of the system settings, New keeps the runtime texts.
TEST(Defaults, ResetsClearWhatTheyOwnAndKeepTheRest)
{
    auto p = startedProject();
    p->form(4).uninterpreted1533[10] = 0x42;
    p->form(4).lineType[2] = 5;
    resetForm(p->form(4), 4, texts::BuiltinTextSource{});
    EXPECT_EQ(p->form(4).uninterpreted1533[10], 0x42);
    EXPECT_EQ(p->form(4).lineType[2], 0);

    p->device.readerType = 13;
    p->device.codeIdOn = 1;
    p->device.codeIds[59] = 'Z';
    p->device.protectImageCapture = 1;
    p->device.gs1Separator = 29;
    p->device.fileTitle.assign("IMG");
    p->reader[100] = 99;
    resetReader(*p);
    EXPECT_EQ(p->device.readerType, 1);
    EXPECT_EQ(p->device.codeIdOn, 0);
    EXPECT_EQ(p->device.codeIds[59], 0);
    EXPECT_EQ(p->device.protectImageCapture, 0);
    EXPECT_EQ(p->device.gs1Separator, 0);
    EXPECT_TRUE(p->device.fileTitle.isEmpty());
    EXPECT_EQ(p->reader[100], 0);

    p->texts.textSlot(7, 0)[0] = 'Q';
    resetProject(*p, texts::BuiltinTextSource{}, Model::Q720CE);
    EXPECT_EQ(p->texts.textSlot(7, 0)[0], 'Q');
}

// The texts layer keeps the slot width of every runtime text ID (for the built-in strings'
// padding and the language check); it must be this layout's, and no other ID may have one.
TEST(RuntimeTexts, TextsLayerKnowsTheSlotWidthOfEveryRuntimeText)
{
    for (int id = 0; id <= texts::MaxStringId; ++id) {
        TextSlotRef ref;
        const int width = findTextSlot(id, ref) ? textTable(ref.block).width : 0;
        EXPECT_EQ(texts::runtimeTextSlotWidth(id), width) << "string " << id;
    }
}

TEST(RuntimeTexts, EveryTableSlotHasABuiltInText)
{
    int slots = 0;
    for (const auto& table : textTables) {
        for (int i = 0; i < table.count; ++i) {
            EXPECT_TRUE(texts::hasBuiltinString(texts::sid(table.firstId + i))) << table.firstId + i;
            ++slots;
        }
    }
    EXPECT_EQ(slots, static_cast<int>(texts::runtimeTableStrings().size()));
}

// A language text is cut to its slot and stored unpadded, an empty one falls back; a fill writes
// the text and its NUL and leaves the rest of the slot; IDs between tables fill nothing; the
// second group is blocks 47 to 60.
TEST(RuntimeTexts, FillsCutToTheSlotFallBackWhenEmptyAndTouchOnlyTheirSlots)
{
    OverrideTextSource language;
    language.set(3001, std::string(45, 'a'));
    language.set(3002, "Go");
    language.set(3003, "");
    auto p = startedProject();
    auto slot = p->texts.textSlot(7, 1);
    std::fill(slot.begin(), slot.end(), std::uint8_t{'x'});
    fillSlot(*p, 7, 1, language);
    EXPECT_EQ(slotText(*p, 7, 1), "Go");
    EXPECT_EQ(slot[3], 'x');
    EXPECT_EQ(slot[30], 'x');
    fillAllTables(*p, language);
    EXPECT_EQ(slotText(*p, 7, 0), std::string(30, 'a'));
    EXPECT_EQ(slotText(*p, 7, 2), "About" + std::string(25, ' '));
    OverrideTextSource stray;
    stray.set(3004, "nowhere");
    auto strayFilled = startedProject();
    fillAllTables(*strayFilled, stray);
    EXPECT_EQ(strayFilled->texts.bytes, startedProject()->texts.bytes);
    TextSlotRef ref;
    EXPECT_FALSE(findTextSlot(3004, ref));
    EXPECT_FALSE(findTextSlot(3931, ref));
    ASSERT_TRUE(findTextSlot(3789, ref));
    EXPECT_EQ(ref.block, 59);

    p->texts.textSlot(46, 0)[0] = p->texts.textSlot(47, 0)[0] = p->texts.textSlot(60, 0)[0] = '#';
    fillSecondGroup(*p, texts::BuiltinTextSource{});
    EXPECT_EQ(p->texts.textSlot(46, 0)[0], '#');
    EXPECT_NE(p->texts.textSlot(47, 0)[0], '#');
    EXPECT_NE(p->texts.textSlot(60, 0)[0], '#');
}

// Files on disk.

namespace fs = std::filesystem;
using testing_support::readText;
using TempDirectory = testing_support::TempFolder;

std::vector<std::uint8_t> newProjectImage() { return serialiseProject(*testing_support::startedProject()); }

// Every byte value comes back as written (a text mode would turn CR LF into LF or stop at
// 0x1A), whole or as a prefix, and replacing a file keeps its permissions.
TEST(DiskFile, WritesAndReadsEveryByteValueWholeOrAsAPrefix)
{
    const TempDirectory dir;
    std::vector<std::uint8_t> bytes;
    for (int round = 0; round < 300; ++round) {
        for (int b = 0; b < 256; ++b) {
            bytes.push_back(static_cast<std::uint8_t>(b));
        }
        bytes.insert(bytes.end(), {'\r', '\n', '\n', 0x1A, '\r'});
    }
    const auto path = dir.path() / "bytes.Q72";
    ASSERT_TRUE(writeFileAtomically(path, bytes).ok);
    const auto read = readFilePrefix(path, bytes.size() + 10);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(read.totalBytes, bytes.size());
    const auto prefix = readFilePrefix(path, 100);
    ASSERT_TRUE(prefix.ok);
    EXPECT_EQ(prefix.bytes, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100));
    EXPECT_EQ(prefix.totalBytes, bytes.size()) << "the whole size, though the read stops at the prefix";

#if !defined(_WIN32)  // Windows keeps access lists, not permission bits
    // Modes that the usual umask leaves alone and modes it would cut.
    using enum fs::perms;
    for (const fs::perms mode : {owner_read | owner_write | group_read, owner_read | owner_write,
                                 owner_read | owner_write | group_read | group_write | others_read | others_write}) {
        fs::permissions(path, mode);
        ASSERT_TRUE(writeFileAtomically(path, bytes).ok);
        EXPECT_EQ(fs::status(path).permissions(), mode);
        const BatchFile file{path, bytes};
        ASSERT_TRUE(writeFilesAtomically({&file, 1}).front().ok);
        EXPECT_EQ(fs::status(path).permissions(), mode);
    }
#endif
}

// Names beyond ASCII included: the temporary name beside them must not mangle them.
TEST(DiskFile, FailedWriteLeavesThePreviousFileByteIdentical)
{
    for (const char* name : {"keep.Q72", "M\xC3\xBCller.Q72", "\xCE\xA9mega.Q72", "\xE6\x97\xA5\xE6\x9C\xAC.Q72"}) {
        SCOPED_TRACE(name);
        const TempDirectory dir;
        const auto path = dir.path() / pathFromUtf8(name);
        const std::string old(67205, 'Z');
        ASSERT_TRUE(writeFileAtomically(path, std::vector<std::uint8_t>(old.begin(), old.end())).ok);

        const auto image = newProjectImage();
        for (const std::size_t failAfter : {std::size_t{0}, std::size_t{1}, std::size_t{40000}, image.size() - 1}) {
            SCOPED_TRACE(failAfter);
            const auto result = writeFileAtomically(path, image, WriteFaults{failAfter});
            EXPECT_FALSE(result.ok);
            EXPECT_FALSE(result.error.empty());
            EXPECT_EQ(readText(path), old);
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1)
            << "no temporary file is left behind";
        ASSERT_TRUE(writeFileAtomically(path, image).ok);
        EXPECT_EQ(utf8Of(fs::directory_iterator(dir.path())->path().filename()), name);
        EXPECT_EQ(readFilePrefix(path, image.size()).bytes, image);
    }
}

// A write that fails after some temporary files were written: nothing has been renamed yet, so
// every target keeps its previous bytes, and the temporary files are gone.
TEST(DiskFile, FailedWriteInABatchLeavesEveryTargetAsItWas)
{
    const TempDirectory dir;
    const auto image = newProjectImage();
    std::vector<BatchFile> files;
    for (const char* name : {"a.Q72", "b.Q72", "c.Q72", "d.Q72"}) {
        dir.write(name, std::string("old ") + name);
        files.push_back({dir.path() / name, image});
    }
    files.push_back({dir.path() / "new.Q72", image});
    for (const std::size_t failAfter : {std::size_t{0}, image.size() * 2 + image.size() / 2, image.size() * 5 - 1}) {
        SCOPED_TRACE(failAfter);
        const auto results = writeFilesAtomically(files, WriteFaults{failAfter});
        ASSERT_EQ(results.size(), files.size());
        for (std::size_t i = 0; i < files.size(); ++i) {
            EXPECT_FALSE(results[i].ok) << files[i].path;
            EXPECT_FALSE(results[i].error.empty()) << files[i].path;
        }
        for (const char* name : {"a.Q72", "b.Q72", "c.Q72", "d.Q72"}) {
            EXPECT_EQ(readText(dir.path() / name), std::string("old ") + name);
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 4)
            << "no temporary file, and no new file";
    }
}

// Large enough for the renames to run on several threads; one target is taken by a folder.
TEST(DiskFile, BatchReplacesEveryWritableTargetAndFailsTheOthersAlone)
{
    const TempDirectory dir;
    constexpr std::size_t Count = 300;
    constexpr std::size_t Blocked = 123;
    const std::vector<std::uint8_t> bytes = {'n', 'e', 'w'};
    std::vector<BatchFile> files;
    for (std::size_t i = 0; i < Count; ++i) {  // some replace a file, the others are new
        const std::string name = std::to_string(i) + ".Q72";
        files.push_back({i % 10 == 0 ? dir.write(name, "old") : dir.file(name), bytes});
    }
    fs::create_directories(files[Blocked].path / "inside");
    const auto results = writeFilesAtomically(files);
    ASSERT_EQ(results.size(), Count);
    for (std::size_t i = 0; i < Count; ++i) {
        EXPECT_EQ(results[i].ok, i != Blocked) << i << ": " << results[i].error;
        EXPECT_EQ(results[i].error.empty(), i != Blocked) << i;
        if (i != Blocked) {
            EXPECT_EQ(readText(files[i].path), "new") << i;
        }
    }
    EXPECT_TRUE(fs::is_directory(files[Blocked].path / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), Count)
        << "no temporary file is left behind";
}

// A batch given up before its commit (the caller failed in between) replaces nothing.
TEST(DiskFile, BatchWithoutCommitLeavesNoTrace)
{
    const TempDirectory dir;
    {
        FileBatch batch;
        EXPECT_TRUE(batch.add(dir.write("old.Q72", "old"), newProjectImage()).ok);
        EXPECT_TRUE(batch.add(dir.file("new.Q72"), newProjectImage()).ok);
    }
    EXPECT_EQ(readText(dir.path() / "old.Q72"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
}

// A folder takes files only when a new file can be made in it (the probe leaves nothing).
TEST(DiskFile, MissingFilesAndFoldersFailWithAReasonAndOnlyAWritableFolderTakesFiles)
{
    const TempDirectory dir;
    EXPECT_FALSE(writeFileAtomically(dir.path() / "missing" / "x.Q72", std::vector<std::uint8_t>(10, 1)).ok);
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
    EXPECT_FALSE(readFilePrefix(dir.path() / "nope.Q72", 100).ok);
    const auto folder = readFilePrefix(dir.path(), 100);
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.error, "not a regular file") << "the same words on every system";
    EXPECT_TRUE(canCreateFilesIn(dir.path()));
    EXPECT_TRUE(fs::is_empty(dir.path())) << "the probe file stays behind";
    EXPECT_FALSE(canCreateFilesIn(dir.path() / "missing"));
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool isWritable = canCreateFilesIn(dir.path());
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (isWritable) {
        GTEST_SKIP() << "permissions don't stop the superuser";
    }
}

}  // namespace
}  // namespace project
