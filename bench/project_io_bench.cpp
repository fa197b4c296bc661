// SPDX-License-Identifier: MIT
// Targets: an in-memory round trip (save + open) within 4 times BM_CopyFileImage, the copy of
// one file's bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "project/defaults.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/runtime_texts.h"

namespace {

std::unique_ptr<project::Project> newProject()
{
    return project::startedProject(texts::BuiltinTextSource{}, project::Model::Q720CE);
}

// The floor of any round trip: one copy of a file's bytes.
void BM_CopyFileImage(benchmark::State& state)
{
    const auto source = project::serialiseProject(*newProject());
    std::vector<std::uint8_t> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyFileImage);

void BM_Serialise(benchmark::State& state)
{
    const auto p = newProject();
    for (auto _ : state) {
        auto bytes = project::serialiseProject(*p);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_Serialise);

void BM_Parse(benchmark::State& state)
{
    auto p = newProject();
    const auto bytes = project::serialiseProject(*p);
    for (auto _ : state) {
        auto result = project::parseProjectImage(bytes, *p);
        benchmark::DoNotOptimize(result.ok);
    }
}
BENCHMARK(BM_Parse);

// Save (derivation + image) and Open (read, refill, migration) in memory, with what every
// Open computes alike prepared once, as a batch of files has it.
void BM_SaveAndLoadRoundTrip(benchmark::State& state)
{
    const texts::BuiltinTextSource texts;
    const project::PreparedOpen prepared(texts, project::Model::Q720CE);
    auto p = prepared.startedProject();
    const project::LoadContext context = prepared.context();
    for (auto _ : state) {
        const auto bytes = project::saveProject(*p, project::Model::Q720CE);
        auto result = project::loadProject(bytes, *p, context);
        benchmark::DoNotOptimize(result.ok);
    }
}
BENCHMARK(BM_SaveAndLoadRoundTrip);

void BM_SaveAndOpenOnDisk(benchmark::State& state)
{
    auto p = newProject();
    const texts::BuiltinTextSource texts;
    const project::LoadContext context{texts, project::Model::Q720CE};
    const auto path = std::filesystem::temp_directory_path() / "formwright-bench.Q72";
    for (auto _ : state) {
        const auto bytes = project::saveProject(*p, project::Model::Q720CE);
        const auto written = project::writeFileAtomically(path, bytes);
        const auto read = project::readFilePrefix(path, project::CurrentFileBytes);
        auto result = project::loadProject(read.bytes, *p, context);
        benchmark::DoNotOptimize(written.ok && result.ok);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveAndOpenOnDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
