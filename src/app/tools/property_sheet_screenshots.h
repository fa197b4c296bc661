// SPDX-License-Identifier: MIT
// Pictures of the property sheet for the screenshots tool.
#pragma once

#include <QString>

#include <filesystem>

namespace app {

// Writes sheet.png (the sheet as it opens), menu_page.png, the Form page of a form reading a
// lookup file (form_lookup.png, form_msqi.png), lookup_page.png and settings_page.png into
// `directory`; false when a file cannot be written. They show `projectFile` as Open reads it, or
// built-in samples when it is empty.
bool saveSheetScreenshots(const QString& directory, const std::filesystem::path& projectFile = {});

} // namespace app
