// SPDX-License-Identifier: MIT
#include "project/disk_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "project/file_format.h"
#include "support/project_fixtures.h"
#include "support/temp_folder.h"

namespace project {
namespace {

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
