// SPDX-License-Identifier: MIT
// The one place where file names cross between Qt and the rest of the program. A QString is
// UTF-16, a Windows path is UTF-16 too and a Linux path is bytes the desktop reads as UTF-8,
// so names go across whole; the core carries paths as UTF-8 text (the recent-file list of the
// preferences file, the current file), never in the Windows code page.
#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace app {

[[nodiscard]] std::filesystem::path pathFromQString(const QString& name);
[[nodiscard]] QString qStringFromPath(const std::filesystem::path& path);

// The core's UTF-8 path text. Text that is not UTF-8 (a preferences file written in the
// Windows code page) is read in the system's 8-bit code page, as the disk layer opens it.
[[nodiscard]] std::string utf8PathText(const QString& name);
[[nodiscard]] QString qStringFromPathText(std::string_view utf8);

}  // namespace app
