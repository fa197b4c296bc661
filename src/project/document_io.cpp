// SPDX-License-Identifier: MIT
#include "project/document_io.h"

#include <algorithm>
#include <cstring>
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

PreparedOpen::PreparedOpen(const texts::TextSource& texts, Model modelPreference)
    : m_texts(texts), m_modelPreference(modelPreference), m_started(project::startedProject(texts, modelPreference))
{
    // A fill writes the text and one NUL and leaves the rest of the slot. Over bytes 0xFF the
    // last zero of a slot is that NUL, whatever the text holds, so its place is the length.
    auto scratch = std::make_unique<Project>();
    const TextTableSpec& table = textTable(51);
    m_block51TextLengths.resize(static_cast<std::size_t>(table.count));
    for (int i = 0; i < table.count; ++i) {
        const auto slot = scratch->texts.textSlot(51, i);
        std::fill(slot.begin(), slot.end(), std::uint8_t{0xFF});
        fillSlot(*scratch, 51, i, texts);
        const auto nul = std::find(slot.rbegin(), slot.rend(), std::uint8_t{0});
        m_block51TextLengths[static_cast<std::size_t>(i)] = static_cast<std::size_t>(slot.rend() - nul) - 1;
    }
}

std::unique_ptr<Project> PreparedOpen::startedProject() const { return std::make_unique<Project>(*m_started); }

void PreparedOpen::restart(Project& project) const { project = *m_started; }

void PreparedOpen::refillBlock51(Project& project) const
{
    // The table's place is a constant: TextArea::slot() would walk the tables for every slot.
    constexpr std::size_t base = textTableOffset(51);
    constexpr auto width = static_cast<std::size_t>(textTable(51).width);
    for (std::size_t i = 0; i < m_block51TextLengths.size(); ++i) {
        const std::size_t at = base + i * width;
        std::memcpy(project.texts.bytes.data() + at, m_started->texts.bytes.data() + at, m_block51TextLengths[i] + 1);
    }
}

LoadResult loadProject(std::span<const std::uint8_t> image, Project& project, const LoadContext& context)
{
    LoadResult result;
    const ParseResult parsed = parseProjectImage(image, project);
    result.magic = parsed.magic;
    if (!parsed.ok) {
        result.failure = parsed.failure;
        return result;
    }
    if (parsed.magic.isAtLeast(Version::V1_12)) {
        if (context.prepared != nullptr) {
            context.prepared->refillBlock51(project);
        } else {
            fillTable(project, 51, context.texts);
        }
    }
    migrateAfterRead(project, parsed.magic, context.texts, context.modelPreference);

    const Byte stamp = project.device.modelStamp;
    if (stamp <= 1 && stamp != static_cast<Byte>(context.modelPreference)) {
        result.adoptedModel = static_cast<Model>(stamp);
    }
    result.ok = true;
    return result;
}

std::vector<std::uint8_t> saveProject(Project& project, Model modelPreference)
{
    std::vector<std::uint8_t> image;
    saveProject(project, modelPreference, image);
    return image;
}

void saveProject(Project& project, Model modelPreference, std::vector<std::uint8_t>& image)
{
    deriveBeforeSave(project, modelPreference);
    serialiseProject(project, image);
}

}  // namespace project
