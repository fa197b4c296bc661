// SPDX-License-Identifier: MIT
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <system_error>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "project/disk_file.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/runtime_texts.h"

namespace cli {

UpgradedImage upgradeImage(std::span<const std::uint8_t> image, const project::PreparedOpen& prepared)
{
    UpgradedImage result;
    // The designer's state after start-up; Open resets again before reading, so blocks that an
    // older file lacks hold defaults and the freshly filled texts.
    auto project = prepared.startedProject();
    const project::LoadContext context = prepared.context();
    result.load = project::loadProject(image, *project, context);
    if (!result.load.ok) {
        return result;
    }
    const project::Model saveModel = result.load.adoptedModel.value_or(context.modelPreference);
    result.image = project::saveProject(*project, saveModel);
    return result;
}

UpgradedImage upgradeImage(std::span<const std::uint8_t> image, const texts::TextSource& texts,
                           project::Model model)
{
    return upgradeImage(image, project::PreparedOpen(texts, model));
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

namespace {

// Batches from this size on show a progress line.
constexpr std::size_t LongBatchFiles = 200;

// "done of total" on one line of a terminal, rewritten in place.
class ProgressLine
{
public:
    ProgressLine(std::ostream& err, std::size_t total, bool isShown)
        : m_err(err), m_total(total), m_isShown(isShown && total >= LongBatchFiles),
          m_step(std::max<std::size_t>(1, total / 100))
    {
    }
    void showUpgraded(std::size_t done)
    {
        if (m_isShown && (done % m_step == 0 || done == m_total)) {
            m_err << "\rupgraded " << done << " of " << m_total << " files" << std::flush;
            m_isOnScreen = true;
        }
    }
    void showWriting(std::size_t count)
    {
        if (m_isShown) {
            m_err << "\r\033[Kwriting " << count << " files" << std::flush;
            m_isOnScreen = true;
        }
    }
    // Before an error line, and at the end.
    void clear()
    {
        if (m_isOnScreen) {
            m_err << "\r\033[K" << std::flush;
            m_isOnScreen = false;
        }
    }

private:
    std::ostream& m_err;
    std::size_t m_total;
    bool m_isShown;
    std::size_t m_step;
    bool m_isOnScreen = false;
};

// Where two names lead to the same file: the name made absolute with the links of its folder
// resolved. Folders are resolved once each; a batch has few of them.
class FileIdentity
{
public:
    std::filesystem::path operator()(const std::filesystem::path& path)
    {
        const std::filesystem::path name = path.filename();
        if (name.empty() || name == "." || name == "..") {
            return resolved(path);
        }
        auto [folder, isNew] = m_folders.try_emplace(path.parent_path());
        if (isNew) {
            folder->second = resolved(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."));
        }
        return folder->second / name;
    }

private:
    static std::filesystem::path resolved(const std::filesystem::path& path)
    {
        std::error_code ec;
        std::filesystem::path canonical = std::filesystem::weakly_canonical(path, ec);
        return ec ? std::filesystem::absolute(path, ec).lexically_normal() : canonical;
    }

    std::map<std::filesystem::path, std::filesystem::path> m_folders;
};

std::filesystem::path outputOf(const UpgradeManyOptions& options, const std::filesystem::path& input)
{
    return options.outputFolder ? *options.outputFolder / input.filename() : input;
}

// The same input named twice, or two inputs that would write one output; reports each.
bool hasCollisions(const UpgradeManyOptions& options, std::ostream& err)
{
    bool found = false;
    FileIdentity identity;
    std::map<std::filesystem::path, const std::filesystem::path*> inputs;
    std::map<std::filesystem::path, const std::filesystem::path*> outputs;
    for (const std::filesystem::path& input : options.inputs) {
        const auto [in, isNewInput] = inputs.emplace(identity(input), &input);
        if (!isNewInput) {
            reportError(err, input, "named twice (also as " + project::utf8Of(*in->second) + ")");
            found = true;
            continue;
        }
        const std::filesystem::path output = outputOf(options, input);
        const auto [out, isNewOutput] = outputs.emplace(identity(output), &input);
        if (!isNewOutput) {
            reportError(err, input, "would write " + project::utf8Of(output) + ", as " + project::utf8Of(*out->second) + " does");
            found = true;
        }
    }
    return found;
}

}  // namespace

int runUpgradeMany(const UpgradeManyOptions& options, std::ostream& /*out*/, std::ostream& err)
{
    if (options.outputFolder) {
        std::error_code ec;
        if (!std::filesystem::is_directory(*options.outputFolder, ec)) {
            reportError(err, *options.outputFolder, "not a folder");
            return ExitFailure;
        }
    }
    if (hasCollisions(options, err)) {
        err << "nothing was written\n";
        return ExitFailure;
    }
    const TextSourceResult texts = makeTextSource(options.language);
    if (!texts.source) {
        reportError(err, *options.language, texts.error);
        return ExitFailure;
    }
    const project::PreparedOpen prepared(*texts.source, options.model);

    // Every input read and upgraded before the first write.
    ProgressLine progress(err, options.inputs.size(), options.showsProgress);
    std::vector<std::vector<std::uint8_t>> images;
    std::vector<project::BatchFile> files;
    images.reserve(options.inputs.size());
    files.reserve(options.inputs.size());
    bool hasFailed = false;
    for (std::size_t i = 0; i < options.inputs.size(); ++i) {
        const std::filesystem::path& input = options.inputs[i];
        // The Open checks the image as readProjectImage() would, with the same reasons; a
        // second check would cost one more copy of every file.
        const project::FileReadResult read = project::readFilePrefix(input, project::CurrentFileBytes);
        UpgradedImage upgraded;
        if (read.ok) {
            upgraded = upgradeImage(read.bytes, prepared);
        }
        if (!read.ok || !upgraded.load.ok) {
            progress.clear();
            reportError(err, input,
                        read.ok ? project::describe(upgraded.load.failure) : "cannot open the file: " + read.error);
            hasFailed = true;
        } else {
            images.push_back(std::move(upgraded.image));
            files.push_back({outputOf(options, input), images.back()});
        }
        progress.showUpgraded(i + 1);
    }

    progress.showWriting(files.size());
    const std::vector<project::FileWriteResult> written = project::writeFilesAtomically(files, options.faults);
    progress.clear();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!written[i].ok) {
            reportError(err, files[i].path, "cannot write the file: " + written[i].error);
            hasFailed = true;
        }
    }
    return hasFailed ? ExitFailure : ExitSuccess;
}

}  // namespace cli
