// SPDX-License-Identifier: MIT
// TIMESTAMPDLG, "Date & Time Stamp settings": whether and where a record gets a date and time
// stamp and how the terminal writes it. The group captions show the resulting patterns.
#include <algorithm>

#include "editor/forms/form_dialogs.h"
#include "resources/form_templates.h"
#include "texts/text_source.h"

namespace editor::forms {
namespace {

using Id = resources::TimestampId;
using texts::sid;

constexpr texts::StringId DateFormatEntry = sid(144);
constexpr texts::StringId TimeFormatEntry = sid(150);

std::vector<std::string> positionEntries(const texts::TextSource& texts)
{
    return {texts.text(sid(1304)), texts.text(sid(1501)), texts.text(sid(1502))};
}

constexpr Binding bindings[] = {
    list(Id::PositionList, positionEntries, 3, formField("stampPosition")),
    flag(Id::SplitCheck, formField("stampSplit")),
    flag(Id::YearCheck, formField("dateYearOn")),
    list(Id::YearDigitsList, sid(1521), 2, formField("yearDigits")),
    flag(Id::MonthCheck, formField("dateMonthOn")),
    flag(Id::DayCheck, formField("dateDayOn")),
    flag(Id::DateSeparatorCheck, formField("dateSeparatorOn")),
    character(Id::DateSeparatorEdit, formField("dateSeparator")),
    list(Id::DateOrderList, sid(1541), 3, formField("dateOrder")),
    flag(Id::HourCheck, formField("timeHourOn")),
    flag(Id::MinuteCheck, formField("timeMinuteOn")),
    flag(Id::SecondCheck, formField("timeSecondOn")),
    flag(Id::TimeSeparatorCheck, formField("timeSeparatorOn")),
    character(Id::TimeSeparatorEdit, formField("timeSeparator")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::PositionLabel, sid(142)},   {Id::SplitCheck, sid(143)},      {Id::DateFormatGroup, DateFormatEntry},
    {Id::YearCheck, sid(145), 4},    {Id::DateOrderLabel, sid(149)},  {Id::TimeFormatGroup, TimeFormatEntry},
    {Id::HourCheck, sid(151), 4},
};

// The captions' own texts, before the patterns.
std::string captionOf(const ParameterDialogModel& dialog, texts::StringId entry, ui::ControlId group)
{
    const auto& controls = resources::timestampTemplate.controls;
    const auto it = std::find_if(controls.begin(), controls.end(), [group](const auto& c) { return c.id == group; });
    return ui::captionText(dialog.texts(), dialog.language(), entry, it == controls.end() ? "" : it->text);
}

void drawPatterns(ParameterDialogModel& dialog, ui::ControlId /*changed*/)
{
    ui::Controls& shown = dialog.shown();
    const DateParts date{
        .hasYear = shown.isChecked(Id::YearCheck),
        .isTwoDigitYear = shown.selection(Id::YearDigitsList) == 1,
        .hasMonth = shown.isChecked(Id::MonthCheck),
        .hasDay = shown.isChecked(Id::DayCheck),
        .hasSeparator = shown.isChecked(Id::DateSeparatorCheck),
        .separator = shown.text(Id::DateSeparatorEdit),
        .order = shown.selection(Id::DateOrderList),
    };
    const TimeParts time{
        .hasHour = shown.isChecked(Id::HourCheck),
        .hasMinute = shown.isChecked(Id::MinuteCheck),
        .hasSecond = shown.isChecked(Id::SecondCheck),
        .hasSeparator = shown.isChecked(Id::TimeSeparatorCheck),
        .separator = shown.text(Id::TimeSeparatorEdit),
    };
    shown.setText(Id::DateFormatGroup, captionOf(dialog, DateFormatEntry, Id::DateFormatGroup) + datePattern(date));
    shown.setText(Id::TimeFormatGroup, captionOf(dialog, TimeFormatEntry, Id::TimeFormatGroup) + timePattern(time));
}

constexpr ParameterDialogSpec dialog =
    formDialog(resources::timestampTemplate, sid(141), captions, bindings, {}, {.afterChange = drawPatterns});

// Joins the parts that are on, the separator between each and the one before.
std::string joined(std::initializer_list<std::pair<bool, std::string_view>> parts, bool hasSeparator,
                   std::string_view separator)
{
    std::string pattern;
    for (const auto& [isOn, part] : parts) {
        if (!isOn) {
            continue;
        }
        if (!pattern.empty() && hasSeparator) {
            pattern += separator;
        }
        pattern += part;
    }
    return pattern;
}

} // namespace

std::string datePattern(const DateParts& parts)
{
    const std::pair<bool, std::string_view> year{parts.hasYear, parts.isTwoDigitYear ? "YY" : "YYYY"};
    const std::pair<bool, std::string_view> month{parts.hasMonth, "MM"};
    const std::pair<bool, std::string_view> day{parts.hasDay, "DD"};
    switch (parts.order) {
    case 1:
        return joined({month, day, year}, parts.hasSeparator, parts.separator);
    case 2:
        return joined({day, month, year}, parts.hasSeparator, parts.separator);
    default:
        return joined({year, month, day}, parts.hasSeparator, parts.separator);
    }
}

std::string timePattern(const TimeParts& parts)
{
    return joined({{parts.hasHour, "HH"}, {parts.hasMinute, "MM"}, {parts.hasSecond, "SS"}}, parts.hasSeparator,
                  parts.separator);
}

const ParameterDialogSpec& timestampDialog()
{
    return dialog;
}

} // namespace editor::forms
