// SPDX-License-Identifier: MIT
// The image-capture dialog: its enabling rules, the number boxes corrected at opening and as the
// user types, the two texts, and a working copy that only OK writes back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"
#include "support/project_fixtures.h"
#include "support/ui_harness.h"

namespace editor::reader {
namespace {

using Id = resources::ImageCaptureId;
using ui::testing::DialogHarness;

// Block 4 bytes.
constexpr std::size_t Autoexposure = 293;
constexpr std::size_t Gain = 295;
constexpr std::size_t Exposure = 296;
constexpr std::size_t OptimizedForQuality = 299;
constexpr std::size_t Quality = 300;
constexpr std::size_t Size = 301;
constexpr std::size_t Format = 302;

class ImageCapture : public ::testing::Test
{
protected:
    DialogHarness open()
    {
        return DialogHarness(resources::imageCaptureTemplate(),
                             ParameterDialogModel(imageCaptureDialog(), {project->reader.bytes, device(), {}, 0}, texts,
                                                  ui::LanguageState::BuiltinOnly));
    }
    std::span<project::Byte> device()
    {
        return {reinterpret_cast<project::Byte*>(&project->device), sizeof(project::DeviceSettings)};
    }
    project::Byte& at(std::size_t offset) { return project->reader[offset]; }

    std::unique_ptr<project::Project> project = testing_support::startedProject();
    texts::BuiltinTextSource texts;
};

TEST_F(ImageCapture, AutoexposureDisablesGainAndExposureWhichKeepTheirValues)
{
    DialogHarness dialog = open();
    const ui::ControlId manual[] = {Id::GainEdit, Id::GainLabel, Id::ExposureList, Id::ExposureLabel};
    for (const ui::ControlId id : manual) {
        EXPECT_FALSE(dialog.isEnabled(id)) << id.value();
    }
    EXPECT_EQ(dialog.selection(Id::ExposureList), 1);  // 10 ms
    dialog.click(Id::AutoexposureCheck);
    for (const ui::ControlId id : manual) {
        EXPECT_TRUE(dialog.isEnabled(id)) << id.value();
    }
    dialog.enter(Id::GainEdit, "90");
    dialog.select(Id::ExposureList, 5);
    dialog.click(Id::AutoexposureCheck);
    EXPECT_FALSE(dialog.isEnabled(Id::GainEdit));
    EXPECT_EQ(dialog.text(Id::GainEdit), "90");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(at(Autoexposure), 1);
    EXPECT_EQ(at(Gain), 90);
    EXPECT_EQ(at(Exposure), 30);
}

TEST_F(ImageCapture, FormatChoosesBetweenTheJpegAndTheBmpControls)
{
    DialogHarness dialog = open();
    const auto expectEnabled = [&](const char* step, bool bmp, bool quality, bool size, bool optimize) {
        EXPECT_EQ(dialog.isEnabled(Id::BitsPerPixelList), bmp) << step;
        EXPECT_EQ(dialog.isEnabled(Id::BitsPerPixelLabel), bmp) << step;
        EXPECT_EQ(dialog.isEnabled(Id::QualityEdit), quality) << step;
        EXPECT_EQ(dialog.isEnabled(Id::QualityLabel), quality) << step;
        EXPECT_EQ(dialog.isEnabled(Id::SizeEdit), size) << step;
        EXPECT_EQ(dialog.isEnabled(Id::SizeLabel), size) << step;
        EXPECT_EQ(dialog.isEnabled(Id::OptimizedForQualityCheck), optimize) << step;
    };
    expectEnabled("opening: JPEG for quality", false, true, false, true);
    dialog.click(Id::OptimizedForQualityCheck);
    expectEnabled("JPEG for size", false, false, true, true);
    dialog.select(Id::FormatList, 1);
    expectEnabled("BMP", true, false, false, false);
    EXPECT_FALSE(dialog.isChecked(Id::OptimizedForQualityCheck));
    dialog.select(Id::FormatList, 0);
    expectEnabled("JPEG again, still for size", false, false, true, true);
    dialog.select(Id::FormatList, 1);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(at(Format), 3);
    EXPECT_EQ(at(OptimizedForQuality), 0);
}

TEST_F(ImageCapture, NumberBoxesKeepToTheirRangesAsTheUserTypes)
{
    struct Row
    {
        ui::ControlId box;
        const char* typed;
        const char* shown;
        std::size_t offset;
    };
    const Row rows[] = {
        {Id::SizeEdit, "200", "150", Size},       {Id::SizeEdit, "4", "5", Size},  {Id::QualityEdit, "", "5", Quality},
        {Id::QualityEdit, "101", "100", Quality}, {Id::GainEdit, "5", "79", Gain}, {Id::GainEdit, "128", "127", Gain},
        {Id::GainEdit, "080", "80", Gain},
    };
    for (const Row& row : rows) {
        project = testing_support::startedProject();
        at(Autoexposure) = 0;
        at(OptimizedForQuality) = row.box == ui::ControlId(Id::SizeEdit) ? 0 : 1;
        DialogHarness dialog = open();
        dialog.enter(row.box, row.typed);
        EXPECT_EQ(dialog.text(row.box), row.shown) << row.typed;
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(std::to_string(at(row.offset)), row.shown) << row.typed;
    }
}

TEST_F(ImageCapture, StoredNumbersOutsideTheirRangesOpenCorrectedAndOnlyOkStoresThem)
{
    struct Row
    {
        std::size_t offset;
        project::Byte stored;
        ui::ControlId box;
        const char* shown;
    };
    const Row rows[] = {
        {Gain, 50, Id::GainEdit, "79"},
        {Gain, 200, Id::GainEdit, "127"},
        {Quality, 0, Id::QualityEdit, "5"},
        {Size, 255, Id::SizeEdit, "150"},
    };
    for (const Row& row : rows) {
        for (const bool isOk : {false, true}) {
            project = testing_support::startedProject();
            at(row.offset) = row.stored;
            DialogHarness dialog = open();
            EXPECT_EQ(dialog.text(row.box), row.shown) << row.shown;
            if (isOk) {
                ASSERT_TRUE(dialog.ok());
                EXPECT_EQ(std::to_string(at(row.offset)), row.shown);
            } else {
                dialog.cancel();
                EXPECT_EQ(at(row.offset), row.stored);
            }
        }
    }
}

TEST_F(ImageCapture, TextsAreKeptWhileDisabledAndStoredWithinTheirSlots)
{
    project->device.autoImageFileName = 0;
    project->device.fileTitle.assign("IMG");
    DialogHarness dialog = open();
    EXPECT_EQ(dialog.text(Id::ImageStoreEdit), "\\DiskOnChip");
    EXPECT_FALSE(dialog.isEnabled(Id::FileTitleEdit));
    EXPECT_FALSE(dialog.isEnabled(Id::DefaultNamingCheck));
    EXPECT_EQ(dialog.text(Id::FileTitleEdit), "IMG");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(project->device.fileTitle.str(), "IMG");

    DialogHarness again = open();
    again.click(Id::AutoFileNameCheck);
    again.type(Id::FileTitleEdit, "PHOTOS");
    again.paste(Id::ImageStoreEdit, std::string(300, 'x'));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(project->device.fileTitle.str(), "PHOTO");
    EXPECT_EQ(project->device.imageStorePath.str(), std::string(260, 'x'));
    EXPECT_EQ(project->device.imageStorePath.bytes.back(), 0);
    EXPECT_EQ(project->device.autoImageFileName, 1);
}

TEST_F(ImageCapture, CancelLeavesBothBlocksAsTheyWere)
{
    const std::vector<project::Byte> before = project::serialiseProject(*project);
    DialogHarness dialog = open();
    dialog.click(Id::AutoexposureCheck);
    dialog.enter(Id::GainEdit, "120");
    dialog.select(Id::ExposureList, 4);
    dialog.select(Id::FormatList, 1);
    dialog.select(Id::BitsPerPixelList, 0);
    dialog.click(Id::AutoFileNameCheck);
    dialog.paste(Id::FileTitleEdit, "ABC");
    dialog.paste(Id::ImageStoreEdit, "\\Storage Card");
    dialog.cancel();
    EXPECT_EQ(project::serialiseProject(*project), before);
}

}  // namespace
}  // namespace editor::reader
