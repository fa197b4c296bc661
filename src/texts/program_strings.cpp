// SPDX-License-Identifier: MIT
// Built-in texts of the designer itself (dialogs, lists, messages, defaults).
#include "texts/builtin_strings.h"

namespace texts {
namespace {

constexpr StringEntry entries[] = {
    {10, "Form  "},
    {11, "DAT"},
    {1321, "1st lookup file"},
    {1322, "2nd lookup file"},
    {1323, "3rd lookup file"},
    {1324, "4th lookup file"},
    {1325, "5th lookup file"},
    {2601, "Error"},
    {2602, "Warning"},
    {2801, "Format mismatch !!!"},
};

}  // namespace

std::span<const StringEntry> programStrings() { return entries; }

}  // namespace texts
