// SPDX-License-Identifier: MIT
// Filling the runtime text tables of a project from the current text source.
#pragma once

#include "project/project.h"
#include "texts/text_source.h"

namespace project {

// Writes the text of one string ID (language first, built-in otherwise, cut to the slot's
// width minus one) and its NUL into the slot; the bytes behind the NUL are left alone.
void fillSlot(Project& project, int block, int index, const texts::TextSource& source);

void fillTable(Project& project, int block, const texts::TextSource& source);

// Blocks 7 to 60 in file order.
void fillAllTables(Project& project, const texts::TextSource& source);

// Blocks 47 to 60 only.
void fillSecondGroup(Project& project, const texts::TextSource& source);

}  // namespace project
