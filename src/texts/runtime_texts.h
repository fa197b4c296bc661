// SPDX-License-Identifier: MIT
// Filling the runtime text tables of a project from the current text source.
#pragma once

#include "project/project.h"
#include "texts/text_source.h"

namespace texts {

// Writes the text of one string ID (language first, built-in otherwise, cut to the slot's
// width minus one) and its NUL into the slot; the bytes behind the NUL are left alone.
void fillSlot(project::Project& project, int block, int index, const TextSource& source);

void fillTable(project::Project& project, int block, const TextSource& source);

// Blocks 7 to 60 in file order.
void fillAllTables(project::Project& project, const TextSource& source);

// Blocks 47 to 60 only.
void fillSecondGroup(project::Project& project, const TextSource& source);

}  // namespace texts
