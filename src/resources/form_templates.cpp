// SPDX-License-Identifier: MIT
#include "resources/form_templates.h"

#include <array>
#include <string_view>

#include "ui/dialog_template.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

constexpr std::array<std::string_view, FormPageLines> lineNumbers = {
    "#1", "#2", "#3", "#4", "#5", "#6", "#7", "#8", "#9", "#10", "#11", "#12",
};

// Drop-down heights include the opened list.
constexpr int ListHeight = 150;
constexpr int RowPitch = 17;
constexpr int FirstRowY = 60;

// Grid columns: x and width of each.
constexpr int LineX = 7, LineWidth = 20;
constexpr int TypeX = 30, TypeWidth = 68;
constexpr int PromptX = 101, PromptWidth = 132;
constexpr int SourceX = 236, SourceWidth = 52;
constexpr int MinX = 291, MaxX = 322, LengthWidth = 28;
constexpr int LinkX = 353, LinkWidth = 66;
constexpr int MoreX = 422, MoreWidth = 42;

constexpr std::array fixedControls = {
    ControlTemplate{ControlKind::Label, FormPageId::IdLabel, "ID :", {7, 10, 28, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::FormList, "", {38, 8, 60, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::EscLabel, "Esc  :", {106, 10, 30, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::EscList, "", {138, 8, 60, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::LookupLabel, "Lookup :", {206, 10, 44, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::LookupList, "", {252, 8, 76, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::NextLabel, "Next :", {7, 28, 28, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::NextList, "", {38, 26, 60, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::RecordLabel, "Record :", {106, 28, 30, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::RecordList, "", {138, 26, 60, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::IndexLabel, "Index field :", {206, 28, 44, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::IndexList, "", {252, 26, 76, ListHeight}},
    ControlTemplate{ControlKind::PushButton, FormPageId::TimeStampButton, "Time Stamp...", {334, 7, 62, 14}},
    ControlTemplate{ControlKind::PushButton, FormPageId::AdvancedButton, "Advanced...", {402, 7, 62, 14}},
    ControlTemplate{ControlKind::PushButton, FormPageId::ResetButton, "Reset", {402, 25, 62, 14}},
    ControlTemplate{ControlKind::Label, FormPageId::LineHeader, "Line", {LineX, 48, LineWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::TypeHeader, "Data type", {TypeX, 48, TypeWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::PromptHeader, "Prompt", {PromptX, 48, PromptWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::InputSourceHeader, "Input source", {SourceX, 48, SourceWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::MinLengthHeader, "Min", {MinX, 48, LengthWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::MaxLengthHeader, "Max", {MaxX, 48, LengthWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::LinkHeader, "Lookup", {LinkX, 48, LinkWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::PropertiesHeader, "Properties", {MoreX, 48, MoreWidth, 8}},
};

constexpr int ControlsPerLine = 8;
constexpr std::size_t ControlCount = fixedControls.size() + ControlsPerLine * FormPageLines;

constexpr std::array<ControlTemplate, ControlCount> allControls = [] {
    std::array<ControlTemplate, ControlCount> controls{};
    std::size_t n = 0;
    for (const ControlTemplate& control : fixedControls) {
        controls[n++] = control;
    }
    for (int line = 1; line <= FormPageLines; ++line) {
        const int y = FirstRowY + (line - 1) * RowPitch;
        controls[n++] = {ControlKind::Label,
                         lineLabel(line),
                         lineNumbers[static_cast<std::size_t>(line - 1)],
                         {LineX, y + 2, LineWidth, 8}};
        controls[n++] = {ControlKind::DropDownList, typeList(line), "", {TypeX, y, TypeWidth, ListHeight}};
        controls[n++] = {ControlKind::Edit, promptEdit(line), "", {PromptX, y, PromptWidth, 12}};
        controls[n++] = {ControlKind::DropDownList, inputSourceList(line), "", {SourceX, y, SourceWidth, ListHeight}};
        controls[n++] = {ControlKind::Edit, minLengthEdit(line), "", {MinX, y, LengthWidth, 12}};
        controls[n++] = {ControlKind::Edit, maxLengthEdit(line), "", {MaxX, y, LengthWidth, 12}};
        controls[n++] = {ControlKind::DropDownList, linkList(line), "", {LinkX, y, LinkWidth, ListHeight}};
        controls[n++] = {ControlKind::PushButton, moreButton(line), "more...", {MoreX, y - 1, MoreWidth, 14}};
    }
    return controls;
}();

} // namespace

const ui::DialogTemplate& formPageTemplate()
{
    static constexpr ui::DialogTemplate dialog{"FORMDLG", "Form", {470, 270}, allControls};
    return dialog;
}

} // namespace resources
