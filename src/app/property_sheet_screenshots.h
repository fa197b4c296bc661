// SPDX-License-Identifier: MIT
// Pictures of the property sheet for the screenshots tool.
#pragma once

#include <QString>

namespace app {

// Writes sheet.png (the sheet as it opens), menu_page.png and settings_page.png (the Menu and
// Settings pages of a sample project) and the form pages into `directory`; false when a file
// cannot be written.
bool saveSheetScreenshots(const QString& directory);

} // namespace app
