// SPDX-License-Identifier: MIT
// What the mouse does on the painted terminal: keys that move, the menu key, dragging by the
// body. The painted view asks this model what to draw and what to do.
#pragma once

#include <optional>

#include "editor/shell/panel_layout.h"

namespace editor::shell {

class PanelModel
{
public:
    enum class PressAction { None, PressKey, DragWindow };

    // Left button down: a key is pressed and remembered; outside the keys the window is dragged.
    PressAction leftButtonDown(PanelPoint point);

    // Left button up: the key goes up. Returns where the popup menu opens (window coordinates)
    // when the key released was the menu key.
    std::optional<PanelPoint> leftButtonUp();

    // The key image to draw over the background: a moving key (1 to 25) that was pressed last,
    // shown pressed while the button is down and released afterwards.
    [[nodiscard]] std::optional<int> drawnKey() const;
    [[nodiscard]] bool isKeyDown() const { return m_isKeyDown; }

private:
    std::optional<int> m_rememberedKey;
    bool m_isKeyDown = false;
};

}  // namespace editor::shell
