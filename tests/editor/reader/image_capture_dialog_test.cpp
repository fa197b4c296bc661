// SPDX-License-Identifier: MIT
// The image-capture dialog: its enabling rules, the number boxes corrected at opening and as the
// user types, the two texts, and a working copy that only OK writes back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"
#include "editor/dialog_bench.h"

namespace editor::reader {
namespace {

using Id = resources::ImageCaptureId;
using bench::DialogHarness;

// Block 4 bytes.
constexpr std::size_t Autoexposure = 293;
constexpr std::size_t Gain = 295;
constexpr std::size_t OptimizedForQuality = 299;
constexpr std::size_t Quality = 300;
constexpr std::size_t Size = 301;
constexpr std::size_t Format = 302;

class ImageCapture : public bench::BenchTest
{
protected:
    DialogHarness open() { return BenchTest::open(imageCaptureDialog); }
};

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

// Typed numbers are held to their ranges as typed or when editing finishes; stored numbers outside
// them open corrected, and only OK stores the correction.
TEST_F(ImageCapture, NumberBoxesKeepToTheirRangesTypedOrStored)
{
    struct Row
    {
        ui::ControlId box;
        std::size_t offset;
        const char* typed;  // nullptr: the stored byte is shown
        project::Byte stored;
        const char* shown;
    };
    const Row rows[] = {
        {Id::SizeEdit, Size, "200", 0, "150"},      {Id::SizeEdit, Size, "4", 0, "5"},
        {Id::QualityEdit, Quality, "", 0, "5"},     {Id::QualityEdit, Quality, "101", 0, "100"},
        {Id::GainEdit, Gain, "5", 0, "79"},         {Id::GainEdit, Gain, "128", 0, "127"},
        {Id::GainEdit, Gain, "080", 0, "80"},       {Id::GainEdit, Gain, nullptr, 50, "79"},
        {Id::GainEdit, Gain, nullptr, 200, "127"},  {Id::QualityEdit, Quality, nullptr, 0, "5"},
        {Id::SizeEdit, Size, nullptr, 255, "150"},
    };
    for (const Row& row : rows) {
        for (const bool isOk : {false, true}) {
            SCOPED_TRACE(std::string(row.typed ? row.typed : "stored ") + std::to_string(row.stored));
            project = testing_support::startedProject();
            at(Autoexposure) = 0;
            at(OptimizedForQuality) = row.box == ui::ControlId(Id::SizeEdit) ? 0 : 1;
            if (row.typed == nullptr) {
                at(row.offset) = row.stored;
            }
            const project::Byte before = at(row.offset);
            DialogHarness dialog = open();
            if (row.typed != nullptr) {
                dialog.enter(row.box, row.typed);
            }
            EXPECT_EQ(dialog.text(row.box), row.shown);
            if (isOk) {
                ASSERT_TRUE(dialog.ok());
                EXPECT_EQ(std::to_string(at(row.offset)), row.shown);
            } else {
                dialog.cancel();
                EXPECT_EQ(at(row.offset), before);
            }
        }
    }
}

}  // namespace
}  // namespace editor::reader
