// SPDX-License-Identifier: MIT
#include <memory>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/runtime_texts.h"

namespace cli {

std::vector<std::uint8_t> newProjectImage(const texts::TextSource& texts, project::Model model)
{
    // Start-up fills the terminal's text tables before the first reset; New resets again.
    auto project = project::startedProject(texts, model);
    return project::saveProject(*project, model);
}

int runNew(const NewOptions& options, std::ostream& /*out*/, std::ostream& err)
{
    const TextSourceResult texts = makeTextSource(options.language);
    if (!texts.source) {
        reportError(err, *options.language, texts.error);
        return ExitFailure;
    }
    const std::vector<std::uint8_t> image = newProjectImage(*texts.source, options.model);
    return writeOutput(options.output, image, err) ? ExitSuccess : ExitFailure;
}

}  // namespace cli
