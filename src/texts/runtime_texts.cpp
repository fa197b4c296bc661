// SPDX-License-Identifier: MIT
#include "texts/runtime_texts.h"

#include <algorithm>
#include <cstring>

namespace texts {

namespace {
// The fill loads a text into a 161-byte buffer: at most 160 characters of a language entry,
// at most 159 of a built-in string. Slots are narrower, so only the slot's cut matters here.
constexpr std::size_t WorkBufferChars = 160;
}  // namespace

void fillSlot(project::Project& project, int block, int index, const TextSource& source)
{
    const auto& table = project::textTable(block);
    std::string text = source.text(sid(table.firstId + index));
    text.resize(std::min(text.size(), WorkBufferChars));
    const auto maxChars = static_cast<std::size_t>(table.width - 1);
    const std::size_t n = std::min(text.size(), maxChars);
    auto slot = project.texts.slot(block, index);
    std::memcpy(slot.data(), text.data(), n);
    slot[n] = 0;
}

void fillTable(project::Project& project, int block, const TextSource& source)
{
    const auto& table = project::textTable(block);
    for (int i = 0; i < table.count; ++i) {
        fillSlot(project, block, i, source);
    }
}

void fillAllTables(project::Project& project, const TextSource& source)
{
    for (int block = project::FirstTextBlock; block <= project::LastTextBlock; ++block) {
        fillTable(project, block, source);
    }
}

void fillSecondGroup(project::Project& project, const TextSource& source)
{
    for (int block = 47; block <= project::LastTextBlock; ++block) {
        fillTable(project, block, source);
    }
}

}  // namespace texts
