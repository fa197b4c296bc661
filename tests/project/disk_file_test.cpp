// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "project/disk_file.h"
#include "project/file_format.h"
#include "support/project_fixtures.h"

namespace {

namespace fs = std::filesystem;

class DiskFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("formwright-disk-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::vector<std::uint8_t> contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path m_dir;
};

TEST_F(DiskFile, WritesAndReadsAProjectImage)
{
    const auto image = project::serialiseProject(*testing_support::startedProject());
    const auto path = m_dir / "a.Q72";
    ASSERT_TRUE(project::writeFileAtomically(path, image).ok);
    EXPECT_EQ(fs::file_size(path), 67205u);
    const auto read = project::readFilePrefix(path, project::CurrentFileBytes);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, image);
    EXPECT_EQ(read.totalBytes, 67205u);
}

TEST_F(DiskFile, FailedWriteLeavesThePreviousFileByteIdentical)
{
    const auto path = m_dir / "keep.Q72";
    const std::vector<std::uint8_t> old(67205, 0x5A);
    ASSERT_TRUE(project::writeFileAtomically(path, old).ok);

    const auto image = project::serialiseProject(*testing_support::startedProject());
    for (std::size_t failAfter : {std::size_t{0}, std::size_t{1}, std::size_t{40000}, image.size() - 1}) {
        const auto result = project::writeFileAtomically(path, image, project::WriteFaults{failAfter});
        EXPECT_FALSE(result.ok) << failAfter;
        EXPECT_FALSE(result.error.empty());
        EXPECT_EQ(contents(path), old) << failAfter;
    }
    // No temporary files are left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator{}), 1);
}

TEST_F(DiskFile, WriteIntoAMissingFolderFails)
{
    const auto result = project::writeFileAtomically(m_dir / "missing" / "x.Q72", std::vector<std::uint8_t>(10, 1));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(fs::exists(m_dir / "missing"));
}

TEST_F(DiskFile, ReadingReportsMissingFilesAndFolders)
{
    EXPECT_FALSE(project::readFilePrefix(m_dir / "nope.Q72", 100).ok);
    const auto folder = project::readFilePrefix(m_dir, 100);
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.error.empty());
}

TEST_F(DiskFile, ReadStopsAtTheRequestedPrefixButReportsTheWholeSize)
{
    const auto path = m_dir / "big.Q72";
    ASSERT_TRUE(project::writeFileAtomically(path, std::vector<std::uint8_t>(100000, 7)).ok);
    const auto read = project::readFilePrefix(path, 67205);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes.size(), 67205u);
    EXPECT_EQ(read.totalBytes, 100000u);
}

}  // namespace
