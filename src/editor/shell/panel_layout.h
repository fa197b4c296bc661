// SPDX-License-Identifier: MIT
// Geometry of the terminal-shaped main window: its outline, its place on the screen and the
// keys of the painted picture.
#pragma once

#include <optional>
#include <span>

namespace editor::shell {

struct PanelPoint
{
    int x = 0;
    int y = 0;
};

inline constexpr int PanelWidth = 260;
inline constexpr int PanelHeight = 638;
inline constexpr PanelPoint WindowPosition{300, 50};

// The number of the menu key: it opens the popup menu instead of only moving.
inline constexpr int MenuKeyNumber = 51;
inline constexpr int MovingKeyCount = 25;

// One key of the picture: the area that takes clicks (both bounds included) and where its
// pressed and released images are drawn.
struct PanelKey
{
    int number;
    int left;
    int right;
    int top;
    int bottom;
    PanelPoint image;

    [[nodiscard]] constexpr bool contains(PanelPoint p) const
    {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
    // A key image reaches from its position to two pixels beyond the click area, so that the
    // rim of the key shows around it.
    [[nodiscard]] constexpr int imageWidth() const { return right + 3 - image.x; }
    [[nodiscard]] constexpr int imageHeight() const { return bottom + 3 - image.y; }
};

// Keys 1 to 25, then the menu key, in the order the hit test tries them.
[[nodiscard]] std::span<const PanelKey> panelKeys();

// The key with this number (1 to 25 or the menu key); nullptr for any other number.
[[nodiscard]] const PanelKey* findPanelKey(int number);

// The first key whose area holds the point, in table order.
[[nodiscard]] std::optional<int> hitTestKey(PanelPoint point);

// The 185 corners of the terminal's silhouette in window coordinates; filled with the winding
// rule.
[[nodiscard]] std::span<const PanelPoint> windowOutline();

}  // namespace editor::shell
