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

} // namespace
} // namespace editor::forms
