// SPDX-License-Identifier: MIT
// Pictures of the property sheet for the screenshots tool.
#pragma once

#include <QString>

namespace app {

// Writes sheet.png (the sheet as it opens), menu_page.png, the Form page of a form reading a
// lookup file (form_lookup.png, form_msqi.png), lookup_page.png and settings_page.png, all of
// sample projects, into `directory`; false when a file cannot be written.
bool saveSheetScreenshots(const QString& directory);

} // namespace app
