// SPDX-License-Identifier: MIT
#include "editor/pending_page.h"

#include "resources/sheet_templates.h"

namespace editor {

CreatedPage createPendingPage() { return {&resources::pendingPageTemplate, std::make_unique<PendingPage>()}; }

} // namespace editor
