// SPDX-License-Identifier: MIT
// The Edit command's hand-over to the editor property sheet.
#pragma once

#include <string_view>

#include "project/project.h"
#include "texts/text_source.h"
#include "ui/host.h"
#include "ui/localisation.h"

namespace editor::shell {

// Everything the property sheet may use while it is open. The sheet edits `project` (its
// pages commit their working copies at OK) and sets `isModified` when a page says so.
struct EditorSession
{
    project::Project& project;
    bool& isModified;
    const texts::TextSource& texts;
    ui::LanguageState language;
    project::Model model;
    ui::Host& host;
    std::string_view currentFile; // empty or "Unknow" for a project never saved
    bool isApplied = false;       // set by the sheet when it closes with OK
};

}  // namespace editor::shell
