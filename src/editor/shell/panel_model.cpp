// SPDX-License-Identifier: MIT
#include "editor/shell/panel_model.h"

namespace editor::shell {

PanelModel::PressAction PanelModel::leftButtonDown(PanelPoint point)
{
    const std::optional<int> key = hitTestKey(point);
    if (!key) {
        return PressAction::DragWindow;
    }
    m_rememberedKey = key;
    m_isKeyDown = true;
    return PressAction::PressKey;
}

std::optional<PanelPoint> PanelModel::leftButtonUp()
{
    if (!m_isKeyDown) {
        return std::nullopt;
    }
    m_isKeyDown = false;
    if (m_rememberedKey == MenuKeyNumber) {
        return findPanelKey(MenuKeyNumber)->image;
    }
    return std::nullopt;
}

std::optional<int> PanelModel::drawnKey() const
{
    if (m_rememberedKey && *m_rememberedKey >= 1 && *m_rememberedKey <= MovingKeyCount) {
        return m_rememberedKey;
    }
    return std::nullopt;
}

}  // namespace editor::shell
