// SPDX-License-Identifier: MIT
// Stands in for the property sheet until it is built: delete this file when the real
// runEditorSheet() is defined.
#include "editor/shell/editor_session.h"

namespace editor {

void runEditorSheet(EditorSession& session)
{
    session.host.warning(texts::sid(2602), texts::sid(2804));
}

}  // namespace editor
