// SPDX-License-Identifier: MIT
// The property sheet's caption: model, program name and the file being edited.
#pragma once

#include <string>
#include <string_view>

#include "project/project.h"

namespace texts {
class TextSource;
}

namespace editor {

// What the preferences hold as the last file before any project was opened; a current-file
// path with this value names no file.
inline constexpr std::string_view NoFileMarker = "Unknow";

// "<model> <program> - [ <path or "New file"> ]", every part fetched language-first.
[[nodiscard]] std::string sheetCaption(const texts::TextSource& texts, project::Model model,
                                       std::string_view currentFilePath);

} // namespace editor
