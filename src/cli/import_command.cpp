// SPDX-License-Identifier: MIT
#include <fstream>
#include <sstream>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/json_mirror.h"

namespace cli {
namespace {

// A mirror far larger than any project's is not one; refusing it early bounds the memory.
constexpr std::uintmax_t MaxMirrorBytes = 64u * 1024u * 1024u;

}  // namespace

int runImport(const std::filesystem::path& input, const std::filesystem::path& output, std::ostream& /*out*/,
              std::ostream& err)
{
    if (!boundedInputSize(input, MaxMirrorBytes, "file is too large for a project mirror", err)) {
        return ExitFailure;
    }
    std::ifstream file(input, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file) {
        reportError(err, input, "cannot read the file");
        return ExitFailure;
    }
    std::string error;
    const std::optional<Json> mirror = parseMirrorText(text.str(), error);
    if (!mirror) {
        reportError(err, input, error);
        return ExitFailure;
    }
    const ImageFromMirror built = imageFromMirror(*mirror);
    if (!built.ok) {
        reportError(err, input, built.error);
        return ExitFailure;
    }
    return writeOutput(output, built.image, err) ? ExitSuccess : ExitFailure;
}

}  // namespace cli
