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

// Harness folder name -> its seeds.
[[nodiscard]] std::map<std::string, std::vector<Seed>> allCorpora();

}  // namespace fuzz_seeds
