// SPDX-License-Identifier: MIT
#include "project/migration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "project/defaults.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "texts/runtime_texts.h"

namespace project {
namespace {

// A language that has its own text for some IDs and falls back to the built-in strings.
class FakeLanguage final : public texts::TextSource
{
public:
    explicit FakeLanguage(std::map<int, std::string> entries) : m_entries(std::move(entries)) {}

    [[nodiscard]] std::string text(texts::StringId id) const override
    {
        const auto it = m_entries.find(static_cast<int>(id));
        if (it != m_entries.end() && !it->second.empty()) {
            return it->second;
        }
        return m_builtin.text(id);
    }

private:
    std::map<int, std::string> m_entries;
    texts::BuiltinTextSource m_builtin;
};

std::string slotText(const Project& p, int block, int index)
{
    const auto slot = p.texts.slot(block, index);
    std::string text;
    for (std::size_t i = 0; i + 1 < slot.size() && slot[i] != 0; ++i) {
        text.push_back(static_cast<char>(slot[i]));
    }
    return text;
}

std::string padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

void fillTableWith(Project& p, int block, char c)
{
    for (int i = 0; i < textTable(block).count; ++i) {
        auto slot = p.texts.slot(block, i);
        std::fill(slot.begin(), slot.end() - 1, static_cast<std::uint8_t>(c));
        slot.back() = 0;
    }
}

class Migration : public ::testing::Test
{
protected:
    void SetUp() override
    {
        p = std::make_unique<Project>(zeroProject());
        texts::fillAllTables(*p, builtin);
        resetProject(*p, builtin, Model::Q720CE);
        for (int block = 43; block <= LastTextBlock; ++block) {
            fillTableWith(*p, block, 'x');
        }
    }

    void migrate(std::string_view magic, Model model = Model::Q720CE)
    {
        migrateAfterRead(*p, FileMagic::of(magic), language, model);
    }

    texts::BuiltinTextSource builtin;
    FakeLanguage language{{{3061, "Ausgabe"}, {3591, "Vorladen"}, {3106, "Hinweis"}, {3427, ""}}};
    std::unique_ptr<Project> p;
};

TEST_F(Migration, Before1_01FillsBlock43FromTheCurrentLanguage)
{
    migrate("Q720-1.00");
    EXPECT_EQ(slotText(*p, 43, 0), "Ausgabe");
    migrate("Q720-1.01");
    EXPECT_EQ(slotText(*p, 43, 0), "Ausgabe");
    fillTableWith(*p, 43, 'x');
    migrate("Q720-1.01");
    EXPECT_EQ(slotText(*p, 43, 0), std::string(30, 'x'));
}

TEST_F(Migration, Before1_02FillsBlock44)
{
    migrate("Q720-1.01");
    EXPECT_EQ(slotText(*p, 44, 1), padded("Coupon Code", 30));
    EXPECT_EQ(slotText(*p, 44, 2), std::string(30, ' '));
    fillTableWith(*p, 44, 'x');
    migrate("Q720-1.02");
    EXPECT_EQ(slotText(*p, 44, 1), std::string(30, 'x'));
}

TEST_F(Migration, Before1_09FillsBlocks45And46)
{
    migrate("Q720-1.08");
    EXPECT_EQ(slotText(*p, 45, 0), "Vorladen");
    EXPECT_EQ(slotText(*p, 46, 1), padded("Exit", 30));
    EXPECT_EQ(slotText(*p, 44, 0), std::string(30, 'x'));
    fillTableWith(*p, 45, 'x');
    migrate("Q720-1.09");
    EXPECT_EQ(slotText(*p, 45, 0), std::string(30, 'x'));
}

TEST_F(Migration, Before1_11ResetsImageLinesCaptureAndSystemBytes)
{
    FormDef& form = p->form(20);
    form.imageEditPath[14] = 1;
    form.imageSavePath[0] = 1;
    form.imageCheckPath[7] = 1;
    for (std::size_t b = ReaderByte::ImageCaptureFirst; b <= ReaderByte::ImageCaptureLast; ++b) {
        p->reader[b] = 0xEE;
    }
    p->reader[373] = p->reader[374] = p->reader[375] = 9;
    p->reader[376] = 9;
    DeviceSettings& d = p->device;
    d.reserved376[423 - 376] = 5;
    d.autoRun = 5;
    d.modelStamp = 0;
    d.autoImageFileName = 5;
    d.imageStorePath.assign("\\Elsewhere");
    d.gs1Separator = 5;
    d.protectImageCapture = 1;

    migrate("Q720-1.09", Model::Q720PPC);

    EXPECT_EQ(form.imageEditPath[14], 0);
    EXPECT_EQ(form.imageSavePath[0], 0);
    EXPECT_EQ(form.imageCheckPath[7], 0);
    EXPECT_EQ(p->reader[291], 0);
    EXPECT_EQ(p->reader[295], 100);
    EXPECT_EQ(p->reader[300], 65);
    EXPECT_EQ(p->reader[303], 2);
    EXPECT_EQ(p->reader[373], 0);
    EXPECT_EQ(p->reader[375], 0);
    EXPECT_EQ(p->reader[376], 9);
    EXPECT_EQ(d.reserved376[423 - 376], 0);
    EXPECT_EQ(d.autoRun, 0);
    EXPECT_EQ(d.modelStamp, 1);
    EXPECT_EQ(d.autoImageFileName, 0);
    EXPECT_EQ(d.imageStorePath.str(), "\\DiskOnChip");
    EXPECT_EQ(d.gs1Separator, 0);
    EXPECT_EQ(d.protectImageCapture, 1);  // byte 95 is not part of this step
    EXPECT_EQ(slotText(*p, 47, 0), "Hinweis");
    EXPECT_EQ(slotText(*p, 60, 29), std::string(50, ' '));
}

TEST_F(Migration, From1_11OnImageSettingsAndSecondGroupStay)
{
    p->form(1).imageSavePath[0] = 1;
    p->reader[295] = 7;
    p->device.modelStamp = 0;
    migrate("Q720-1.11", Model::Q720PPC);
    EXPECT_EQ(p->form(1).imageSavePath[0], 1);
    EXPECT_EQ(p->reader[295], 7);
    EXPECT_EQ(p->device.modelStamp, 0);
    EXPECT_EQ(slotText(*p, 47, 0), std::string(50, 'x'));
}

TEST_F(Migration, Version1_11BlankOnlyTextIsRefilledPaddedTo30)
{
    fillTableWith(*p, 52, ' ');
    migrate("Q720-1.11");
    EXPECT_EQ(slotText(*p, 52, 1), padded("Append to file.", 30));
    EXPECT_EQ(slotText(*p, 52, 0), std::string(30, ' '));  // only slot 1 is repaired
}

TEST_F(Migration, Version1_11TrailingBlanksAreRemoved)
{
    auto slot = p->texts.slot(52, 1);
    const std::string stored = padded("Anhaengen.", 30);
    std::copy(stored.begin(), stored.end(), slot.begin());
    slot[30] = 0;
    migrate("Q720-1.11");
    EXPECT_EQ(slotText(*p, 52, 1), "Anhaengen.");
}

TEST_F(Migration, Version1_11MessagesOfBlock59AreCutTo30WhenRefilled)
{
    fillTableWith(*p, 59, ' ');
    auto slot = p->texts.slot(59, 6);  // ID 3795
    const std::string stored = "Invalid path !!     ";
    std::copy(stored.begin(), stored.end(), slot.begin());
    slot[stored.size()] = 0;
    migrate("Q720-1.11");
    EXPECT_EQ(slotText(*p, 59, 5), padded("Invalid data !!", 30));
    EXPECT_EQ(slotText(*p, 59, 6), "Invalid path !!");
    EXPECT_EQ(slotText(*p, 59, 7), padded("Invalid file name !!", 30));
    EXPECT_EQ(slotText(*p, 59, 4), std::string(50, ' '));
    EXPECT_EQ(slotText(*p, 59, 8), std::string(50, ' '));
}

TEST_F(Migration, SlotWithoutNulIsRepairedWithinItsWidth)
{
    auto slot = p->texts.slot(52, 1);
    std::fill(slot.begin(), slot.end(), static_cast<std::uint8_t>(' '));
    slot[0] = 'A';
    migrate("Q720-1.11");
    EXPECT_EQ(slotText(*p, 52, 1), "A");
    EXPECT_EQ(p->texts.slot(52, 2)[0], 'x');
}

TEST_F(Migration, OnlyExactly1_11IsRepaired)
{
    fillTableWith(*p, 52, ' ');
    migrate("Q720-1.12");
    EXPECT_EQ(slotText(*p, 52, 1), std::string(30, ' '));
}

TEST_F(Migration, CurrentVersionChangesNothing)
{
    const auto before = std::make_unique<Project>(*p);
    migrate("Q720-1.14", Model::Q720PPC);
    EXPECT_EQ(std::memcmp(before.get(), p.get(), sizeof(Project)), 0);
}

std::vector<std::uint8_t> imageOfVersion(const Project& p, std::string_view magic, std::size_t size)
{
    auto image = serialiseProject(p);
    image.resize(size);
    std::copy(magic.begin(), magic.end(), image.begin());
    return image;
}

TEST_F(Migration, Reading1_00FillsBlocks43To60AndStampsTheModel)
{
    const auto image = imageOfVersion(*p, "Q720-1.00", 60516);
    const LoadContext context{language, Model::Q720PPC};
    const LoadResult result = loadProject(image, *p, context);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(slotText(*p, 43, 0), "Ausgabe");
    EXPECT_EQ(slotText(*p, 44, 0), padded("Macro PDF", 30));
    EXPECT_EQ(slotText(*p, 45, 0), "Vorladen");
    EXPECT_EQ(slotText(*p, 46, 0), padded("Show", 30));
    EXPECT_EQ(slotText(*p, 47, 0), "Hinweis");
    EXPECT_EQ(slotText(*p, 60, 0), padded("Failed to initialize component object model !!", 50));
    EXPECT_EQ(p->device.modelStamp, 1);
    EXPECT_FALSE(result.adoptedModel.has_value());
}

TEST_F(Migration, UnknownModelByteDoesNotChangeTheModelPreference)
{
    p->device.modelStamp = 7;
    const auto image = serialiseProject(*p);
    const LoadContext context{language, Model::Q720CE};
    const LoadResult result = loadProject(image, *p, context);
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(result.adoptedModel.has_value());
    EXPECT_EQ(p->device.modelStamp, 7);
}

}  // namespace
}  // namespace project
