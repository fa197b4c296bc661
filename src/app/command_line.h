// SPDX-License-Identifier: MIT
// The designer's command line: one optional project file (as the desktop passes it when the
// user opens a .Q72 file), --help and --version. Plain C++, so that --help and --version are
// answered before Qt looks for a display.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace app {

enum class DesignerAction { Run, ShowHelp, ShowVersion, Refuse };

struct DesignerArguments
{
    DesignerAction action = DesignerAction::Run;
    std::optional<std::string> file;  // absolute; only with Run
    std::string error;                // only with Refuse: one line, without the program's name
};

// The arguments after the program's name (Qt's own options already taken out). --help (-h) and
// --version win wherever they stand before "--"; any other option, or a second file, refuses
// the command line. A relative file is made absolute, as the recent list keeps it. Arguments
// and the file are UTF-8 text.
[[nodiscard]] DesignerArguments parseDesignerArguments(std::span<const std::string> arguments);

// The text of --help, ending in a line feed.
[[nodiscard]] std::string designerUsage();

}  // namespace app
