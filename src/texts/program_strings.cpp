// SPDX-License-Identifier: MIT
// Built-in texts of the designer itself (dialogs, lists, messages, defaults).
#include "texts/builtin_strings.h"

namespace texts {
namespace {

constexpr StringEntry entries[] = {
    // Property sheet: program name, caption of an unsaved project, page titles.
    {1, "Formwright"},
    {2, "New file"},
    {3, "Form"},
    {4, "Menu"},
    {5, "Lookup"},
    {6, "Barcode"},
    {7, "Settings"},
    // Project defaults: form export name prefix, transaction file export name.
    {10, "Form  "},
    {11, "DAT"},
    // File chooser filters: descriptions, then patterns.
    {21, "Formwright Files for Q720 (*.Q72)"},
    {22, "All files (*.*)"},
    {26, "*.Q72"},
    {27, "*.*"},
    // Popup menu items; the labels keep their accelerator hints after a tab.
    {31, "&New\tCtrl+N"},
    {32, "&Open...\tCtrl+O"},
    {33, "&Save\tCtrl+S"},
    {34, "Save &As..."},
    {35, "&Edit\tCtrl+E"},
    {36, "&Preferences..."},
    {37, "A&bout..."},
    {38, "E&xit\tAlt+F4"},
    // Buttons shared by every localised dialog.
    {51, "OK"},
    {52, "Cancel"},
    // Preferences dialog: title, check boxes, labels.
    {61, "FWQ720 Preferences"},
    {62, "Auto-preload the last editing file."},
    {63, "Always on top."},
    {64, "Language :"},
    {65, "Device Model :"},
    // Form page (FORMDLG): list labels, column headers, buttons; 113 and 119 head the link column.
    {101, "ID :"},
    {102, "Esc  :"},
    {103, "Lookup :"},
    {104, "Next :"},
    {105, "Record :"},
    {106, "Index field :"},
    {107, "Line"},
    {108, "Data type"},
    {109, "Prompt"},
    {110, "Input source"},
    {111, "Min"},
    {112, "Max"},
    {113, "Lookup"},
    {114, "Properties"},
    {115, "more..."},
    {116, "Time Stamp..."},
    {117, "Advanced..."},
    {118, "Reset"},
    {119, "Variables"},
    // Menu page: labels, check boxes, item grid headers, Reset button.
    {241, "ID :"},
    {242, "Esc :"},
    {243, "Data"},
    {244, "Menu caption :"},
    {245, "Save caption"},
    {246, "Save selected item"},
    {247, "Items"},
    {248, "Name"},
    {249, "Next :"},
    {250, "Reset"},
    // Length labels of the symbology dialogs: "Range" mode, then every other mode.
    {571, "Min Length :"},
    {572, "Max Length :"},
    {573, "Length 1 :"},
    {574, "Length 2 :"},
    // Target codes, list placeholders and terminal models.
    {1301, "main"},
    {1302, "form  "},
    {1303, "menu  "},
    {1304, "nil"},
    {1305, "variable"},
    {1309, "none"},
    {1310, "line "},
    {1311, "Q720CE"},
    {1312, "Q720PPC"},
    // Lookup file names.
    {1321, "1st lookup file"},
    {1322, "2nd lookup file"},
    {1323, "3rd lookup file"},
    {1324, "4th lookup file"},
    {1325, "5th lookup file"},
    // Record actions of a form.
    {1341, "save"},
    {1342, "update lookup"},
    {1343, "save & update"},
    {1344, "pass down"},
    // Line types 1 to 16 (type 0 is 1304 "nil").
    {1361, "text"},
    {1362, "integer"},
    {1363, "real"},
    {1364, "letter"},
    {1365, "auto(+/-)"},
    {1366, "boolean"},
    {1367, "lookup"},
    {1368, "fixed data"},
    {1369, "prompt"},
    {1370, "counter"},
    {1371, "pass down"},
    {1372, "extension"},
    {1373, "pause"},
    {1374, "alphameric"},
    {1375, "image"},
    {1376, "MSQI"},
    // Input sources of a line; the last two only with the RFID reader.
    {1381, "reader"},
    {1382, "keypad"},
    {1383, "both"},
    {1384, "RFID"},
    {1385, "all"},
    // Link prefixes, followed by a field or variable number.
    {1401, "field "},
    {1402, "-field "},
    {1403, "+field "},
    {1404, "get v"},
    {1405, "set v"},
    {1406, "get & set v"},
    // Date and time stamp position, year digits and date order.
    {1501, "added to the top of a record"},
    {1502, "appended to the bottom of a record"},
    {1521, "4 Digits (YYYY)"},
    {1522, "2 Digits (YY)"},
    {1541, "Year.Month.Day"},
    {1542, "Month.Day.Year"},
    {1543, "Day.Month.Year"},
    // Alignment of a field's data.
    {1561, "Left aligned (padded with space)"},
    {1562, "Right aligned (filled with space)"},
    {1563, "Left aligned (padded with 0)"},
    {1564, "Right aligned (filled with 0)"},
    // Auto ENTER of a field.
    {1601, "No"},
    {1602, "Scan+ENTER"},
    {1603, "ENTER+Scan"},
    // Length modes of the symbology dialogs.
    {2041, "Any Length"},
    {2042, "One Length"},
    {2043, "Two Lengths"},
    {2044, "Range"},
    // Warning box titles and the save-changes prompt.
    {2601, "Error"},
    {2602, "Warning"},
    {2651, "Save current program ?"},
    // Messages of the project file and of refused inputs.
    {2801, "Format mismatch !!!"},
    {2803, "The project file could not be written; it is still unsaved."},
    {2804, "The property sheet is not part of this build yet."},
    {2851, "Password is too long!!!"},
    {2852, "Invalid character!!!"},
    {2853, "Too many characters !!!"},
    {2854, "Invalid value!"},
};

}  // namespace

std::span<const StringEntry> programStrings() { return entries; }

}  // namespace texts
