// SPDX-License-Identifier: MIT
// What every subcommand shares: exit codes, reading an input project, the text source, writing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "project/file_version.h"
#include "project/project.h"
#include "texts/text_source.h"

namespace cli {

enum ExitCode : int {
    ExitSuccess = 0,
    ExitFindings = 1,  // check or language-check found problems
    ExitFailure = 2,   // usage error, unreadable or rejected input, failed write
};

// A project file read from the disk and checked: the magic names a family member no newer than
// this program, and the file holds at least its version's layout.
struct InputImage
{
    bool ok = false;
    std::vector<std::uint8_t> bytes;  // at most the current layout's size
    std::uintmax_t totalBytes = 0;    // the whole file
    project::FileMagic magic;
    bool isTruncated = false;     // shorter than its version's layout
    std::size_t layoutBytes = 0;  // the size of its version's layout, once the magic is accepted
    std::string error;            // the reason, without the file name
};

[[nodiscard]] InputImage readProjectImage(const std::filesystem::path& path);
// The same, parsing into `parsed` (zero where the file's version has no block) and reading into
// the storage of `buffer`, for a caller that reads many files.
[[nodiscard]] InputImage readProjectImage(const std::filesystem::path& path, project::Project& parsed,
                                          std::vector<std::uint8_t> buffer);

// Prints "<path>: <reason>" on one line.
void reportError(std::ostream& err, const std::filesystem::path& path, const std::string& reason);

// The size of an input file that is read whole, or nothing (the reason reported on `err`) when
// it cannot be opened or is larger than `maxBytes`; `tooLarge` is the reason for the latter.
[[nodiscard]] std::optional<std::uintmax_t> boundedInputSize(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                                             const std::string& tooLarge, std::ostream& err);

// The built-in strings, or a language file's entries first when `language` is given.
struct TextSourceResult
{
    std::unique_ptr<texts::TextSource> source;
    std::string error;
};
[[nodiscard]] TextSourceResult makeTextSource(const std::optional<std::filesystem::path>& language);

// "Q720CE" or "Q720PPC".
[[nodiscard]] std::optional<project::Model> parseModel(const std::string& name);
[[nodiscard]] const char* modelName(project::Model model);

// Replaces `path` atomically; reports a failure on `err` and returns false.
bool writeOutput(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::ostream& err);

}  // namespace cli
