// SPDX-License-Identifier: MIT
// Shared fixtures of the CLI tests: a scratch folder, project images of every version and the
// commands run with their output caught.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/diff_command.h"
#include "project/file_format.h"
#include "project/file_version.h"
#include "support/project_fixtures.h"
#include "support/temp_folder.h"
#include "texts/text_source.h"

namespace cli::testing {

// A new project as the designer saves it.
inline std::vector<std::uint8_t> newImage(project::Model model = project::Model::Q720CE)
{
    const texts::BuiltinTextSource texts;
    return newProjectImage(texts, model);
}

// What a command returned and printed.
struct Outcome
{
    int status;
    std::string out;
    std::string err;
};

template <typename Command> Outcome run(Command command)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(out, err);
    return {status, out.str(), err.str()};
}

namespace fs = std::filesystem;
inline Outcome info(const fs::path& in)
{
    return run([&](auto& o, auto& e) { return runInfo(in, o, e); });
}
inline Outcome check(const fs::path& in)
{
    return run([&](auto& o, auto& e) { return runCheck(in, o, e); });
}
inline Outcome exportTo(const fs::path& in, const std::optional<fs::path>& out)
{
    return run([&](auto& o, auto& e) { return runExport({in, out}, o, e); });
}
inline Outcome import(const fs::path& in, const fs::path& out)
{
    return run([&](auto& o, auto& e) { return runImport(in, out, o, e); });
}
inline Outcome diff(const fs::path& a, const fs::path& b, bool json = false)
{
    return run([&](auto& o, auto& e) { return runDiff({a, b, json, {}, {}}, o, e); });
}
inline Outcome upgrade(const fs::path& in, const fs::path& out, project::Model model)
{
    return run([&](auto& o, auto& e) { return runUpgrade({in, out, model, std::nullopt}, o, e); });
}

// Every version a file may carry, one per layout and the gates in between.
inline const std::array<const char*, 9> AllVersions = {"Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.05", "Q720-1.09",
                                                       "Q720-1.11", "Q720-1.12", "Q720-1.13", "Q720-1.14"};

using testing_support::asVersion;

// Every byte random: the mirror must carry any content, not only what the editor writes.
inline std::vector<std::uint8_t> randomImage(const char* version, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> image(project::CurrentFileBytes);
    for (auto& b : image) {
        b = static_cast<std::uint8_t>(random());
    }
    return asVersion(std::move(image), version);
}

using ScratchFolder = testing_support::TempFolder;
using testing_support::readBytes;
using testing_support::readText;

}  // namespace cli::testing
