// SPDX-License-Identifier: MIT
#include "project/migration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

#include "project/defaults.h"
#include "project/runtime_texts.h"
#include "project/text_tables.h"
#include "support/project_fixtures.h"
#include "texts/builtin_strings.h"

namespace project {
namespace {

using testing_support::slotText;

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
using testing_support::startedProject;

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

}  // namespace
}  // namespace project
