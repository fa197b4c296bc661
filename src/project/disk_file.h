// SPDX-License-Identifier: MIT
// The one place where project bytes meet the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace project {

struct FileReadResult
{
    bool ok = false;
    std::vector<std::uint8_t> bytes;  // at most the requested number of leading bytes
    std::uintmax_t totalBytes = 0;     // size of the whole file
    std::string error;                 // system message when !ok
};

// Reads at most `maxBytes` leading bytes of a regular file.
[[nodiscard]] FileReadResult readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes);

struct FileWriteResult
{
    bool ok = false;
    std::string error;
};

// For tests: make the write fail after this many bytes, as a full disk would.
struct WriteFaults
{
    std::size_t failAfterBytes = static_cast<std::size_t>(-1);
};

// Writes a temporary file beside `path`, flushes it to the disk and renames it over `path`, so
// a failed save leaves the previous file as it was.
[[nodiscard]] FileWriteResult writeFileAtomically(const std::filesystem::path& path,
                                                  std::span<const std::uint8_t> bytes,
                                                  const WriteFaults& faults = {});

// Whether a new file can be created in `folder` right now (it creates and removes one).
[[nodiscard]] bool canCreateFilesIn(const std::filesystem::path& folder);

}  // namespace project
