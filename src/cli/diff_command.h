// SPDX-License-Identifier: MIT
// diff: the fields in which two project files differ, one line each, named as the editor names
// them and located by block and offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "cli/json_mirror.h"
#include "project/project.h"

namespace cli {

struct FieldChange
{
    enum class Kind : std::uint8_t {
        Number,  // a byte the editor names: "form 3 line 2 maxLength: 20 -> 30"
        Text,    // a text slot, compared up to its NUL: "texts 3541: \"Scan item\" -> \"Scan article\""
        Byte,    // a byte without a name, or behind a text's NUL: "block 4 offset 373: 0x00 -> 0x01"
    };
    Kind kind = Kind::Number;
    std::string field;       // "form 3 line 2 maxLength", "texts 3541", "block 4 offset 373"
    std::string path;        // where the JSON mirror keeps it: "$.forms[2].lines[1].maxLength"
    int block = 0;           // 0 for the version magic, 1 to 61 for the blocks
    std::size_t offset = 0;  // within the block
    int oldNumber = 0;
    int newNumber = 0;
    std::string oldText;  // texts as UTF-8
    std::string newText;
};

// Field by field, in file order. Both images hold the layout of the same version (the first
// image's magic decides which blocks are compared).
[[nodiscard]] std::vector<FieldChange> compareImages(std::span<const std::uint8_t> oldImage,
                                                     std::span<const std::uint8_t> newImage);

// "form 3 line 2 lineType: 2 (integer) -> 7 (lookup)".
[[nodiscard]] std::string describe(const FieldChange& change);
[[nodiscard]] Json toJson(const FieldChange& change);

struct DiffOptions
{
    std::filesystem::path oldFile;
    std::filesystem::path newFile;
    bool json = false;
    // For a file that is upgraded before the comparison; by default the model stamped in the
    // file of the current version, else Q720CE, and the built-in texts.
    std::optional<project::Model> model;
    std::optional<std::filesystem::path> language;
};

// Exit status 0 when the files hold the same fields, 1 when they differ, 2 on an error.
int runDiff(const DiffOptions& options, std::ostream& out, std::ostream& err);

}  // namespace cli
