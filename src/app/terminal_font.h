// SPDX-License-Identifier: MIT
// The fixed-pitch font of the painted terminal's screen. It ships inside the program (DejaVu
// Sans Mono and its bold face, from src/app/fonts/), so that the screen's 6-pixel columns look
// alike on every desktop, whatever fonts the system has.
#pragma once

#include <QFont>

namespace app {

enum class TerminalWeight { Regular, Bold };

// Registers the shipped faces with Qt once; later calls only answer. Returns their family, or
// the family asked of the system ("DejaVu Sans Mono", else any fixed-pitch font) when they
// could not be loaded. Needs the QGuiApplication.
QString loadTerminalFont();

// The screen's font at `pixelSize`.
[[nodiscard]] QFont terminalFont(int pixelSize, TerminalWeight weight);

}  // namespace app
