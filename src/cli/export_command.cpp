// SPDX-License-Identifier: MIT
#include <span>
#include <string>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/json_mirror.h"
#include "project/file_format.h"

namespace cli {

int runExport(const ExportOptions& options, std::ostream& out, std::ostream& err)
{
    const InputImage input = readProjectImage(options.input);
    if (!input.ok) {
        reportError(err, options.input, input.error);
        return ExitFailure;
    }
    // Bytes behind the version's layout are not part of the mirror.
    const auto layout = std::span(input.bytes).first(project::fileSizeForVersion(input.magic));
    const std::string text = mirrorOf(layout).dump(2) + "\n";
    if (!options.output) {
        out << text;
        return ExitSuccess;
    }
    const auto* first = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeOutput(*options.output, std::span(first, text.size()), err) ? ExitSuccess : ExitFailure;
}

}  // namespace cli
