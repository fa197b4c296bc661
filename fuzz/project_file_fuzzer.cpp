// SPDX-License-Identifier: MIT
// A project file can come from anywhere: an e-mail, an old backup, a colleague's disk. Reading
// one must never crash or half-load; a file that is accepted must save, and what is saved must
// read back, and settle on their bytes by the second save. The screen preview walks an accepted
// project with random keys and stays within the terminal's screen.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "editor/shell/terminal_preview.h"
#include "fuzz_check.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/project.h"
#include "project/runtime_texts.h"
#include "texts/text_source.h"

namespace {

using project::Model;
using project::Project;

const texts::BuiltinTextSource& builtinTexts()
{
    static const texts::BuiltinTextSource source;
    return source;
}

// The project as the designer holds it after start-up, before the user opens anything.
const Project& startedProject(Model model)
{
    static const std::unique_ptr<Project> ce = project::startedProject(builtinTexts(), Model::Q720CE);
    static const std::unique_ptr<Project> ppc = project::startedProject(builtinTexts(), Model::Q720PPC);
    return model == Model::Q720CE ? *ce : *ppc;
}

bool sameBytes(const Project& a, const Project& b)
{
    return std::memcmp(&a, &b, sizeof(Project)) == 0;
}

// Block 51 is refilled from the current language whenever a file from "Q720-1.12" on is read,
// so its bytes belong to the language, not to the file.
constexpr std::size_t Block51Begin = project::TextBlockOffset + project::textTableOffset(51);
constexpr std::size_t Block51End = project::TextBlockOffset + project::textTableOffset(52);

// The byte ranges of a current-version file that carry the project from one file to the next:
// all but the magic, the reserved block (never read) and block 51.
constexpr std::pair<std::size_t, std::size_t> carriedRanges[] = {
    {project::MagicBytes, project::ReservedBlockOffset},
    {project::TextBlockOffset, Block51Begin},
    {Block51End, project::CurrentFileBytes},
};

// Two current-version images agree in every carried byte; on a difference, names the first.
void checkSameFileBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, const char* what)
{
    for (const auto& [begin, end] : carriedRanges) {
        if (std::memcmp(a.data() + begin, b.data() + begin, end - begin) == 0) {
            continue;
        }
        for (std::size_t i = begin; i < end; ++i) {
            if (a[i] != b[i]) {
                std::fprintf(stderr, "first difference at file offset %zu: %u != %u\n", i, a[i], b[i]);
                break;
            }
        }
        FUZZ_CHECK(false, what);
    }
}

// Every byte of a current-version file lands in the project unchanged.
void checkReadFidelity(std::span<const std::uint8_t> file, const Project& loaded)
{
    const std::vector<std::uint8_t> image = project::serialiseProject(loaded);
    checkSameFileBytes(file, image, "a byte of an accepted current-version file changed on reading");
}

void checkWrittenImage(const std::vector<std::uint8_t>& image)
{
    FUZZ_CHECK(image.size() == project::CurrentFileBytes, "written file has the wrong size");
    FUZZ_CHECK(std::memcmp(image.data(), "Q720-1.14\0", project::MagicBytes) == 0, "written magic is not Q720-1.14");
    for (std::size_t i = project::ReservedBlockOffset; i < project::TextBlockOffset; ++i) {
        FUZZ_CHECK(image[i] == 0, "reserved block is not zero in a written file");
    }
}

// A few hundred random keys, seeded by the file so that a finding replays; every screen on the
// way must fit the terminal's lines.
void walkPreview(std::span<const std::uint8_t> file, const Project& project)
{
    constexpr int Steps = 256;
    std::uint32_t state = 2166136261u;
    for (const std::uint8_t byte : file.first(std::min<std::size_t>(file.size(), 64))) {
        state = (state ^ byte) * 16777619u;
    }
    editor::shell::TerminalPreview preview;
    preview.restart(project);
    for (int step = 0; step < Steps; ++step) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        preview.press(project, static_cast<editor::shell::PreviewKey>(state % editor::shell::PreviewKeyCount));
        const editor::shell::PreviewScreen screen = preview.screen(project, builtinTexts());
        FUZZ_CHECK(static_cast<int>(screen.rows.size()) <= editor::shell::PreviewRows,
                   "the preview shows too many lines");
        FUZZ_CHECK(!screen.title || screen.title->size() <= editor::shell::PreviewColumns,
                   "a preview title is too long");
        for (const editor::shell::PreviewRow& row : screen.rows) {
            FUZZ_CHECK(row.text.size() <= editor::shell::PreviewColumns, "a preview line is too long");
            FUZZ_CHECK(row.inputColumn >= 0 && row.inputColumn + row.inputWidth <= editor::shell::PreviewColumns,
                       "a preview input area leaves its line");
        }
    }
}

void exercise(std::span<const std::uint8_t> file, Model model)
{
    const project::LoadContext context{builtinTexts(), model};
    auto current = std::make_unique<Project>(startedProject(model));

    const project::LoadResult loaded = project::loadProject(file, *current, context);
    if (!loaded.ok) {
        FUZZ_CHECK(sameBytes(*current, startedProject(model)), "a rejected file changed the project");
        return;
    }
    if (loaded.magic == project::Version::Current) {
        checkReadFidelity(file, *current);
    }
    if (model == Model::Q720CE) {
        walkPreview(file, *current);
    }
    // The app adopts the model of the file it has read; the next save stamps that model.
    const Model saveModel = loaded.adoptedModel.value_or(model);

    const std::vector<std::uint8_t> first = project::saveProject(*current, saveModel);
    checkWrittenImage(first);

    auto reread = std::make_unique<Project>(startedProject(model));
    const project::LoadResult again = project::loadProject(first, *reread, {builtinTexts(), saveModel});
    FUZZ_CHECK(again.ok, "a file this program wrote is refused on reading");
    FUZZ_CHECK(!again.adoptedModel.has_value(), "a file written for the current model asks to switch models");
    checkReadFidelity(first, *reread);

    // A pass-down form that leads to a lower-numbered form is counted one save late, so the
    // bytes settle on the second save: from there on every save gives the same file.
    const std::vector<std::uint8_t> second = project::saveProject(*reread, saveModel);
    auto settled = std::make_unique<Project>(startedProject(model));
    FUZZ_CHECK(project::loadProject(second, *settled, {builtinTexts(), saveModel}).ok,
               "a file this program wrote twice is refused on reading");
    const std::vector<std::uint8_t> third = project::saveProject(*settled, saveModel);
    checkSameFileBytes(second, third, "the second and third saves do not give the same bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    exercise(file, Model::Q720CE);
    exercise(file, Model::Q720PPC);
    return 0;
}
