// SPDX-License-Identifier: MIT
// The one place where project bytes meet the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace project {

struct FileReadResult
{
    bool ok = false;
    std::vector<std::uint8_t> bytes;  // at most the requested number of leading bytes
    std::uintmax_t totalBytes = 0;     // size of the whole file
    std::string error;                 // system message when !ok
};

// Reads at most `maxBytes` leading bytes of a regular file, into the storage of `buffer` (a
// caller reading many files passes the bytes of the last result back).
[[nodiscard]] FileReadResult readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes,
                                            std::vector<std::uint8_t> buffer = {});

struct FileWriteResult
{
    bool ok = false;
    std::string error;
};

// For tests: make the write fail after this many bytes, as a full disk would (in a batch, the
// bytes of all its files in order).
struct WriteFaults
{
    std::size_t failAfterBytes = static_cast<std::size_t>(-1);
};

// Writes a temporary file beside `path`, flushes it to the disk and renames it over `path`, so
// a failed save leaves the previous file as it was.
[[nodiscard]] FileWriteResult writeFileAtomically(const std::filesystem::path& path,
                                                  std::span<const std::uint8_t> bytes,
                                                  const WriteFaults& faults = {});

// Replaces many files with the same guarantee as writeFileAtomically(), for the price of one
// flush. add() writes a file's new bytes to a temporary file beside its path at once, so that a
// caller holds one file's bytes at a time; commit() brings every temporary file to the disk (one
// file-system flush per file system on Linux, one flush per file elsewhere), only then renames
// each over its path, and flushes each target folder once. A file whose temporary file cannot
// be created or that cannot be renamed fails alone; a write or flush that fails stops the batch
// before the first rename, so every path keeps its previous file. No temporary file is left
// behind, also when the batch is destroyed without commit().
class FileBatch
{
public:
    explicit FileBatch(const WriteFaults& faults = {});
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Writes the temporary file for `path`; not ok when this file failed or the batch stopped
    // (commit() gives the reason of the latter).
    FileWriteResult add(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
    // Whether a write failed, so that commit() will replace nothing.
    [[nodiscard]] bool hasStopped() const;
    // One result per add(), in order.
    [[nodiscard]] std::vector<FileWriteResult> commit();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// One file of a batch: where it goes and its new bytes.
struct BatchFile
{
    std::filesystem::path path;
    std::span<const std::uint8_t> bytes;
};

// A FileBatch of all of `files`.
[[nodiscard]] std::vector<FileWriteResult> writeFilesAtomically(std::span<const BatchFile> files,
                                                                const WriteFaults& faults = {});

// Whether the process's standard error is a terminal (for a progress line).
[[nodiscard]] bool standardErrorIsTerminal();

// Whether a new file can be created in `folder` right now (it creates and removes one).
[[nodiscard]] bool canCreateFilesIn(const std::filesystem::path& folder);

// A path from UTF-8 text (the command line, a JSON file) and a path as UTF-8 text, the same on
// every system (a Windows path is UTF-16 inside, and its narrow form is the code page's).
[[nodiscard]] std::filesystem::path pathFromUtf8(std::string_view text);
[[nodiscard]] std::string utf8Of(const std::filesystem::path& path);

// The program's arguments as UTF-8; on Windows from the wide command line, so that names the
// code page cannot spell arrive whole.
[[nodiscard]] std::vector<std::string> utf8Arguments(int argc, char** argv);

// Makes standard output and error pass bytes as they are (no CR added before LF on Windows), so
// that a file written there equals one written with -o, and lets a Windows console show UTF-8.
void useBinaryStandardOutput();

}  // namespace project
