// SPDX-License-Identifier: MIT
#include <memory>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/runtime_texts.h"

namespace cli {

UpgradedImage upgradeImage(std::span<const std::uint8_t> image, const texts::TextSource& texts,
                           project::Model model)
{
    UpgradedImage result;
    // The designer's state after start-up; Open resets again before reading, so blocks that an
    // older file lacks hold defaults and the freshly filled texts.
    auto project = project::startedProject(texts, model);

    result.load = project::loadProject(image, *project, project::LoadContext{texts, model});
    if (!result.load.ok) {
        return result;
    }
    const project::Model saveModel = result.load.adoptedModel.value_or(model);
    result.image = project::saveProject(*project, saveModel);
    return result;
}

int runUpgrade(const UpgradeOptions& options, std::ostream& /*out*/, std::ostream& err)
{
    const TextSourceResult texts = makeTextSource(options.language);
    if (!texts.source) {
        reportError(err, *options.language, texts.error);
        return ExitFailure;
    }
    const InputImage input = readProjectImage(options.input);
    if (!input.ok) {
        reportError(err, options.input, input.error);
        return ExitFailure;
    }
    const UpgradedImage upgraded = upgradeImage(input.bytes, *texts.source, options.model);
    if (!upgraded.load.ok) {
        reportError(err, options.input, project::describe(upgraded.load.failure));
        return ExitFailure;
    }
    return writeOutput(options.output, upgraded.image, err) ? ExitSuccess : ExitFailure;
}

}  // namespace cli
