// SPDX-License-Identifier: MIT
// The painted client of the main window: the terminal picture whose keys move when clicked.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

#include "editor/shell/panel_model.h"
#include "project/project.h"

namespace app {

class TerminalPictures;

class TerminalPanel : public QWidget
{
    Q_OBJECT

public:
    using ModelSource = std::function<project::Model()>;

    TerminalPanel(const TerminalPictures& pictures, ModelSource currentModel, QWidget* parent = nullptr);

    [[nodiscard]] const editor::PanelModel& panelModel() const { return m_panel; }

signals:
    // The popup menu is wanted at this screen position.
    void popupRequested(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TerminalPictures& m_pictures;
    ModelSource m_currentModel;
    editor::PanelModel m_panel;
    bool m_isDragging = false;
    QPoint m_dragOffset;
};

}  // namespace app
