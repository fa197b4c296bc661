// SPDX-License-Identifier: MIT
// What Open and Save do to the project around the raw file format.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "project/file_format.h"
#include "project/project.h"
#include "texts/text_source.h"

namespace project {

struct LoadContext
{
    const texts::TextSource& texts;
    Model modelPreference = Model::Q720CE;
};

struct LoadResult
{
    bool ok = false;
    FileMagic magic;
    ReadFailure failure;
    // Set when the file was saved for the other terminal model: the model preference takes it.
    std::optional<Model> adoptedModel;
};

// The project as the designer holds it after start-up: every byte zero, the runtime text
// tables filled from `texts`, then the project reset. It is what New saves.
[[nodiscard]] std::unique_ptr<Project> startedProject(const texts::TextSource& texts, Model modelPreference);

// Read project file: checks and reads the image into a copy of `project`, refills block 51
// for files from "Q720-1.12", runs the migration, and only then replaces `project`. A rejected
// image leaves `project` exactly as it was.
[[nodiscard]] LoadResult loadProject(std::span<const std::uint8_t> image, Project& project,
                                     const LoadContext& context);

// Write project file, in memory: the pre-save derivation on `project`, then the file image.
[[nodiscard]] std::vector<std::uint8_t> saveProject(Project& project, Model modelPreference);

}  // namespace project
