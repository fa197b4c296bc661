// SPDX-License-Identifier: MIT
#include "texts/language_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "project/disk_file.h"

namespace texts {
namespace {

// The name sits on the first line; a name longer than the slot is cut anyway.
constexpr std::size_t NameProbeBytes = 260;

// A language file larger than this is not a language file: 4000 entries of 160 characters
// with their IDs fit with room to spare.
constexpr std::size_t MaxLanguageFileBytes = 4u * 1024u * 1024u;

bool hasLanguageExtension(const std::filesystem::path& path)
{
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".lng";
}

std::vector<std::filesystem::path> languageFilesIn(const std::filesystem::path& directory)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    std::filesystem::directory_iterator it(directory, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (hasLanguageExtension(it->path()) && !it->is_directory(typeError)) {
            files.push_back(it->path());
        }
    }
    // Directory order differs between file systems; the list should not.
    std::sort(files.begin(), files.end());
    return files;
}

// Lists the file's language unless the file can't be read, has no usable name, or repeats a
// name that an earlier folder (the entries before `folderStart`) already lists.
void addLanguage(LanguageList& list, const std::filesystem::path& path, std::size_t folderStart)
{
    // One unreadable file costs only its own entry. Only regular files are opened: a pipe
    // would block the start-up.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return;
    }
    const project::FileReadResult head = project::readFilePrefix(path, NameProbeBytes);
    if (!head.ok) {
        return;
    }
    std::string name = languageNameFromBytes(head.bytes);
    if (name.empty() || name == BuiltinLanguageName) {
        return;
    }
    const auto earlierFolders = list.entries.begin() + static_cast<std::ptrdiff_t>(folderStart);
    if (std::any_of(list.entries.begin(), earlierFolders, [&](const LanguageListEntry& e) { return e.name == name; })) {
        return;
    }
    list.entries.push_back({std::move(name), path});
}

}  // namespace

std::vector<std::string> LanguageList::names() const
{
    std::vector<std::string> result;
    result.reserve(entries.size());
    for (const LanguageListEntry& e : entries) {
        result.push_back(e.name);
    }
    return result;
}

LanguageList enumerateLanguages(const std::filesystem::path& directory)
{
    return enumerateLanguages(std::span<const std::filesystem::path>(&directory, 1));
}

LanguageList enumerateLanguages(std::span<const std::filesystem::path> folders)
{
    LanguageList list;
    for (const std::filesystem::path& folder : folders) {
        const std::size_t folderStart = list.entries.size();
        for (const std::filesystem::path& path : languageFilesIn(folder)) {
            list.hasLanguageFiles = true;
            if (list.entries.size() >= MaxLanguages) {
                break;
            }
            addLanguage(list, path, folderStart);
        }
    }
    return list;
}

bool loadLanguage(LanguageTable& table, const LanguageList& list, std::string_view name)
{
    for (const LanguageListEntry& e : list.entries) {
        if (e.name != name) {
            continue;
        }
        // A file too large to be a language is passed over whole rather than half-loaded.
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(e.path, ec);
        if (ec || size == 0 || size > MaxLanguageFileBytes) {
            continue;
        }
        const project::FileReadResult file =
            project::readFilePrefix(e.path, static_cast<std::size_t>(size));
        if (!file.ok || file.bytes.empty() || file.totalBytes != size) {
            continue;
        }
        table.apply(parseLanguageFile(file.bytes));
        return true;
    }
    table.unload();
    return false;
}

bool loadLanguage(LanguageTable& table, const std::filesystem::path& directory,
                  std::string_view name)
{
    return loadLanguage(table, enumerateLanguages(directory), name);
}

}  // namespace texts
