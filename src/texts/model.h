// SPDX-License-Identifier: MIT
// The terminal model: a user preference here, and the stamp of block 5 byte 425 in a project
// (project::Model is this type).
#pragma once

#include <cstdint>

namespace texts {

enum class Model : std::uint8_t { Q720CE = 0, Q720PPC = 1 };

}  // namespace texts
