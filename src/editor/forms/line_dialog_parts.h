// SPDX-License-Identifier: MIT
// The parts that several line property dialogs have in common, each as its controls (the IDs
// differ from dialog to dialog), its bindings and enabling rules, and the hooks it needs. A
// dialog joins the parts' tables with its own rows.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "editor/forms/code_displays.h"
#include "editor/parameter_dialog.h"

namespace editor::forms {

// One table from several, in their order.
template <typename Row, std::size_t... Counts>
constexpr std::array<Row, (Counts + ...)> joined(const std::array<Row, Counts>&... parts)
{
    std::array<Row, (Counts + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return all;
}

// "Fixed length": the check box, and the length box and alignment list it enables.
struct FixedLengthControls
{
    ui::ControlId check;
    ui::ControlId edit;
    ui::ControlId alignment;
};

constexpr std::array<Binding, 3> fixedLengthBindings(const FixedLengthControls& c)
{
    return {flag(c.check, lineField("fixedLengthOn")), number(c.edit, lineField("fixedLength"), 0, 255, 3),
            list(c.alignment, texts::sid(1561), 4, lineField("alignment"))};
}
constexpr std::array<EnablingRule, 2> fixedLengthRules(const FixedLengthControls& c)
{
    return {enabledWhileChecked(c.edit, c.check, WhenDisabled::Keep),
            enabledWhileChecked(c.alignment, c.check, WhenDisabled::Keep)};
}

// The prefix and suffix: a check box each, and the display of the codes it enables.
struct LineCodeControls
{
    ui::ControlId prefixCheck;
    ui::ControlId suffixCheck;
    CodeDisplay prefix;
    CodeDisplay suffix;
};

constexpr LineCodeControls lineCodeControls(ui::ControlId prefixCheck, ui::ControlId suffixCheck,
                                            ui::ControlId prefixDisplay, ui::ControlId suffixDisplay)
{
    return {prefixCheck,
            suffixCheck,
            {prefixDisplay, project::formLineColumn("prefix")},
            {suffixDisplay, project::formLineColumn("suffix")}};
}
constexpr std::array<Binding, 2> lineCodeBindings(const LineCodeControls& c)
{
    return {flag(c.prefixCheck, lineField("prefixOn")), flag(c.suffixCheck, lineField("suffixOn"))};
}
constexpr std::array<EnablingRule, 2> lineCodeRules(const LineCodeControls& c)
{
    return {enabledWhileChecked(c.prefix.display, c.prefixCheck, WhenDisabled::Keep),
            enabledWhileChecked(c.suffix.display, c.suffixCheck, WhenDisabled::Keep)};
}
// At opening (`changed` a default ID) both displays show their codes; a click on a display
// composes its codes.
void followLineCodes(ParameterDialogModel& dialog, const LineCodeControls& c, ui::ControlId changed);
// At OK.
void terminateLineCodes(ParameterDialogModel& dialog, const LineCodeControls& c);

// "Show input mark" and the mark it enables. The check box is the editor's own: it is ticked
// while the line has a mark or the page's flag for the line is set.
struct InputMarkControls
{
    ui::ControlId check;
    ui::ControlId edit;
};

constexpr std::array<Binding, 1> inputMarkBindings(const InputMarkControls& c)
{
    return {character(c.edit, lineField("inputMark"))};
}
constexpr std::array<EnablingRule, 1> inputMarkRules(const InputMarkControls& c)
{
    return {enabledWhileChecked(c.edit, c.check, WhenDisabled::Keep)};
}
// At opening.
void showInputMark(ParameterDialogModel& dialog, const InputMarkControls& c);
// At OK: a mark that is not shown is cleared; the page's flag keeps the box's state.
void storeInputMark(ParameterDialogModel& dialog, const InputMarkControls& c);

}  // namespace editor::forms
