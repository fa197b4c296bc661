// SPDX-License-Identifier: MIT
// Templates of the property sheet itself.
#pragma once

namespace ui {
struct DialogTemplate;
}

namespace resources {

enum class PendingPageId { NoticeLabel = 1001 };

// The stand-in for a page that this version does not offer yet: one line of notice, the size
// of the real pages so the sheet keeps its size.
extern const ui::DialogTemplate pendingPageTemplate;

} // namespace resources
