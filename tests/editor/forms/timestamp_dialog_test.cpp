// SPDX-License-Identifier: MIT
// TIMESTAMPDLG: the live patterns in the group captions and Cancel.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/dialog_bench.h"
#include "editor/forms/form_dialogs.h"
#include "resources/form_templates.h"

namespace editor::forms {
namespace {

using Id = resources::TimestampId;
using ui::testing::DialogHarness;

class Timestamp : public bench::BenchTest
{
};

TEST(TimestampPatterns, PartsJoinInTheirOrderWithSeparatorsBetween)
{
    struct Row
    {
        const char* name;
        DateParts parts;
        const char* pattern;
    };
    const Row rows[] = {
        {"defaults", {}, "YYYY/MM/DD"},
        {"day first without year", {.hasYear = false, .order = 2}, "DD/MM"},
        {"month off", {.hasMonth = false}, "YYYY/DD"},
        {"empty separator", {.separator = ""}, "YYYYMMDD"},
        {"separator off", {.hasSeparator = false, .separator = "-"}, "YYYYMMDD"},
        {"month first, two digits", {.isTwoDigitYear = true, .separator = "-", .order = 1}, "MM-DD-YY"},
        {"order outside the list", {.order = 7}, "YYYY/MM/DD"},
        {"only the year last", {.hasMonth = false, .hasDay = false, .order = 2}, "YYYY"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(datePattern(row.parts), row.pattern) << row.name;
    }
    EXPECT_EQ(timePattern({}), "HH:MM:SS");
    EXPECT_EQ(timePattern({.hasHour = false, .separator = "."}), "MM.SS");
    EXPECT_EQ(timePattern({.hasMinute = false, .hasSeparator = false}), "HHSS");
}

TEST_F(Timestamp, CaptionsFollowEveryChange)
{
    DialogHarness dialog = open(timestampDialog());
    EXPECT_EQ(dialog.text(Id::DateFormatGroup), "Date Format : YYYY/MM/DD");
    EXPECT_EQ(dialog.text(Id::TimeFormatGroup), "Time Format : HH:MM:SS");
    dialog.type(Id::DateSeparatorEdit, "-/");
    EXPECT_EQ(dialog.text(Id::DateSeparatorEdit), "-");
    dialog.select(Id::DateOrderList, 2);
    dialog.click(Id::YearCheck);
    EXPECT_EQ(dialog.text(Id::DateFormatGroup), "Date Format : DD-MM");
    dialog.click(Id::MinuteCheck);
    EXPECT_EQ(dialog.text(Id::TimeFormatGroup), "Time Format : HH:SS");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().dateSeparator.str(), "-");
    EXPECT_EQ(form().dateOrder, 2);
    EXPECT_EQ(form().timeMinuteOn, 0);
}

TEST_F(Timestamp, AnOrderOutsideTheListShowsNoChoiceAndIsKept)
{
    form().dateOrder = 5;
    DialogHarness dialog = open(timestampDialog());
    EXPECT_EQ(dialog.selection(Id::DateOrderList), -1);
    EXPECT_EQ(dialog.text(Id::DateFormatGroup), "Date Format : YYYY/MM/DD");
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().dateOrder, 5);
}

} // namespace
} // namespace editor::forms
