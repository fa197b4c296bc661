// SPDX-License-Identifier: MIT
// The pictures of the painted terminal, drawn once in code: one background per terminal model
// and a pressed and a released image of each moving key.
#pragma once

#include <QPixmap>

#include "project/project.h"

namespace app {

enum class KeyLook { Pressed, Released };

class TerminalPictures
{
public:
    TerminalPictures();

    // 260 x 638: the terminal with all keys up and its display empty, its model named below it.
    [[nodiscard]] const QPixmap& background(project::Model model) const;

    // The image of key 1 to 25, drawn with its top-left corner at the key's image position.
    [[nodiscard]] const QPixmap& key(int number, KeyLook look) const;

private:
    QPixmap m_backgrounds[2];
    QPixmap m_pressed[25];
    QPixmap m_released[25];
};

// The program icon: a small terminal.
[[nodiscard]] QPixmap programIconPixmap(int size);

}  // namespace app
