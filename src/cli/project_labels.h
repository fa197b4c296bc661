// SPDX-License-Identifier: MIT
// Names of codes and places for the human reports of info and check.
#pragma once

#include <cstddef>
#include <string>

#include "project/field_map.h"
#include "project/project.h"

namespace cli {

[[nodiscard]] std::string lineTypeName(project::Byte code);
[[nodiscard]] std::string recordActionName(project::Byte code);
[[nodiscard]] std::string lookupFieldTypeName(project::Byte code);
[[nodiscard]] std::string readerTypeName(project::Byte code);
[[nodiscard]] std::string targetName(project::Byte code);

// "form 3 line 2 maxLength", "menu 1 item 4 next", "system settings password": the field that
// holds byte `offset` of record `number` (0 for single records) described by `spec`.
[[nodiscard]] std::string placeOf(const project::RecordSpec& spec, std::string_view label, int number, std::size_t offset);

// The same for a byte of the file: blocks 1 to 5 and 61 by field, text tables by string ID.
[[nodiscard]] std::string placeInFile(std::size_t fileOffset);

}  // namespace cli
