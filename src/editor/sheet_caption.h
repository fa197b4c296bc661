// SPDX-License-Identifier: MIT
// The property sheet's caption: model, program name and the file being edited.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "project/project.h"
#include "texts/text_source.h"

namespace editor {

// What the preferences hold as the last file before any project was opened; a current-file
// path with this value names no file.
inline constexpr std::string_view NoFileMarker = "Unknow";

// "<model> <program> - [ <path or "New file"> ]", every text fetched language-first. The path
// is a part of its own, in the file system's encoding; the other parts are in the code page.
[[nodiscard]] std::vector<texts::EncodedText> sheetCaption(const texts::TextSource& texts, project::Model model,
                                       std::string_view currentFilePath);

} // namespace editor
