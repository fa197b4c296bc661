// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "project/disk_file.h"

namespace app {
namespace {

bool isOption(const std::string& argument) { return argument.size() > 1 && argument.front() == '-'; }

std::string absoluteFile(const std::string& file)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(project::pathFromUtf8(file), ec);
    return ec ? file : project::utf8Of(absolute);
}

}  // namespace

DesignerArguments parseDesignerArguments(std::span<const std::string> arguments)
{
    const auto endOfOptions = std::find(arguments.begin(), arguments.end(), std::string("--"));
    for (auto it = arguments.begin(); it != endOfOptions; ++it) {
        if (*it == "--help" || *it == "-h") {
            return {DesignerAction::ShowHelp, std::nullopt, {}};
        }
        if (*it == "--version") {
            return {DesignerAction::ShowVersion, std::nullopt, {}};
        }
    }
    DesignerArguments result;
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (it == endOfOptions) {
            continue;
        }
        if (it < endOfOptions && isOption(*it)) {
            return {DesignerAction::Refuse, std::nullopt, "unknown option " + *it};
        }
        if (result.file) {
            return {DesignerAction::Refuse, std::nullopt, "only one project file can be opened"};
        }
        result.file = absoluteFile(*it);
    }
    return result;
}

std::string designerUsage()
{
    return "Usage: formwright [FILE.Q72]\n"
           "Designs the data-collection programs of the Q720 handheld terminal.\n"
           "\n"
           "  FILE.Q72    the project to open (instead of reopening the last one)\n"
           "  -h, --help  show this text\n"
           "  --version   show the version\n";
}

}  // namespace app
