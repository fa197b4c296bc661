// SPDX-License-Identifier: MIT
#include "texts/builtin_strings.h"

#include <array>
#include <optional>

#include "texts/text_source.h"

namespace texts {
namespace {

struct Index
{
    std::array<std::optional<std::string_view>, MaxStringId + 1> byId;
};

const Index& index()
{
    static const Index built = [] {
        Index ix;
        for (const auto table : {runtimeTableStrings(), programStrings()}) {
            for (const StringEntry& e : table) {
                if (e.id >= 0 && e.id <= MaxStringId) {
                    ix.byId[static_cast<std::size_t>(e.id)] = e.text;
                }
            }
        }
        return ix;
    }();
    return built;
}

}  // namespace

bool hasBuiltinString(StringId id)
{
    const int n = value(id);
    return n >= 0 && n <= MaxStringId && index().byId[static_cast<std::size_t>(n)].has_value();
}

std::string builtinString(StringId id)
{
    if (!hasBuiltinString(id)) {
        return {};
    }
    std::string text(*index().byId[static_cast<std::size_t>(value(id))]);
    if (const int width = runtimeTextSlotWidth(value(id)); width > 0) {
        const auto maxChars = static_cast<std::size_t>(width - 1);
        if (text.size() < maxChars) {
            text.append(maxChars - text.size(), ' ');
        }
    }
    return text;
}

std::string BuiltinTextSource::text(StringId id) const { return builtinString(id); }

}  // namespace texts
