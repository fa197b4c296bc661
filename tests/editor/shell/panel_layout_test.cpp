// SPDX-License-Identifier: MIT
#include "editor/shell/panel_layout.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TEST(PanelLayout, OutlineHasAllCornersFromTopLeftAroundToTopRight)
{
    const auto outline = windowOutline();
    ASSERT_EQ(outline.size(), 185U);
    EXPECT_EQ(outline.front().x, 71);
    EXPECT_EQ(outline.front().y, 0);
    EXPECT_EQ(outline.back().x, 185);
    EXPECT_EQ(outline.back().y, 0);
    for (const PanelPoint& p : outline) {
        EXPECT_GE(p.x, 0);
        EXPECT_LT(p.x, PanelWidth);
        EXPECT_GE(p.y, 0);
        EXPECT_LT(p.y, PanelHeight);
    }
}

TEST(PanelLayout, TableHoldsTwentyFiveMovingKeysThenTheMenuKey)
{
    const auto keys = panelKeys();
    ASSERT_EQ(keys.size(), 26U);
    for (int i = 0; i < MovingKeyCount; ++i) {
        EXPECT_EQ(keys[static_cast<std::size_t>(i)].number, i + 1);
    }
    EXPECT_EQ(keys.back().number, MenuKeyNumber);
    EXPECT_EQ(keys.back().image.x, 158);
    EXPECT_EQ(keys.back().image.y, 571);
}

TEST(PanelLayout, BoundsOfEveryKeyHitThatKeyAndImagesStayInsideThePicture)
{
    for (const PanelKey& key : panelKeys()) {
        SCOPED_TRACE(key.number);
        EXPECT_EQ(hitTestKey({key.left, key.top}), key.number);
        EXPECT_EQ(hitTestKey({key.right, key.bottom}), key.number);
        EXPECT_NE(hitTestKey({key.right + 1, key.bottom}), std::optional<int>(key.number));
        EXPECT_GT(key.imageWidth(), 0);
        EXPECT_GT(key.imageHeight(), 0);
        EXPECT_LE(key.image.x + key.imageWidth(), PanelWidth);
        EXPECT_LE(key.image.y + key.imageHeight(), PanelHeight);
    }
}

TEST(PanelLayout, KeypadRowsSitAtTheirOwnHeights)
{
    EXPECT_EQ(hitTestKey({81, 494}), 11);
    EXPECT_EQ(hitTestKey({171, 524}), 18);
    EXPECT_EQ(hitTestKey({111, 566}), 20);
    EXPECT_EQ(hitTestKey({141, 573}), 25);
    EXPECT_EQ(hitTestKey({182, 594}), MenuKeyNumber);
    EXPECT_EQ(findPanelKey(12)->image.x, 98);
    EXPECT_EQ(findPanelKey(17)->image.y, 512);
}

TEST(PanelLayout, GapsBetweenKeysAndTheScreenHitNothing)
{
    EXPECT_FALSE(hitTestKey({96, 494}).has_value());
    EXPECT_FALSE(hitTestKey({130, 150}).has_value());
    EXPECT_FALSE(hitTestKey({0, 0}).has_value());
    EXPECT_FALSE(hitTestKey({130, 478}).has_value());
}

TEST(PanelLayout, NoUnknownNumberFindsAKey)
{
    EXPECT_EQ(findPanelKey(0), nullptr);
    EXPECT_EQ(findPanelKey(26), nullptr);
    EXPECT_NE(findPanelKey(MenuKeyNumber), nullptr);
}

}  // namespace
}  // namespace editor
