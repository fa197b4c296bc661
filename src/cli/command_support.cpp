// SPDX-License-Identifier: MIT
#include "cli/command_support.h"

#include <system_error>

#include "project/disk_file.h"
#include "project/file_format.h"

namespace cli {

InputImage readProjectImage(const std::filesystem::path& path)
{
    // The parse only checks and copies; the scratch project is thrown away.
    auto scratch = std::make_unique<project::Project>();
    return readProjectImage(path, *scratch, {});
}

InputImage readProjectImage(const std::filesystem::path& path, project::Project& into, std::vector<std::uint8_t> buffer)
{
    InputImage input;
    project::FileReadResult file = project::readFilePrefix(path, project::CurrentFileBytes, std::move(buffer));
    if (!file.ok) {
        input.error = "cannot open the file: " + file.error;
        input.bytes = std::move(file.bytes);
        return input;
    }
    into = project::zeroProject();
    const project::ParseResult parsed = project::parseProjectImage(file.bytes, into);
    input.magic = parsed.magic;
    input.totalBytes = file.totalBytes;
    if (!parsed.ok) {
        project::ReadFailure failure = parsed.failure;
        if (failure.error == project::ReadError::Truncated) {
            input.isTruncated = true;
            input.layoutBytes = failure.needBytes;
            failure.haveBytes = static_cast<std::size_t>(file.totalBytes);
        }
        input.error = project::describe(failure);
        input.bytes = std::move(file.bytes);
        return input;
    }
    input.layoutBytes = project::fileSizeForVersion(parsed.magic);
    input.bytes = std::move(file.bytes);
    input.ok = true;
    return input;
}

void reportError(std::ostream& err, const std::filesystem::path& path, const std::string& reason)
{
    err << project::utf8Of(path) << ": " << reason << '\n';
}

std::optional<std::uintmax_t> boundedInputSize(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                               const std::string& tooLarge, std::ostream& err)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        reportError(err, path, "cannot open the file: " + ec.message());
        return std::nullopt;
    }
    if (size > maxBytes) {
        reportError(err, path, tooLarge);
        return std::nullopt;
    }
    return size;
}

std::optional<project::Model> parseModel(const std::string& name)
{
    if (name == "Q720CE") {
        return project::Model::Q720CE;
    }
    if (name == "Q720PPC") {
        return project::Model::Q720PPC;
    }
    return std::nullopt;
}

const char* modelName(project::Model model) { return model == project::Model::Q720PPC ? "Q720PPC" : "Q720CE"; }

bool writeOutput(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::ostream& err)
{
    const project::FileWriteResult written = project::writeFileAtomically(path, bytes);
    if (!written.ok) {
        reportError(err, path, "cannot write the file: " + written.error);
        return false;
    }
    return true;
}

}  // namespace cli
