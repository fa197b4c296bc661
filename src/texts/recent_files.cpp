// SPDX-License-Identifier: MIT
#include "texts/recent_files.h"

#include <algorithm>
#include <vector>

namespace texts {
namespace {

constexpr std::size_t WholePathChars = 40;
constexpr std::size_t HeadChars = 15;
constexpr std::size_t TailChars = 22;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offsets where characters start, so that a shortened UTF-8 path keeps whole characters.
std::vector<std::size_t> characterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuationByte(text[i])) {
            starts.push_back(i);
        }
    }
    return starts;
}

std::string shortened(std::string_view path)
{
    const std::vector<std::size_t> starts = characterStarts(path);
    if (starts.size() <= WholePathChars) {
        return std::string(path);
    }
    const std::size_t headEnd = starts[HeadChars];
    const std::size_t tailBegin = starts[starts.size() - TailChars];
    return std::string(path.substr(0, headEnd)) + "..." + std::string(path.substr(tailBegin));
}

bool isStorable(std::string_view path)
{
    return path.size() > 1 && path.size() <= MaxPathChars &&
           path.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

bool rememberRecentFile(Preferences& preferences, std::string_view path)
{
    preferences.lastFile = std::string(path);
    if (!isStorable(path)) {
        return false;
    }
    auto& list = preferences.recentFiles;
    std::erase(list, path);
    list.insert(list.begin(), std::string(path));
    if (list.size() > MaxRecentFiles) {
        list.resize(MaxRecentFiles);
    }
    return true;
}

std::string recentFileMenuLabel(int number, std::string_view path)
{
    std::string label = "&" + std::to_string(number) + ":  ";
    for (const char c : shortened(path)) {
        if (c == '&') {
            label += '&';
        }
        label += c;
    }
    return label;
}

}  // namespace texts
