// SPDX-License-Identifier: MIT
#include "ui/dialog_template.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(DialogTemplate, KindsMustFitTheirIdRange)
{
    EXPECT_FALSE(kindFitsIdRange(ControlKind::Edit, ControlId{301}));
    EXPECT_FALSE(kindFitsIdRange(ControlKind::CheckBox, ControlId{701}));
    EXPECT_FALSE(kindFitsIdRange(ControlKind::Label, OkButton));
    EXPECT_TRUE(kindFitsIdRange(ControlKind::Edit, ControlId{1001}));
    EXPECT_TRUE(kindFitsIdRange(ControlKind::Label, ControlId{-1}));
}

TEST(DialogTemplate, FaultsNameDuplicatesAndStrayControls)
{
    static constexpr ControlTemplate items[] = {
        {ControlKind::CheckBox, ControlId{101}, "a", {0, 0, 10, 10}},
        {ControlKind::CheckBox, ControlId{101}, "b", {0, 12, 10, 10}},
        {ControlKind::Label, ControlId{201}, "c", {15, 15, 10, 10}},
        {ControlKind::DropDownList, ControlId{301}, "", {0, 14, 10, 80}},
    };
    const std::vector<std::string> faults = templateFaults(DialogTemplate{"XDLG", "", {20, 30}, items});
    EXPECT_EQ(faults,
              (std::vector<std::string>{"XDLG control 101: duplicate ID", "XDLG control 201: outside the dialog"}));
}

} // namespace
} // namespace ui
