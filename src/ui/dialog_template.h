// SPDX-License-Identifier: MIT
// Dialog templates: the layout of a dialog or property-sheet page as plain data. Each subsystem
// keeps its templates in src/resources/<subsystem>_templates.cpp as constexpr arrays:
//
//     constexpr ui::ControlTemplate aboutControls[] = {
//         {ui::ControlKind::Icon, AboutId::ProgramIcon, "", {10, 10, 20, 20}},
//         {ui::ControlKind::Label, AboutId::VersionLabel, "Version 1.0", {40, 10, 150, 8}},
//         {ui::ControlKind::PushButton, ui::OkButton, "OK", {80, 50, 50, 14},
//          ui::ControlStyle::DefaultButton},
//     };
//     const ui::DialogTemplate& aboutTemplate
//     {
//         static constexpr ui::DialogTemplate t{"AboutBox", "About", {200, 70}, aboutControls};
//         return t;
//     }
//
// Positions and sizes are dialog units: a quarter of the dialog font's average character width
// horizontally, an eighth of its height vertically, so a layout scales with the font.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_id.h"

namespace ui {

enum class ControlKind : std::uint8_t {
    CheckBox,
    RadioButton,
    DropDownList,
    Edit,
    Label,
    GroupBox,
    PushButton,
    Icon,   // the icon its text names (TickIcon, NoticeIcon); no name: the program icon
    Custom, // painted by a widget the view is given for this ID (character grid, panel)
};

// The icons an Icon control's text can name.
inline constexpr std::string_view TickIcon = "TICK";
inline constexpr std::string_view NoticeIcon = "NOTICE";

// Optional traits of a control, combinable with |.
enum class ControlStyle : std::uint16_t {
    None = 0,
    Hidden = 1U << 0,
    Disabled = 1U << 1,
    DigitsOnly = 1U << 2, // edit boxes: only digits can be typed
    Multiline = 1U << 3,
    ReadOnly = 1U << 4,
    Password = 1U << 5,
    DefaultButton = 1U << 6, // push buttons: Enter presses it
    RightAligned = 1U << 7,  // labels and edits
    Sunken = 1U << 8,        // labels with a sunken frame
};

[[nodiscard]] constexpr ControlStyle operator|(ControlStyle a, ControlStyle b)
{
    return static_cast<ControlStyle>(static_cast<std::uint16_t>(a) | static_cast<std::uint16_t>(b));
}

[[nodiscard]] constexpr bool hasStyle(ControlStyle set, ControlStyle flag)
{
    return (static_cast<std::uint16_t>(set) & static_cast<std::uint16_t>(flag)) != 0;
}

struct DialogRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DialogSize
{
    int width = 0;
    int height = 0;
};

struct ControlTemplate
{
    ControlKind kind = ControlKind::Label;
    ControlId id;
    std::string_view text; // raw single-byte text, as the control shows it first
    DialogRect dialogUnits;
    ControlStyle style = ControlStyle::None;
};

struct DialogTemplate
{
    std::string_view name;  // resource name, e.g. "CODE39_2DDLG"
    std::string_view title; // caption; a property-sheet page uses its own tab title instead
    DialogSize dialogUnits;
    std::span<const ControlTemplate> controls;
    int fontPointSize = 8;
};

// Whether a control's kind fits the hundreds of its ID: 1xx check boxes, 2xx and 6xx labels
// and group boxes, 3xx drop-down lists, 4xx edit boxes, 5xx push buttons, 7xx radio buttons;
// 1 and 2 are OK and Cancel, 1001 and up (and IDs 0 and below, unaddressed labels) any kind.
[[nodiscard]] bool kindFitsIdRange(ControlKind kind, ControlId id);

// What is wrong with a template, one line per fault (empty when sound): duplicate IDs, controls
// outside the dialog, empty name. One loop-driven test runs this over every template.
[[nodiscard]] std::vector<std::string> templateFaults(const DialogTemplate& dialog);

} // namespace ui
