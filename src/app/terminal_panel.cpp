// SPDX-License-Identifier: MIT
#include "app/terminal_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/terminal_pictures.h"
#include "app/terminal_screen.h"

namespace app {

TerminalPanel::TerminalPanel(const TerminalPictures& pictures, ModelSource currentModel, ScreenSource currentScreen,
                             QWidget* parent)
    : QWidget(parent), m_pictures(pictures), m_currentModel(std::move(currentModel)),
      m_currentScreen(std::move(currentScreen))
{
    setFixedSize(editor::shell::PanelWidth, editor::shell::PanelHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TerminalPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const project::Model model = m_currentModel();
    painter.drawPixmap(0, 0, m_pictures.background(model));
    if (m_currentScreen) {
        paintTerminalScreen(painter, m_currentScreen(), model);
    }
    if (const std::optional<int> key = m_panel.drawnKey()) {
        const editor::shell::PanelKey* layout = editor::shell::findPanelKey(*key);
        const KeyLook look = m_panel.isKeyDown() ? KeyLook::Pressed : KeyLook::Released;
        painter.drawPixmap(layout->image.x, layout->image.y, m_pictures.key(*key, look));
    }
}

void TerminalPanel::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        emit popupRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    switch (m_panel.leftButtonDown(editor::shell::PanelPoint{at.x(), at.y()})) {
    case editor::shell::PanelModel::PressAction::PressKey:
        update();
        // The pressed key is the one drawn now; the menu key has no image and drives nothing.
        if (const std::optional<int> key = m_panel.drawnKey()) {
            if (const std::optional<editor::shell::PreviewKey> previewKey = editor::shell::previewKeyOfPanelKey(*key)) {
                emit previewKeyPressed(*previewKey);
            }
        }
        break;
    case editor::shell::PanelModel::PressAction::DragWindow:
        // Dragged by its body: the window has no caption to grab.
        m_isDragging = true;
        m_dragOffset = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
        break;
    case editor::shell::PanelModel::PressAction::None:
        break;
    }
}

void TerminalPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (m_isDragging && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - m_dragOffset);
    }
}

void TerminalPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_isDragging = false;
    const std::optional<editor::shell::PanelPoint> menuAt = m_panel.leftButtonUp();
    update();
    if (menuAt) {
        emit popupRequested(mapToGlobal(QPoint(menuAt->x, menuAt->y)));
    }
}

}  // namespace app
