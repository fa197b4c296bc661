// SPDX-License-Identifier: MIT
// The lookup files as the other pages of the open property sheet see them: the Lookup page's
// published copy while that page exists, block 3 before it does.
#pragma once

#include <array>

#include "project/project.h"

namespace editor {

using LookupSet = std::array<project::LookupDef, project::MaxLookups>;

class PublishedLookups
{
public:
    explicit PublishedLookups(const project::Project& project) : m_project(&project) {}

    [[nodiscard]] const LookupSet& lookups() const
    {
        return m_published != nullptr ? *m_published : m_project->lookups;
    }
    [[nodiscard]] const project::LookupDef& lookup(int number) const
    {
        return lookups()[static_cast<std::size_t>(number - 1)];
    }

    // The Lookup page names the copy it publishes when it is created, and nullptr when it goes.
    void publish(const LookupSet* published) { m_published = published; }

private:
    const project::Project* m_project;
    const LookupSet* m_published = nullptr;
};

} // namespace editor
