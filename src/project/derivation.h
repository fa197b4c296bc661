// SPDX-License-Identifier: MIT
// The pre-save derivation: the bytes that the terminal needs and that are computed, not edited.
#pragma once

#include "project/project.h"

namespace project {

// Recomputes the derived bytes of blocks 2, 4 and 5 before every write.
void deriveBeforeSave(Project& project, Model modelPreference);

}  // namespace project
