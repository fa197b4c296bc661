// SPDX-License-Identifier: MIT
// Bringing the blocks of an older file up to the current version right after reading it.
#pragma once

#include "project/file_version.h"
#include "project/project.h"
#include "texts/text_source.h"

namespace project {

// Applies every migration step that the file's magic calls for, oldest first.
void migrateAfterRead(Project& project, const FileMagic& magic, const texts::TextSource& texts,
                      Model modelPreference);

}  // namespace project
