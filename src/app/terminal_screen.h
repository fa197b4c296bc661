// SPDX-License-Identifier: MIT
// The screen of the painted terminal: the preview's lines drawn into the picture's display.
#pragma once

#include <QPainter>
#include <QRect>

#include "editor/shell/terminal_preview.h"
#include "project/project.h"

namespace app {

// The display inside the screen's bezel, in panel coordinates.
[[nodiscard]] QRect terminalScreenArea();

// Draws the screen: a status line naming the screen and its scroll marks, the title line and
// the preview's rows, 30 characters wide in a fixed-pitch font.
void paintTerminalScreen(QPainter& painter, const editor::shell::PreviewScreen& screen, project::Model model);

}  // namespace app
