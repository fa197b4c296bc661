// SPDX-License-Identifier: MIT
// Bringing the blocks of an older file up to the current version right after reading it.
#pragma once

#include "project/file_version.h"
#include "project/project.h"
#include "texts/text_source.h"

namespace project {

// Applies every migration step that the file's magic calls for, oldest first. The steps are
// independent: a very old file goes through all of them.
void migrateAfterRead(Project& project, const FileMagic& magic, const texts::TextSource& texts,
                      Model modelPreference);

// The single steps, named after the newest version that needs them.

// Before "Q720-1.01": block 43 did not exist.
void migrateFrom1_00(Project& project, const texts::TextSource& texts);
// Before "Q720-1.02": block 44 did not exist.
void migrateFrom1_01(Project& project, const texts::TextSource& texts);
// Before "Q720-1.09": blocks 45 and 46 did not exist.
void migrateFrom1_02(Project& project, const texts::TextSource& texts);
// Before "Q720-1.11": no image lines, no image capture, no model stamp, no blocks 47 to 60.
void migrateFrom1_09(Project& project, const texts::TextSource& texts, Model modelPreference);
// Exactly "Q720-1.11": four texts were stored with trailing blanks.
void repairBlanksOf1_11(Project& project, const texts::TextSource& texts);

}  // namespace project
