// SPDX-License-Identifier: MIT
// What the designer's commands ask of the main window, beyond the dialogs of ui::Host.
#pragma once

namespace editor::shell {

struct EditorSession;

class ShellView
{
public:
    virtual ~ShellView() = default;

    // Places the window at its start position, above all others when `isAlwaysOnTop`.
    virtual void placeWindow(bool isAlwaysOnTop) = 0;
    // Paints the terminal again (its picture follows the model preference).
    virtual void repaintPanel() = 0;
    // The popup menu's items changed (recent files, language): build it again.
    virtual void rebuildPopupMenu() = 0;
    // Exit: close the main window, which asks the designer whether it may.
    virtual void closeWindow() = 0;
    // Edit: runs the editor property sheet modally on the session.
    virtual void runEditorSheet(EditorSession& session) = 0;
};

}  // namespace editor::shell
