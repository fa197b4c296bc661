// SPDX-License-Identifier: MIT
// The painted client of the main window: the terminal picture whose keys move when clicked,
// its screen showing the preview of the project.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

#include "editor/shell/panel_model.h"
#include "editor/shell/terminal_preview.h"
#include "project/project.h"

namespace app {

class TerminalPictures;

class TerminalPanel : public QWidget
{
    Q_OBJECT

public:
    using ModelSource = std::function<project::Model()>;
    using ScreenSource = std::function<editor::shell::PreviewScreen()>;

    TerminalPanel(const TerminalPictures& pictures, ModelSource currentModel, ScreenSource currentScreen = {},
                  QWidget* parent = nullptr);

    [[nodiscard]] const editor::shell::PanelModel& panelModel() const { return m_panel; }

signals:
    // The popup menu is wanted at this screen position.
    void popupRequested(QPoint globalPosition);
    // A painted key that drives the preview went down.
    void previewKeyPressed(editor::shell::PreviewKey key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TerminalPictures& m_pictures;
    ModelSource m_currentModel;
    ScreenSource m_currentScreen;
    editor::shell::PanelModel m_panel;
    bool m_isDragging = false;
    QPoint m_dragOffset;
};

}  // namespace app
