// SPDX-License-Identifier: MIT
// `formwright-cli import` turns a JSON mirror, written by anyone, into a project file. Any text
// must give either one error line or a file that this program reads, and a file made this way
// must export and import again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/json_mirror.h"
#include "fuzz_check.h"
#include "project/file_format.h"
#include "project/project.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // As the command does; any exception that leaves it is a finding.
    std::string error;
    const std::optional<cli::Json> mirror =
        cli::parseMirrorText(std::string(reinterpret_cast<const char*>(data), size), error);
    if (!mirror) {
        FUZZ_CHECK(!error.empty(), "malformed JSON gives no reason");
        return 0;
    }
    const cli::ImageFromMirror built = cli::imageFromMirror(*mirror);
    if (!built.ok) {
        FUZZ_CHECK(!built.error.empty(), "a refused mirror gives no reason");
        FUZZ_CHECK(built.image.empty(), "a refused mirror still gives an image");
        return 0;
    }

    auto p = std::make_unique<project::Project>(project::zeroProject());
    const project::ParseResult parsed = project::parseProjectImage(built.image, *p);
    FUZZ_CHECK(parsed.ok, "an imported file is refused on reading");
    FUZZ_CHECK(built.image.size() == project::fileSizeForVersion(parsed.magic), "an imported file has the wrong size");

    const cli::ImageFromMirror again = cli::imageFromMirror(cli::mirrorOf(built.image));
    FUZZ_CHECK(again.ok, "the mirror of an imported file is refused");
    FUZZ_CHECK(again.image == built.image, "export and import again give other bytes");
    return 0;
}
