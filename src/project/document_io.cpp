// SPDX-License-Identifier: MIT
#include "project/document_io.h"

#include <memory>

#include "project/defaults.h"
#include "project/derivation.h"
#include "project/migration.h"
#include "project/runtime_texts.h"

namespace project {

std::unique_ptr<Project> startedProject(const texts::TextSource& texts, Model modelPreference)
{
    auto project = std::make_unique<Project>(zeroProject());
    fillAllTables(*project, texts);
    resetProject(*project, texts, modelPreference);
    return project;
}

LoadResult loadProject(std::span<const std::uint8_t> image, Project& project, const LoadContext& context)
{
    LoadResult result;
    auto staging = std::make_unique<Project>(project);
    const ParseResult parsed = parseProjectImage(image, *staging);
    result.magic = parsed.magic;
    if (!parsed.ok) {
        result.failure = parsed.failure;
        return result;
    }
    if (parsed.magic.isAtLeast(Version::V1_12)) {
        fillTable(*staging, 51, context.texts);
    }
    migrateAfterRead(*staging, parsed.magic, context.texts, context.modelPreference);

    const Byte stamp = staging->device.modelStamp;
    if (stamp <= 1 && stamp != static_cast<Byte>(context.modelPreference)) {
        result.adoptedModel = static_cast<Model>(stamp);
    }
    project = *staging;
    result.ok = true;
    return result;
}

std::vector<std::uint8_t> saveProject(Project& project, Model modelPreference)
{
    deriveBeforeSave(project, modelPreference);
    return serialiseProject(project);
}

}  // namespace project
