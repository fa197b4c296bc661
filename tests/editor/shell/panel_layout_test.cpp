// SPDX-License-Identifier: MIT
#include "editor/shell/panel_layout.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

namespace editor {
namespace {

TEST(PanelLayout, OutlineIsTheTerminalSilhouetteInOrder)
{
    const std::pair<int, int> expected[] = {
        {71, 0}, {60, 1}, {51, 2}, {44, 3}, {35, 4}, {34, 5}, {33, 6}, {32, 7}, {31, 9}, {30, 11}, {29, 13},
        {28, 14}, {27, 17}, {26, 19}, {25, 21}, {24, 23}, {23, 25}, {22, 27}, {18, 27}, {15, 28}, {14, 29}, {13, 31},
        {12, 32}, {11, 33}, {10, 34}, {9, 36}, {8, 37}, {7, 39}, {6, 51}, {5, 57}, {4, 70}, {3, 83}, {2, 101},
        {1, 111}, {0, 130}, {0, 216}, {1, 233}, {2, 240}, {3, 251}, {4, 263}, {5, 272}, {6, 276}, {7, 283}, {8, 291},
        {9, 295}, {10, 301}, {11, 307}, {12, 311}, {13, 316}, {14, 321}, {15, 325}, {16, 328}, {17, 334}, {18, 338},
        {19, 340}, {20, 345}, {21, 349}, {22, 353}, {23, 355}, {24, 360}, {25, 364}, {26, 365}, {27, 369}, {28, 374},
        {29, 377}, {30, 382}, {31, 387}, {32, 393}, {33, 396}, {34, 404}, {35, 615}, {36, 619}, {37, 622}, {39, 623},
        {40, 624}, {41, 625}, {42, 626}, {44, 627}, {46, 628}, {52, 629}, {57, 630}, {63, 631}, {69, 632}, {73, 633},
        {73, 635}, {74, 636}, {87, 636}, {101, 636}, {101, 637}, {150, 637}, {151, 636}, {164, 636}, {178, 636},
        {178, 633}, {183, 632}, {189, 631}, {195, 630}, {201, 629}, {205, 628}, {208, 627}, {210, 626}, {211, 625},
        {212, 624}, {213, 623}, {214, 622}, {215, 620}, {216, 618}, {217, 615}, {218, 399}, {219, 391}, {220, 388},
        {221, 383}, {222, 378}, {223, 375}, {224, 371}, {225, 366}, {226, 363}, {227, 359}, {228, 355}, {229, 351},
        {230, 349}, {231, 344}, {232, 340}, {233, 338}, {234, 334}, {235, 329}, {236, 325}, {237, 322}, {238, 317},
        {239, 311}, {240, 308}, {241, 302}, {242, 296}, {243, 285}, {244, 280}, {245, 277}, {246, 275}, {247, 272},
        {248, 270}, {249, 267}, {250, 265}, {251, 263}, {253, 259}, {254, 257}, {255, 104}, {259, 104}, {259, 60},
        {256, 60}, {255, 61}, {254, 66}, {253, 58}, {252, 57}, {251, 56}, {250, 55}, {249, 54}, {248, 53}, {247, 52},
        {246, 51}, {245, 50}, {244, 39}, {243, 37}, {242, 35}, {241, 34}, {240, 32}, {238, 30}, {237, 29}, {235, 28},
        {233, 27}, {229, 27}, {228, 25}, {227, 22}, {226, 21}, {225, 19}, {224, 17}, {223, 14}, {222, 12}, {221, 10},
        {220, 8}, {219, 7}, {218, 5}, {216, 4}, {207, 3}, {201, 2}, {195, 1}, {185, 0}
    };
    const auto outline = windowOutline();
    ASSERT_EQ(outline.size(), std::size(expected));
    for (std::size_t i = 0; i < outline.size(); ++i) {
        EXPECT_EQ(std::make_pair(outline[i].x, outline[i].y), expected[i]) << "point " << i;
    }
}

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
