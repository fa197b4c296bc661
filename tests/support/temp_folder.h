// SPDX-License-Identifier: MIT
// A fresh folder per test, removed afterwards, whole-file reads, and the inputs that once broke
// a fuzz harness, kept in fuzz/regressions/<harness>/ so that the normal and the sanitizer test
// builds replay them too.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace testing_support {

class TempFolder
{
public:
    // A random name: two test runs at once never share a folder.
    TempFolder() { std::filesystem::create_directories(m_path); }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] std::filesystem::path file(const std::string& name) const { return m_path / name; }

    std::filesystem::path write(const std::string& name, std::span<const std::uint8_t> bytes) const
    {
        std::ofstream(file(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file(name);
    }
    std::filesystem::path write(const std::string& name, std::string_view text) const
    {
        return write(name, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }

private:
    std::filesystem::path m_path =
        std::filesystem::temp_directory_path() /
        ("fw-test-" + std::to_string(std::random_device{}()) + std::to_string(std::random_device{}()));
};

inline std::string readText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& file)
{
    const std::string text = readText(file);
    return {text.begin(), text.end()};
}

struct KeptInput
{
    std::string name;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<KeptInput> keptFuzzInputs(const std::string& harness)
{
    std::vector<KeptInput> inputs;
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(FORMWRIGHT_FUZZ_REGRESSIONS) / harness, error)) {
        if (entry.is_regular_file()) {
            inputs.push_back({entry.path().filename().string(), readBytes(entry.path())});
        }
    }
    std::sort(inputs.begin(), inputs.end(), [](const KeptInput& a, const KeptInput& b) { return a.name < b.name; });
    return inputs;
}

}  // namespace testing_support
