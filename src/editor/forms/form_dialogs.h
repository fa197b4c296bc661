// SPDX-License-Identifier: MIT
// The property dialogs of the Form page. Each edits the current form of the page's working copy
// (ParameterRecords::form, with `line` the current line, `formNumber` and `showInputMark`), copies
// the form when it opens and copies it back on Cancel.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editor/parameter_dialog.h"

namespace editor::forms {

// The table of a Form page dialog, which copies the form when it opens and puts it back on Cancel.
constexpr ParameterDialogSpec formDialog(const ui::DialogTemplate& dialogTemplate,
                                         std::optional<texts::StringId> titleEntry,
                                         std::span<const ui::TextReplacement> captions,
                                         std::span<const Binding> bindings, std::span<const EnablingRule> rules,
                                         ParameterHooks hooks)
{
    return {dialogTemplate, titleEntry, captions, bindings, rules, nullptr, CommitPolicy::SnapshotOnOpen, hooks};
}

// ADVANCEDLG: a line of the types "text" to "boolean", "fixed data", "alphameric" or "MSQI".
[[nodiscard]] const ParameterDialogSpec& fieldPropertiesDialog();
// TIMESTAMPDLG: the date and time stamp of the form.
[[nodiscard]] const ParameterDialogSpec& timestampDialog();
// FORMADVANCEDLG: export name, automatic export and MSQI mode of the form.
[[nodiscard]] const ParameterDialogSpec& formPropertiesDialog();
// LOOKUPADVANCEDLG: a "lookup" line.
[[nodiscard]] const ParameterDialogSpec& lookupFieldDialog();
// IMAGEADVANCEDLG: an "image" line.
[[nodiscard]] const ParameterDialogSpec& imageFieldDialog();

// What an initial value typed on a line of `lineType` stores: numbers keep their digits and a
// single "."; a boolean is empty or starts with one of 1 0 T F t f Y N y n; an alphameric value
// ends before its first character that is neither a letter nor a digit; other types keep it all.
[[nodiscard]] std::string storedInitialValue(project::Byte lineType, std::string_view typed);

// The parts of a date and time stamp as the dialog shows them.
struct DateParts
{
    bool hasYear = true;
    bool isTwoDigitYear = false;
    bool hasMonth = true;
    bool hasDay = true;
    bool hasSeparator = true;
    std::string separator = "/";
    int order = 0;  // 0 year-month-day, 1 month-day-year, 2 day-month-year; others as 0
};
struct TimeParts
{
    bool hasHour = true;
    bool hasMinute = true;
    bool hasSecond = true;
    bool hasSeparator = true;
    std::string separator = ":";
};
// "YYYY/MM/DD", "HH:MM:SS": what the group captions show behind "Date Format : " and "Time Format : ".
[[nodiscard]] std::string datePattern(const DateParts& parts);
[[nodiscard]] std::string timePattern(const TimeParts& parts);

}  // namespace editor::forms
