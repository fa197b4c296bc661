// SPDX-License-Identifier: MIT
#include "ui/controls.h"

#include <gtest/gtest.h>

#include "sample_dialog.h"

namespace ui {
namespace {

using sample::SampleId;

TEST(Controls, StartFromTheTemplateAndItsStylesAndListUnknownIds)
{
    Controls controls(sample::sampleTemplate());
    EXPECT_EQ(controls.title(), "Sample");
    EXPECT_EQ(controls.text(SampleId::TitleLabel), "Length :");
    EXPECT_EQ(controls.state(SampleId::ModeList).kind, ControlKind::DropDownList);
    EXPECT_TRUE(controls.isDigitsOnly(SampleId::LengthEdit));
    EXPECT_FALSE(controls.isDigitsOnly(SampleId::NameEdit));
    EXPECT_TRUE(controls.unknownIds().empty());
    controls.setText(ControlId{999}, "lost");
    EXPECT_EQ(controls.text(ControlId{998}), "");
    EXPECT_EQ(controls.unknownIds(), (std::vector<ControlId>{ControlId{999}, ControlId{998}}));

    static constexpr ControlTemplate items[] = {
        {ControlKind::CheckBox, ControlId{101}, "a", {0, 0, 10, 10}, ControlStyle::Hidden | ControlStyle::Disabled},
    };
    const Controls hidden(DialogTemplate{"X", "", {20, 20}, items});
    EXPECT_FALSE(hidden.isVisible(ControlId{101}));
    EXPECT_FALSE(hidden.isEnabled(ControlId{101}));
}

TEST(Controls, SelectionRadiosAndFocusRequests)
{
    Controls controls(sample::sampleTemplate());
    controls.setItems(SampleId::ModeList, {"a", "b"});
    controls.setSelection(SampleId::ModeList, 1);
    EXPECT_EQ(controls.selection(SampleId::ModeList), 1);
    controls.setSelection(SampleId::ModeList, 2);
    EXPECT_EQ(controls.selection(SampleId::ModeList), -1) << "outside the entries";
    controls.setSelection(SampleId::ModeList, 0);
    controls.setItems(SampleId::ModeList, {"c"});
    EXPECT_EQ(controls.selection(SampleId::ModeList), -1) << "after new entries";

    controls.checkRadio(SampleId::FixedRadio, SampleId::DelimitedRadio, SampleId::DelimitedRadio);
    EXPECT_FALSE(controls.isChecked(SampleId::FixedRadio));
    EXPECT_TRUE(controls.isChecked(SampleId::DelimitedRadio));
    EXPECT_FALSE(controls.isChecked(SampleId::LimitCheck));

    controls.noteFocus(SampleId::NameEdit);
    EXPECT_EQ(controls.focusRequests(), 0);
    controls.requestFocus(SampleId::LengthEdit);
    EXPECT_EQ(controls.focus(), ControlId(SampleId::LengthEdit));
    EXPECT_EQ(controls.focusRequests(), 1);
}

} // namespace
} // namespace ui
