// SPDX-License-Identifier: MIT
#include "editor/shell/panel_layout.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

namespace editor {
namespace {

TEST(PanelLayout, EveryKeyIsHitInsideItsBoundsAndDrawnInsideThePicture)
{
    const auto keys = panelKeys();
    ASSERT_EQ(keys.size(), static_cast<std::size_t>(MovingKeyCount) + 1);
    EXPECT_EQ(keys.back().number, MenuKeyNumber);
    for (const PanelKey& key : keys) {
        SCOPED_TRACE(key.number);
        EXPECT_EQ(findPanelKey(key.number), &key);
        EXPECT_EQ(hitTestKey({key.left, key.top}), key.number);
        EXPECT_EQ(hitTestKey({key.right, key.bottom}), key.number);
        EXPECT_NE(hitTestKey({key.right + 1, key.bottom}), std::optional<int>(key.number));
        EXPECT_GT(key.imageWidth(), 0);
        EXPECT_GT(key.imageHeight(), 0);
        EXPECT_LE(key.image.x + key.imageWidth(), PanelWidth);
        EXPECT_LE(key.image.y + key.imageHeight(), PanelHeight);
    }
}

TEST(PanelLayout, GapsTheScreenAndUnknownNumbersFindNoKey)
{
    for (const PanelPoint at : {PanelPoint{96, 494}, PanelPoint{130, 150}, PanelPoint{0, 0}, PanelPoint{130, 478}}) {
        EXPECT_FALSE(hitTestKey(at).has_value()) << at.x << "," << at.y;
    }
    EXPECT_EQ(findPanelKey(0), nullptr);
    EXPECT_EQ(findPanelKey(26), nullptr);
}

}  // namespace
}  // namespace editor
