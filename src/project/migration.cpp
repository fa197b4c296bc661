// SPDX-License-Identifier: MIT
#include "project/migration.h"

namespace project {

void migrateAfterRead(Project&, const FileMagic&, const texts::TextSource&, Model) {}

}  // namespace project
