// SPDX-License-Identifier: MIT
// Pictures of the property sheet for the screenshots tool.
#pragma once

#include <QString>

namespace app {

// Writes sheet.png (the sheet as it opens) and menu_page.png (the Menu page of a sample
// project) into `directory`; false when a file cannot be written.
bool saveSheetScreenshots(const QString& directory);

} // namespace app
