// SPDX-License-Identifier: MIT
// Writes the seed corpus of every harness: project files of every version, busy and plain,
// and the small text inputs. Generated at build time so the repository carries no binaries.
//
//   formwright-fuzz-seeds <output directory>
//
// Creates one folder per harness below the output directory.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "seed_inputs.h"

namespace {

namespace fs = std::filesystem;

bool writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool writeCorpus(const fs::path& root, const std::string& harness, const std::vector<fuzz_seeds::Seed>& seeds)
{
    const fs::path folder = root / harness;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return false;
    }
    for (const fuzz_seeds::Seed& seed : seeds) {
        if (!writeFile(folder / seed.name, seed.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", (folder / seed.name).c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    for (const auto& [harness, seeds] : fuzz_seeds::allCorpora()) {
        if (!writeCorpus(root, harness, seeds)) {
            return 1;
        }
    }
    return 0;
}
