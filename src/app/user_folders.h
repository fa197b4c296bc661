// SPDX-License-Identifier: MIT
// The user's configuration and data folders as the desktop defines them, for an installed
// designer's preferences and language files.
#pragma once

#include "texts/program_folders.h"

namespace app {

// QStandardPaths' generic configuration and data folders; empty where there are none.
[[nodiscard]] texts::UserFolders standardUserFolders();

}  // namespace app
