// SPDX-License-Identifier: MIT
// `formwright-cli check` is the tool people point at files they don't trust. On any bytes it
// must end with one of its three statuses and say why; a file it calls clean must be one that
// the designer opens and saves again without changing a byte it carries.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "fuzz_check.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/project.h"
#include "project/runtime_texts.h"
#include "texts/text_source.h"

namespace {

namespace fs = std::filesystem;
using project::Model;
using project::Project;

// check reads a path; the input goes to one file per fuzzing process, removed at exit.
const fs::path& inputPath()
{
    static const fs::path path = [] {
        fs::path p = fs::temp_directory_path() / ("formwright-check-fuzz-" + std::to_string(::getpid()) + ".q72");
        std::atexit([] {
            std::error_code ignored;
            fs::remove(inputPath(), ignored);
        });
        return p;
    }();
    return path;
}

void writeInput(std::span<const std::uint8_t> bytes)
{
    std::ofstream out(inputPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(static_cast<bool>(out), "cannot write the input file");
}

const texts::BuiltinTextSource& builtinTexts()
{
    static const texts::BuiltinTextSource source;
    return source;
}

constexpr std::size_t Block51Begin = project::TextBlockOffset + project::textTableOffset(51);
constexpr std::size_t Block51End = project::TextBlockOffset + project::textTableOffset(52);

// A clean current-version file, opened and saved for the model it names, keeps every byte but
// the reserved block and block 51 (refilled from the language on reading).
void checkCleanFileSavesUnchanged(std::span<const std::uint8_t> file)
{
    const Model model = file[project::DeviceBlockOffset + offsetof(project::DeviceSettings, modelStamp)] == 1
                            ? Model::Q720PPC
                            : Model::Q720CE;
    auto p = project::startedProject(builtinTexts(), model);
    FUZZ_CHECK(project::loadProject(file, *p, {builtinTexts(), model}).ok, "check calls a file clean that Open refuses");
    const std::vector<std::uint8_t> saved = project::saveProject(*p, model);
    constexpr std::pair<std::size_t, std::size_t> carried[] = {
        {0, project::ReservedBlockOffset},
        {project::TextBlockOffset, Block51Begin},
        {Block51End, project::CurrentFileBytes},
    };
    for (const auto& [begin, end] : carried) {
        for (std::size_t i = begin; i < end; ++i) {
            if (saved[i] != file[i]) {
                std::fprintf(stderr, "first difference at file offset %zu: %u != %u\n", i, file[i], saved[i]);
                FUZZ_CHECK(false, "check calls a file clean that changes on saving");
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    writeInput(file);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCheck(inputPath(), out, err);
    // libFuzzer ends its process without running exit handlers, so the input goes right away.
    std::error_code ignored;
    fs::remove(inputPath(), ignored);

    switch (status) {
    case cli::ExitSuccess:
        FUZZ_CHECK(out.str().empty() && err.str().empty(), "a clean check prints something");
        break;
    case cli::ExitFindings:
        FUZZ_CHECK(!out.str().empty(), "check reports findings without naming them");
        break;
    case cli::ExitFailure:
        FUZZ_CHECK(!err.str().empty(), "check fails without a reason");
        break;
    default:
        FUZZ_CHECK(false, "check ends with an unknown status");
    }
    const bool isCurrentVersion = size >= project::MagicBytes && std::memcmp(data, "Q720-1.14", 9) == 0;
    if (status == cli::ExitSuccess && isCurrentVersion) {
        checkCleanFileSavesUnchanged(file);
    }
    return 0;
}
