// SPDX-License-Identifier: MIT
// The project file as bytes: a 10-byte version magic and the blocks in their fixed order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "project/file_version.h"
#include "project/project.h"

namespace project {

inline constexpr std::size_t MagicBytes = 10;
inline constexpr std::size_t ReservedBlockBytes = 200;

// Each block starts right after the one before it (the file offsets are checked in file_format.cpp).
inline constexpr std::size_t MenuBlockOffset = MagicBytes;
inline constexpr std::size_t FormBlockOffset = MenuBlockOffset + sizeof(Project::menus);
inline constexpr std::size_t LookupBlockOffset = FormBlockOffset + sizeof(Project::forms);
inline constexpr std::size_t ReaderBlockOffset = LookupBlockOffset + sizeof(Project::lookups);
inline constexpr std::size_t DeviceBlockOffset = ReaderBlockOffset + sizeof(ReaderSettings);
inline constexpr std::size_t ReservedBlockOffset = DeviceBlockOffset + sizeof(DeviceSettings);
inline constexpr std::size_t TextBlockOffset = ReservedBlockOffset + ReservedBlockBytes;
inline constexpr std::size_t TransactionBlockOffset = TextBlockOffset + sizeof(TextArea);
inline constexpr std::size_t CurrentFileBytes = TransactionBlockOffset + sizeof(TransactionFileSettings);

// Exact file size of each version: the file holds exactly the blocks of its version.
[[nodiscard]] std::size_t fileSizeForVersion(const FileMagic& magic);

// Bytes of the text area (blocks 7 on) that a file of this version contains.
[[nodiscard]] std::size_t textBytesForVersion(const FileMagic& magic);

enum class ReadError {
    CannotOpen,   // the file could not be opened or read
    NotAProject,  // the magic does not start with the model family
    TooNew,       // a version newer than this program writes
    Truncated,    // shorter than its version's layout
};

struct ReadFailure
{
    ReadError error = ReadError::CannotOpen;
    FileMagic magic;
    std::size_t haveBytes = 0;
    std::size_t needBytes = 0;
    std::string detail;  // system message for CannotOpen
};

// One line for the CLI and logs: "not a Q720 project file", "file is truncated: ...".
[[nodiscard]] std::string describe(const ReadFailure& failure);

struct ParseResult
{
    bool ok = false;
    FileMagic magic;
    ReadFailure failure;
};

// Checks the magic and length, then copies the blocks that the file's version contains into
// `project`; blocks the version lacks keep their contents. On failure `project` is untouched.
// Bytes behind the version's layout are ignored.
[[nodiscard]] ParseResult parseProjectImage(std::span<const std::uint8_t> file, Project& project);

// The file image of the current version: magic "Q720-1.14" and NUL, blocks 1 to 5, 200 zero
// bytes, blocks 7 to 61. Pure: no derivation.
[[nodiscard]] std::vector<std::uint8_t> serialiseProject(const Project& project);
// The same into `out`, whose storage is reused.
void serialiseProject(const Project& project, std::vector<std::uint8_t>& out);

}  // namespace project
