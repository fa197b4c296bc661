// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstring>

#include "cli/commands.h"
#include "cli_fixtures.h"

namespace cli {
namespace {

using project::DeviceBlockOffset;
using project::FormBlockOffset;
using project::FormDef;
using project::LookupBlockOffset;
using project::LookupDef;
using testing::newImage;
using testing::Outcome;

Outcome check(const testing::ScratchFolder& folder, const std::vector<std::uint8_t>& image)
{
    const auto path = folder.write("c.Q72", image);
    return testing::run([&](std::ostream& o, std::ostream& e) { return runCheck(path, o, e); });
}

std::size_t formByte(int form, std::size_t field, int line = 1)
{
    return FormBlockOffset + static_cast<std::size_t>(form - 1) * sizeof(FormDef) + field +
           static_cast<std::size_t>(line - 1);
}

// Each expected finding must appear as a whole line of the report, and nothing about `absent`.
void expectFindings(const Outcome& run, const std::vector<std::string>& expected, std::string_view absent = {})
{
    EXPECT_EQ(run.status, 1);
    for (const std::string& line : expected) {
        EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << "missing: " << line << "\nin:\n" << run.out;
    }
    if (!absent.empty()) {
        EXPECT_EQ(run.out.find(absent), std::string::npos) << run.out;
    }
}

TEST(CheckCommand, ReportsEachBrokenByteWithItsPlace)
{
    const testing::ScratchFolder folder;
    auto image = newImage();
    image[formByte(3, offsetof(FormDef, nextTarget))] = 31;
    image[formByte(2, offsetof(FormDef, lineType), 4)] = 17;
    image[formByte(2, offsetof(FormDef, lineType), 5)] = 16;
    image[formByte(2, offsetof(FormDef, inputSource), 5)] = 3;
    image[formByte(1, offsetof(FormDef, maxLength), 2)] = 200;
    image[formByte(1, offsetof(FormDef, minLength), 3)] = 170;
    // One stored text line of 20 after the automatic key, but figures as if nothing were stored.
    image[formByte(1, offsetof(FormDef, lastInputLine))] = 1;
    image[formByte(1, offsetof(FormDef, lineType))] = 1;
    image[formByte(1, offsetof(FormDef, maxLength))] = 20;
    image[formByte(5, offsetof(FormDef, lineType))] = 7;  // a lookup line may exceed 160
    image[formByte(5, offsetof(FormDef, maxLength))] = 201;
    image[formByte(4, offsetof(FormDef, lookupFile))] = 6;
    image[project::MenuBlockOffset + offsetof(project::MenuDef, itemNext) + 2] = 40;
    image[LookupBlockOffset + offsetof(LookupDef, numFields)] = 13;
    image[LookupBlockOffset + sizeof(LookupDef) + offsetof(LookupDef, numFields)] = 2;
    image[LookupBlockOffset + sizeof(LookupDef) + offsetof(LookupDef, keyField)] = 2;
    image[LookupBlockOffset + offsetof(LookupDef, delimiter)] = 13;
    image[DeviceBlockOffset + offsetof(project::DeviceSettings, delimiter2)] = 13;
    std::memcpy(image.data() + DeviceBlockOffset + offsetof(project::DeviceSettings, password), "ab-1", 5);
    image[DeviceBlockOffset + offsetof(project::DeviceSettings, dataDeletion)] = 3;
    // A stamp outside 0..1: the next save writes the model preference there.
    image[DeviceBlockOffset + offsetof(project::DeviceSettings, modelStamp)] = 5;
    expectFindings(check(folder, image),
                   {
                       "form 3 nextTarget (block 2 offset 3953): 31 is outside its list (0..30)",
                       "form 2 line 4 lineType (block 2 offset 2028): line type 17 is above 16",
                       "form 2 line 5 lineType (block 2 offset 2029): line type MSQI exists only on lines 1 and 2 "
                       "of a form in MSQI mode",
                       "form 1 line 2 maxLength (block 2 offset 560): maxLength 200 is above 160",
                       "form 1 line 3 minLength (block 2 offset 546): minLength 170 is above maxLength 160",
                       "form 4 lookupFile (block 2 offset 5930): 6 is outside its list (0..5)",
                       "menu 1 item 3 next (block 1 offset 500): 40 is outside its list (0..30)",
                       "lookup 1 numFields (block 3 offset 0): 13 is outside its list (0..12)",
                       "lookup 1 delimiter (block 3 offset 520): delimiter 13 (carriage return)",
                       "lookup 2 keyField (block 3 offset 825): key field index 2 is beyond the 2 fields",
                       "system settings delimiter2 (block 5 offset 65): delimiter 13 (carriage return)",
                       "system settings password (block 5 offset 72): password has characters other than ASCII "
                       "letters and digits",
                       "system settings dataDeletion (block 5 offset 67): 3 is outside its list (0..2)",
                       "system settings modelStamp (block 5 offset 425): stale: holds 5, a save computes 0",
                       "form 1 fieldCount (block 2 offset 21): stale: holds 0, a save computes 2",
                       "form 1 recordLengthCheck (block 2 offset 22): stale: holds 0, a save computes 28",
                       "form 1 keyFieldCount (block 2 offset 23): stale: holds 0, a save computes 1",
                       "form 2 line 5 inputSource (block 2 offset 2509): input source 3 (RFID) while the RFID "
                       "reader is off",
                   },
                   "maxLength 201");
}

// Link codes out of range for the line; an RFID input source is fine with an RFID reader.
TEST(CheckCommand, LinkCodesOutOfRangeForTheLine)
{
    const testing::ScratchFolder folder;
    auto image = newImage();
    image[formByte(1, offsetof(FormDef, lookupFile))] = 1;
    image[LookupBlockOffset + offsetof(LookupDef, numFields)] = 2;
    image[formByte(1, offsetof(FormDef, lineType), 1)] = 1;     // text
    image[formByte(1, offsetof(FormDef, lookupLink), 1)] = 14;  // -field 2
    image[formByte(1, offsetof(FormDef, lineType), 2)] = 2;     // integer
    image[formByte(1, offsetof(FormDef, lookupLink), 2)] = 3;   // field 3 of 2
    image[formByte(1, offsetof(FormDef, lineType), 3)] = 9;     // prompt
    image[formByte(1, offsetof(FormDef, lookupLink), 3)] = 1;
    image[formByte(1, offsetof(FormDef, lineType), 4)] = 1;     // text
    image[formByte(1, offsetof(FormDef, lookupLink), 4)] = 12;  // field 12, the last plain field
    image[formByte(2, offsetof(FormDef, inputSource), 5)] = 3;
    image[DeviceBlockOffset + offsetof(project::DeviceSettings, readerType)] = 11;  // the lowest RFID type
    expectFindings(check(folder, image),
                   {
                       "form 1 line 1 lookupLink (block 2 offset 574): link code 14 (-field/+field) on a text "
                       "line; only integer, real and auto(+/-) lines take it",
                       "form 1 line 2 lookupLink (block 2 offset 575): link code 3 names field 3 of lookup file 1, "
                       "which has 2 fields",
                       "form 1 line 3 lookupLink (block 2 offset 576): link code 1 on a prompt line, which takes "
                       "no link",
                       "form 1 line 4 lookupLink (block 2 offset 577): link code 12 names field 12 of lookup file 1, "
                       "which has 2 fields",
                   },
                   "link code 12 (-field/+field)");
    EXPECT_EQ(check(folder, image).out.find("RFID"), std::string::npos);
}

TEST(CheckCommand, ReportsWrongSizeForTheVersion)
{
    const testing::ScratchFolder folder;
    const auto image = testing::asVersion(newImage(), "Q720-1.09");
    for (const std::size_t size : {image.size() + 1, std::size_t{60000}}) {
        auto resized = image;
        resized.resize(size);
        expectFindings(check(folder, resized), {"wrong size for version Q720-1.09: " + std::to_string(size) +
                                                " bytes, expected 61694"});
    }
}

}  // namespace
}  // namespace cli
