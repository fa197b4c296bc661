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

namespace {

// The designer's Open and Save, one file after another in the same storage, so that a long
// batch does not ask the allocator for a project and two file images per file.
class Upgrader
{
public:
    explicit Upgrader(const project::PreparedOpen& prepared)
        : m_prepared(prepared), m_project(prepared.startedProject())
    {
    }

    // On success, image() holds the upgraded bytes until the next call.
    project::LoadResult upgrade(std::span<const std::uint8_t> image)
    {
        // The designer's state after start-up; Open resets again before reading, so blocks that
        // an older file lacks hold defaults and the freshly filled texts.
        m_prepared.restart(*m_project);
        const project::LoadContext context = m_prepared.context();
        project::LoadResult load = project::loadProject(image, *m_project, context);
        if (load.ok) {
            project::saveProject(*m_project, load.adoptedModel.value_or(context.modelPreference), m_image);
        }
        return load;
    }
    [[nodiscard]] std::vector<std::uint8_t>& image() { return m_image; }

private:
    const project::PreparedOpen& m_prepared;
    std::unique_ptr<project::Project> m_project;
    std::vector<std::uint8_t> m_image;
};

}  // namespace

UpgradedImage upgradeImage(std::span<const std::uint8_t> image, const project::PreparedOpen& prepared)
{
    Upgrader upgrader(prepared);
    UpgradedImage result;
    result.load = upgrader.upgrade(image);
    if (result.load.ok) {
        result.image = std::move(upgrader.image());
    }
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

    // Each input is read and upgraded, and its new bytes go to a temporary file at once; no
    // target is replaced before every temporary file is on the disk.
    ProgressLine progress(err, options.inputs.size(), options.showsProgress);
    Upgrader upgrader(prepared);
    project::FileBatch batch(options.faults);
    std::vector<std::filesystem::path> outputs;  // one per file in the batch
    outputs.reserve(options.inputs.size());
    project::FileReadResult read;
    bool hasFailed = false;
    for (std::size_t i = 0; i < options.inputs.size(); ++i) {
        const std::filesystem::path& input = options.inputs[i];
        // The Open checks the image as readProjectImage() would, with the same reasons; a
        // second check would cost one more copy of every file.
        read = project::readFilePrefix(input, project::CurrentFileBytes, std::move(read.bytes));
        project::LoadResult load;
        if (read.ok) {
            load = upgrader.upgrade(read.bytes);
        }
        if (!read.ok || !load.ok) {
            progress.clear();
            reportError(err, input, read.ok ? project::describe(load.failure) : "cannot open the file: " + read.error);
            hasFailed = true;
        } else {
            outputs.push_back(outputOf(options, input));
            (void)batch.add(outputs.back(), upgrader.image());
        }
        progress.showUpgraded(i + 1);
    }

    progress.showWriting(outputs.size());
    const std::vector<project::FileWriteResult> written = batch.commit();
    progress.clear();
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (!written[i].ok) {
            reportError(err, outputs[i], "cannot write the file: " + written[i].error);
            hasFailed = true;
        }
    }
    return hasFailed ? ExitFailure : ExitSuccess;
}

}  // namespace cli
