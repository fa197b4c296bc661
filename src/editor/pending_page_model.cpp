// SPDX-License-Identifier: MIT
#include "editor/pending_page_model.h"

#include "resources/sheet_templates.h"

namespace editor {

CreatedPage createPendingPage()
{
    return {&resources::pendingPageTemplate(), std::make_unique<PendingPageModel>()};
}

} // namespace editor
