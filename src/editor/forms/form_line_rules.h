// SPDX-License-Identifier: MIT
// The rules of the Form page's grid that do not need the page: which controls of a line are
// enabled, what its link list offers, when a type change resets its properties and how the
// length edits read what is typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/records.h"

namespace texts {
class TextSource;
}

namespace editor::forms {

inline constexpr project::Byte MaxTypedLength = 160;
inline constexpr int LinksPerGroup = 12; // fields or variables per link group

// Which controls of a grid line accept input; the type list is handled by the MSQI rules.
struct LineEnabling
{
    bool prompt = false;
    bool inputSource = false;
    bool link = false;
    bool lengths = false;
    bool more = false;
};

// The enabling table of a line from its stored type (a "nil" line gets nothing).
[[nodiscard]] LineEnabling lineEnabling(const project::FormDef& form, int lineIndex);

// The type the link list is built for: on an MSQI form every used line below line 2 links
// into the lookup file.
[[nodiscard]] project::Byte effectiveLinkType(const project::FormDef& form, int lineIndex);

// Whether a link list of this effective type offers "-field" and "+field" entries.
[[nodiscard]] bool hasSignedFieldLinks(project::Byte effectiveType);

// The entries of a link list: "nil", then 12, 36 (signed fields or variables) entries.
[[nodiscard]] std::vector<std::string> linkListEntries(const texts::TextSource& texts, bool hasLookupFile,
                                                       project::Byte effectiveType);

// A stored signed-field link (13 to 36) on a line whose list offers only "field" entries
// becomes the field it names; every other link is returned as it is.
[[nodiscard]] project::Byte foldedLink(project::Byte link, bool hasLookupFile, project::Byte effectiveType);

// Whether changing a line's type from `oldType` to `newType` resets its properties.
[[nodiscard]] bool typeChangeResetsProperties(project::Byte oldType, project::Byte newType);


} // namespace editor::forms
