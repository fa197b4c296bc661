// SPDX-License-Identifier: MIT
// The inputs that once broke a fuzz harness, kept in fuzz/regressions/<harness>/ so that the
// normal and the sanitizer test builds replay them too.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testing_support {

struct KeptInput
{
    std::string name;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<KeptInput> keptFuzzInputs(const std::string& harness)
{
    std::vector<KeptInput> inputs;
    const std::filesystem::path folder = std::filesystem::path(FORMWRIGHT_FUZZ_REGRESSIONS) / harness;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.push_back({entry.path().filename().string(),
                          {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    std::sort(inputs.begin(), inputs.end(), [](const KeptInput& a, const KeptInput& b) { return a.name < b.name; });
    return inputs;
}

}  // namespace testing_support
