// SPDX-License-Identifier: MIT
// The seed inputs of the harnesses, built from the program's own defaults and texts.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fuzz_seeds {

struct Seed
{
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// Project files of every version: a fresh project and a busy one that reaches every branch
// of the derivation and migration.
[[nodiscard]] std::vector<Seed> projectFileSeeds();

// Language files: the built-in texts as a full language file, a translated one with line
// feeds only, and small files at the edges of the format.
[[nodiscard]] std::vector<Seed> languageFileSeeds();

// Preferences files as the program writes them, and hand-edited ones.
[[nodiscard]] std::vector<Seed> preferencesFileSeeds();

// Harness folder name -> its seeds.
[[nodiscard]] std::map<std::string, std::vector<Seed>> allCorpora();

}  // namespace fuzz_seeds
