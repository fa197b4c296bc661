// SPDX-License-Identifier: MIT
#include "texts/preferences.h"

#include <algorithm>
#include <system_error>

#include "project/disk_file.h"

namespace texts {
namespace {

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> tokens;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end != 0) {
            tokens.push_back(text.substr(0, end));
        }
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return tokens;
}

// Every absolute path on Linux and macOS begins with "/", which sorts below "1", so only the
// length tells the model from a file.
bool isModelToken(std::string_view token) { return token.size() == 1; }

Model modelFromToken(std::string_view token)
{
    return token == "1" ? Model::Q720PPC : Model::Q720CE;
}

bool isOn(std::string_view token) { return token.front() != '0'; }

bool hasLineEnd(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// A recent file that would read back as itself: not a model token, not over-long, one line.
bool isStorableRecentFile(std::string_view path)
{
    return path.size() > 1 && path.size() <= MaxPathChars && !hasLineEnd(path);
}

void appendLine(std::vector<std::uint8_t>& out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back('\r');
}

}  // namespace

bool canOpenForReading(const std::string& path)
{
    // Only regular files: opening a pipe would block the start-up.
    const std::filesystem::path file = project::pathFromUtf8(path);
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec) && project::readFilePrefix(file, 0).ok;
}

Preferences parsePreferences(std::span<const std::uint8_t> bytes, const FileProbe& canOpen)
{
    Preferences prefs;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()),
                                std::min(bytes.size(), MaxPreferencesFileBytes));
    const std::vector<std::string_view> tokens = splitLines(text);
    std::size_t next = 0;
    const auto take = [&]() -> std::optional<std::string_view> {
        if (next >= tokens.size()) {
            return std::nullopt;
        }
        return tokens[next++];
    };

    if (const auto last = take(); last && last->size() <= MaxPathChars) {
        prefs.lastFile = std::string(*last);
    }
    if (const auto flag = take()) {
        prefs.isAutoPreloadOn = isOn(*flag);
    }
    if (const auto flag = take()) {
        prefs.isAlwaysOnTop = isOn(*flag);
    }
    if (const auto name = take()) {
        prefs.language = std::string(name->substr(0, MaxLanguageNameChars));
    }
    for (std::size_t files = 0; files < MaxRecentFiles; ++files) {
        const auto token = take();
        if (!token) {
            return prefs;
        }
        if (isModelToken(*token)) {
            prefs.model = modelFromToken(*token);
            return prefs;
        }
        if (token->size() <= MaxPathChars && canOpen(std::string(*token))) {
            prefs.recentFiles.emplace_back(*token);
        }
    }
    if (const auto token = take(); token && isModelToken(*token)) {
        prefs.model = modelFromToken(*token);
    }
    return prefs;
}

std::vector<std::uint8_t> serialisePreferences(const Preferences& prefs)
{
    const bool isLastFileUsable = !prefs.lastFile.empty() &&
                                  prefs.lastFile.size() <= MaxPathChars &&
                                  !hasLineEnd(prefs.lastFile);
    const std::string_view language =
        std::string_view(prefs.language).substr(0, MaxLanguageNameChars);
    const bool isLanguageUsable = !language.empty() && !hasLineEnd(language);

    std::vector<std::uint8_t> out;
    appendLine(out, isLastFileUsable ? std::string_view(prefs.lastFile) : UnknownLastFile);
    appendLine(out, prefs.isAutoPreloadOn ? "1" : "0");
    appendLine(out, prefs.isAlwaysOnTop ? "1" : "0");
    appendLine(out, isLanguageUsable ? language : BuiltinLanguageName);
    std::size_t written = 0;
    for (const std::string& path : prefs.recentFiles) {
        if (written < MaxRecentFiles && isStorableRecentFile(path)) {
            appendLine(out, path);
            ++written;
        }
    }
    appendLine(out, std::to_string(static_cast<int>(prefs.model)));
    return out;
}

std::filesystem::path preferencesFilePath(const std::filesystem::path& directory)
{
    return directory / std::string(PreferencesFileName);
}

Preferences readPreferences(const std::filesystem::path& file, const FileProbe& canOpen)
{
    const project::FileReadResult read = project::readFilePrefix(file, MaxPreferencesFileBytes);
    if (!read.ok) {
        return Preferences{};
    }
    return parsePreferences(read.bytes, canOpen);
}

bool writePreferences(const std::filesystem::path& file, const Preferences& preferences)
{
    return project::writeFileAtomically(file, serialisePreferences(preferences)).ok;
}

std::optional<std::string> fileToPreload(const Preferences& preferences)
{
    if (!preferences.isAutoPreloadOn || preferences.lastFile == UnknownLastFile ||
        preferences.lastFile.empty()) {
        return std::nullopt;
    }
    return preferences.lastFile;
}

}  // namespace texts
