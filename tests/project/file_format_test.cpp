// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstring>

#include "project/file_format.h"
#include "support/project_fixtures.h"

namespace {

using project::FileMagic;
using project::ReadError;
using testing_support::imageOfVersion;
using testing_support::startedProject;

bool sameBytes(const project::Project& a, const project::Project& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(FileFormat, NewProjectImageIsCurrentVersionWithZeroReservedBlock)
{
    const auto p = startedProject();
    const auto image = project::serialiseProject(*p);
    ASSERT_EQ(image.size(), 67205u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data()), 10), std::string("Q720-1.14\0", 10));
    for (std::size_t i = 51939; i < 51939 + 200; ++i) {
        ASSERT_EQ(image[i], 0) << "reserved byte " << i;
    }
}

TEST(FileFormat, BlocksSitAtTheirFileOffsets)
{
    auto p = startedProject();
    p->menu(1).caption.assign("M");
    p->form(1).escTarget = 0xAB;
    p->lookup(1).numFields = 7;
    p->reader[0] = 0x77;
    p->device.leadByte = 0x66;
    p->transaction.oneDataFile = 0x55;
    const auto image = project::serialiseProject(*p);
    EXPECT_EQ(image[10 + 1], 'M');
    EXPECT_EQ(image[7180], 0xAB);
    EXPECT_EQ(image[46700], 7);
    EXPECT_EQ(image[50815], 0x77);
    EXPECT_EQ(image[51216], 0x66);
    EXPECT_EQ(image[67160], 0x55);
    EXPECT_EQ(image[52139], 'F');  // block 7 slot 0: "File"
    EXPECT_EQ(image[60516], 'R');  // block 43 slot 0: "Restore"
}

TEST(FileFormat, SizeOfEachVersion)
{
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.00")), 60516u);
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.01")), 60609u);
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.02")), 61229u);
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.08")), 61229u);
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.09")), 61694u);
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.10")), 61694u);
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.11")), 67160u);
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.13")), 67160u);
    EXPECT_EQ(project::fileSizeForVersion(FileMagic::of("Q720-1.14")), 67205u);
}

TEST(FileFormat, CurrentImageRoundTripsByteForByte)
{
    auto p = startedProject();
    p->form(3).prompt[1].assign("Quantity");
    p->form(20).uninterpreted1533[442] = 0x5A;
    p->lookup(5).uninterpreted525[0] = 0xC3;
    p->device.unused697[25] = 0x11;
    const auto image = project::serialiseProject(*p);

    auto q = project::zeroProject();
    const auto parsed = project::parseProjectImage(image, q);
    ASSERT_TRUE(parsed.ok);
    EXPECT_TRUE(sameBytes(*p, q));
    EXPECT_EQ(project::serialiseProject(q), image);
}

TEST(FileFormat, ReservedBlockIsWrittenAsZerosWhateverWasRead)
{
    const auto p = startedProject();
    auto image = project::serialiseProject(*p);
    std::memset(image.data() + 51939, 0xEE, 200);
    auto q = project::zeroProject();
    ASSERT_TRUE(project::parseProjectImage(image, q).ok);
    const auto again = project::serialiseProject(q);
    for (std::size_t i = 51939; i < 51939 + 200; ++i) {
        ASSERT_EQ(again[i], 0);
    }
}

// Each older version reads only its own blocks; later blocks keep what the project held.
TEST(FileFormat, OlderVersionsReadOnlyTheirBlocks)
{
    struct Case
    {
        const char* magic;
        int firstMissingBlock;  // 61 means only block 61 is missing
    };
    for (const Case& c : {Case{"Q720-1.00", 43}, Case{"Q720-1.01", 44}, Case{"Q720-1.05", 45},
                          Case{"Q720-1.10", 47}, Case{"Q720-1.12", 61}, Case{"Q720-1.13", 61}}) {
        SCOPED_TRACE(c.magic);
        auto source = startedProject();
        source->form(2).escTarget = 9;
        const auto image = imageOfVersion(*source, c.magic);

        auto target = startedProject();
        for (int block = c.firstMissingBlock; block <= 60; ++block) {
            target->texts.slot(block, 0)[0] = '#';
        }
        target->transaction.oneDataFile = 7;
        ASSERT_TRUE(project::parseProjectImage(image, *target).ok);

        EXPECT_EQ(target->form(2).escTarget, 9);
        EXPECT_EQ(target->transaction.oneDataFile, 7) << "block 61 is never in an older file";
        if (c.firstMissingBlock <= 60) {
            EXPECT_EQ(target->texts.slot(c.firstMissingBlock, 0)[0], '#');
            EXPECT_EQ(target->texts.slot(60, 0)[0], '#');
            EXPECT_NE(target->texts.slot(c.firstMissingBlock - 1, 0)[0], '#');
        }
    }
}

TEST(FileFormat, RejectsOtherModelPrefixAndNewerVersionsWithoutTouchingTheProject)
{
    const auto original = startedProject();
    for (const char* magic : {"Q720-1.15", "Q720-2.00", "Q721-1.14", "XXXX-1.00", "Q720A1.00"}) {
        SCOPED_TRACE(magic);
        auto image = project::serialiseProject(*original);
        std::memcpy(image.data(), magic, 9);
        auto target = startedProject();
        target->form(1).escTarget = 3;
        const auto before = *target;
        const auto parsed = project::parseProjectImage(image, *target);
        EXPECT_FALSE(parsed.ok);
        EXPECT_TRUE(sameBytes(before, *target));
    }
    auto image = project::serialiseProject(*original);
    std::memcpy(image.data(), "Q720-1.15", 9);
    auto target = startedProject();
    const auto parsed = project::parseProjectImage(image, *target);
    EXPECT_EQ(parsed.failure.error, ReadError::TooNew);
    EXPECT_EQ(project::describe(parsed.failure), "version Q720-1.15 is newer than this program supports");

    std::memcpy(image.data(), "PK\3\4xxxxx", 9);
    EXPECT_EQ(project::describe(project::parseProjectImage(image, *target).failure), "not a Q720 project file");
}

TEST(FileFormat, TruncatedFileIsRejectedAndProjectUnchanged)
{
    const auto source = startedProject();
    auto image = imageOfVersion(*source, "Q720-1.09");
    image.resize(60000);
    auto target = startedProject();
    target->menu(2).escTarget = 4;
    const auto before = *target;
    const auto parsed = project::parseProjectImage(image, *target);
    ASSERT_FALSE(parsed.ok);
    EXPECT_EQ(parsed.failure.error, ReadError::Truncated);
    EXPECT_EQ(project::describe(parsed.failure), "file is truncated: 60000 of 61694 bytes");
    EXPECT_TRUE(sameBytes(before, *target));

    for (std::size_t size : {0u, 3u, 9u}) {
        std::vector<std::uint8_t> tiny(image.begin(), image.begin() + static_cast<long>(size));
        EXPECT_FALSE(project::parseProjectImage(tiny, *target).ok) << size;
    }
}

TEST(FileFormat, BytesAfterTheLayoutAreIgnored)
{
    const auto source = startedProject();
    auto image = imageOfVersion(*source, "Q720-1.00");
    image.resize(image.size() + 500, 0xFF);
    auto target = startedProject();
    const auto before = *target;
    ASSERT_TRUE(project::parseProjectImage(image, *target).ok);
    EXPECT_EQ(std::memcmp(&target->texts.slot(43, 0)[0], &before.texts.slot(43, 0)[0], 31), 0);
}

}  // namespace
