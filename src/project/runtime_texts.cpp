// SPDX-License-Identifier: MIT
#include "project/runtime_texts.h"

#include <algorithm>
#include <cstring>

#include "texts/builtin_strings.h"

namespace project {

namespace {
// The fill loads a text into a 161-byte buffer: at most 160 characters of a language entry,
// at most 159 of a built-in string. Slots are narrower, so only the slot's cut matters here.
constexpr std::size_t WorkBufferChars = 160;

}  // namespace

void fillSlot(Project& project, int block, int index, const texts::TextSource& source)
{
    const auto& table = textTable(block);
    std::string text = source.text(texts::sid(table.firstId + index));
    text.resize(std::min(text.size(), WorkBufferChars));
    const auto maxChars = static_cast<std::size_t>(table.width - 1);
    const std::size_t n = std::min(text.size(), maxChars);
    auto slot = project.texts.textSlot(block, index);
    std::memcpy(slot.data(), text.data(), n);
    slot[n] = 0;
}

void fillTable(Project& project, int block, const texts::TextSource& source)
{
    const auto& table = textTable(block);
    for (int i = 0; i < table.count; ++i) {
        fillSlot(project, block, i, source);
    }
}

void fillAllTables(Project& project, const texts::TextSource& source)
{
    for (int block = FirstTextBlock; block <= LastTextBlock; ++block) {
        fillTable(project, block, source);
    }
}

void fillSecondGroup(Project& project, const texts::TextSource& source)
{
    for (int block = 47; block <= LastTextBlock; ++block) {
        fillTable(project, block, source);
    }
}

}  // namespace project
