// SPDX-License-Identifier: MIT
// The preferences file is rewritten by the program and edited by hand. Whatever it holds,
// reading it must not crash and must give values within the record's limits; what the
// program then writes must read back as the same preferences.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "texts/language.h"
#include "texts/preferences.h"

namespace {

// Recent files are kept only while they exist. The harness must not touch the disk, so a
// path "exists" unless it holds an 'X': a fixed answer for each path, as a real disk gives
// between two reads.
bool pathExists(const std::string& path) { return path.find('X') == std::string::npos; }

void checkLimits(const texts::Preferences& prefs)
{
    FUZZ_CHECK(!prefs.lastFile.empty() && prefs.lastFile.size() <= texts::MaxPathChars, "last file outside its slot");
    FUZZ_CHECK(prefs.language.size() <= texts::MaxLanguageNameChars, "language name longer than its slot");
    FUZZ_CHECK(prefs.recentFiles.size() <= texts::MaxRecentFiles, "more recent files than the list holds");
    for (const std::string& path : prefs.recentFiles) {
        FUZZ_CHECK(path.size() <= texts::MaxPathChars, "recent file longer than its slot");
        FUZZ_CHECK(pathExists(path), "a missing recent file was kept");
    }
    FUZZ_CHECK(prefs.model == texts::Model::Q720CE || prefs.model == texts::Model::Q720PPC, "unknown model");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const texts::Preferences read = texts::parsePreferences(std::span(data, size), pathExists);
    checkLimits(read);

    const std::vector<std::uint8_t> written = texts::serialisePreferences(read);
    const texts::Preferences reread = texts::parsePreferences(written, pathExists);
    FUZZ_CHECK(reread == read, "the written preferences do not read back as the same values");
    FUZZ_CHECK(texts::serialisePreferences(reread) == written, "writing the preferences twice gives other bytes");
    return 0;
}
