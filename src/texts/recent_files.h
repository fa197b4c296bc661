// SPDX-License-Identifier: MIT
// The recent-file list of the preferences and its popup menu labels.
#pragma once

#include <string>
#include <string_view>

#include "texts/preferences.h"

namespace texts {

// After a project was read or written: the path becomes the last file and entry 1 of the
// recent list; an entry already there moves up (exact, case-sensitive match), a new one pushes
// the oldest out of a full list. A path the preferences file couldn't store (longer than
// MaxPathChars, a single character, or with a line break) becomes the last file only.
// Returns whether the recent list holds the path now. The caller writes the preferences.
bool rememberRecentFile(Preferences& preferences, std::string_view path);

// Menu label of recent entry `number` (from 1): "&1:  " and the path, a path of more than 40
// characters shortened to its first 15, "..." and its last 22. Ampersands of the path are
// doubled so that they show instead of marking a shortcut.
[[nodiscard]] std::string recentFileMenuLabel(int number, std::string_view path);

}  // namespace texts
