// SPDX-License-Identifier: MIT
#include "editor/shell/panel_model.h"

#include <gtest/gtest.h>

namespace editor::shell {
namespace {

TEST(PanelModel, PressingAKeyShowsItDownUntilTheButtonGoesUp)
{
    PanelModel panel;
    EXPECT_FALSE(panel.leftButtonUp().has_value());  // a release without a press does nothing
    EXPECT_FALSE(panel.drawnKey().has_value());
    EXPECT_EQ(panel.leftButtonDown({81, 494}), PanelModel::PressAction::PressKey);
    EXPECT_EQ(panel.drawnKey(), 11);
    EXPECT_TRUE(panel.isKeyDown());
    EXPECT_FALSE(panel.leftButtonUp().has_value());
    EXPECT_EQ(panel.drawnKey(), 11);  // stays remembered, now drawn released
    EXPECT_FALSE(panel.isKeyDown());
}

TEST(PanelModel, MenuKeyOpensThePopupAtItsImageWhenReleased)
{
    PanelModel panel;
    EXPECT_EQ(panel.leftButtonDown({170, 580}), PanelModel::PressAction::PressKey);
    EXPECT_FALSE(panel.drawnKey().has_value());  // the menu key has no moving image
    const std::optional<PanelPoint> at = panel.leftButtonUp();
    ASSERT_TRUE(at.has_value());
    EXPECT_EQ(at->x, 158);
    EXPECT_EQ(at->y, 571);
}

}  // namespace
}  // namespace editor::shell
