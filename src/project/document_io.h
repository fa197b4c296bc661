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

class PreparedOpen;

struct LoadContext
{
    const texts::TextSource& texts;
    Model modelPreference = Model::Q720CE;
    // The same texts and preference, precomputed; used in place of `texts` where it can be.
    const PreparedOpen* prepared = nullptr;
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

// Read project file: checks the image, reads it into `project`, refills block 51 for files
// from "Q720-1.12" and runs the migration. A rejected image leaves `project` exactly as it was
// (every check comes before the first byte is copied, and nothing after the copy can fail).
[[nodiscard]] LoadResult loadProject(std::span<const std::uint8_t> image, Project& project,
                                     const LoadContext& context);

// What every Open with one text source and model preference computes alike, computed once for
// callers that open many files: the started project and the block 51 texts that a read writes.
// `texts` must outlive it and must not change while it is in use.
class PreparedOpen
{
public:
    PreparedOpen(const texts::TextSource& texts, Model modelPreference);

    // A copy of startedProject(texts, modelPreference).
    [[nodiscard]] std::unique_ptr<Project> startedProject() const;
    // Makes `project` that copy again, reusing its storage.
    void restart(Project& project) const;
    [[nodiscard]] LoadContext context() const { return {m_texts, m_modelPreference, this}; }

    // What fillTable(project, 51, texts) writes: each slot's text and its NUL.
    void refillBlock51(Project& project) const;

private:
    const texts::TextSource& m_texts;
    Model m_modelPreference;
    std::unique_ptr<const Project> m_started;  // its text tables were filled over zero bytes
    std::vector<std::size_t> m_block51TextLengths;  // per slot, the text without its NUL
};

// Write project file, in memory: the pre-save derivation on `project`, then the file image.
[[nodiscard]] std::vector<std::uint8_t> saveProject(Project& project, Model modelPreference);
// The same into `image`, whose storage is reused.
void saveProject(Project& project, Model modelPreference, std::vector<std::uint8_t>& image);

}  // namespace project
