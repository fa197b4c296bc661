// SPDX-License-Identifier: MIT
#include "cli/command_support.h"

namespace cli {

TextSourceResult makeTextSource(const std::optional<std::filesystem::path>& language)
{
    TextSourceResult result;
    if (language) {
        result.error = "language files are not supported yet";
        return result;
    }
    result.source = std::make_unique<texts::BuiltinTextSource>();
    return result;
}

}  // namespace cli
