// SPDX-License-Identifier: MIT
// Shared fixtures for tests: fresh projects, file images of any version, text sources.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "project/defaults.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/project.h"
#include "project/runtime_texts.h"
#include "texts/builtin_strings.h"
#include "texts/text_source.h"

namespace testing_support {

// Built-in strings with some IDs overridden, as a loaded language would.
class OverrideTextSource final : public texts::TextSource
{
public:
    void set(int id, std::string text) { m_overrides[id] = std::move(text); }

    [[nodiscard]] std::string text(texts::StringId id) const override
    {
        const auto found = m_overrides.find(texts::value(id));
        if (found != m_overrides.end() && !found->second.empty()) {
            return found->second;
        }
        return texts::builtinString(id);
    }

private:
    std::map<int, std::string> m_overrides;
};

// The project as the designer has it after start-up: texts filled, then reset.
inline std::unique_ptr<project::Project> startedProject(project::Model model = project::Model::Q720CE,
                                                        const texts::TextSource& source = texts::BuiltinTextSource{})
{
    return project::startedProject(source, model);
}

// An older-version image as such a program wrote it: the magic, then the current layout cut to
// the size of that version.
inline std::vector<std::uint8_t> asVersion(std::vector<std::uint8_t> image, std::string_view magic)
{
    std::memset(image.data(), 0, project::MagicBytes);
    std::memcpy(image.data(), magic.data(), std::min<std::size_t>(magic.size(), project::MagicBytes));
    image.resize(project::fileSizeForVersion(project::FileMagic::of(magic)));
    return image;
}

inline std::string slotText(const project::Project& p, int block, int index)
{
    const auto slot = p.texts.textSlot(block, index);
    std::size_t n = 0;
    while (n < slot.size() && slot[n] != 0) {
        ++n;
    }
    return {reinterpret_cast<const char*>(slot.data()), n};
}

}  // namespace testing_support
