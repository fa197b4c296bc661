// SPDX-License-Identifier: MIT
// The subcommands of formwright-cli. Each returns its exit status and writes its report to `out`
// and its errors, one line each, to `err`.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <vector>

#include "project/document_io.h"
#include "project/project.h"
#include "texts/text_source.h"

namespace cli {

struct NewOptions
{
    std::filesystem::path output;
    project::Model model = project::Model::Q720CE;
    std::optional<std::filesystem::path> language;
};
int runNew(const NewOptions& options, std::ostream& out, std::ostream& err);

// What the designer writes when it starts and the user runs New and saves.
[[nodiscard]] std::vector<std::uint8_t> newProjectImage(const texts::TextSource& texts, project::Model model);

struct UpgradeOptions
{
    std::filesystem::path input;
    std::filesystem::path output;
    project::Model model = project::Model::Q720CE;
    std::optional<std::filesystem::path> language;
};
int runUpgrade(const UpgradeOptions& options, std::ostream& out, std::ostream& err);

struct UpgradedImage
{
    project::LoadResult load;
    std::vector<std::uint8_t> image;  // empty when the load failed
};
// The designer's Open of `image` followed by Save: reset, read, refill, migrate, adopt the
// project's model, derive, write.
[[nodiscard]] UpgradedImage upgradeImage(std::span<const std::uint8_t> image, const texts::TextSource& texts,
                                         project::Model model);

int runInfo(const std::filesystem::path& input, std::ostream& out, std::ostream& err);

int runCheck(const std::filesystem::path& input, std::ostream& out, std::ostream& err);

struct ExportOptions
{
    std::filesystem::path input;
    std::optional<std::filesystem::path> output;  // standard output when absent
};
int runExport(const ExportOptions& options, std::ostream& out, std::ostream& err);

int runImport(const std::filesystem::path& input, const std::filesystem::path& output, std::ostream& out,
              std::ostream& err);

// Writes a complete language file of the built-in strings.
int runLanguageTemplate(const std::filesystem::path& output, std::ostream& out, std::ostream& err);

// One line per finding in a language file; ExitFindings when there is any.
int runLanguageCheck(const std::filesystem::path& input, std::ostream& out, std::ostream& err);

}  // namespace cli
