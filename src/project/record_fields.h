// SPDX-License-Identifier: MIT
// The field maps of the records that have a struct: forms, menus, lookup files, the system
// settings and the transaction file. Offsets come from the structs, so a map never drifts from
// the layout; the largest values are those the editor can store. The defaults of the form's
// record-level fields are those a new form starts with.
#pragma once

#include <cstddef>

#include "project/field_map.h"

namespace project {
namespace record_map {

// A byte or text member of a record by its own name; a column's offset is that of slot 0.
#define FW_BYTE(Record, member, ...) byteField(#member, offsetof(Record, member) __VA_OPT__(, ) __VA_ARGS__)
#define FW_TEXT(Record, member, ...) \
    textField(#member, offsetof(Record, member), sizeof(Record::member) __VA_OPT__(, ) __VA_ARGS__)
#define FW_SLOT_TEXT(Record, member) textField(#member, offsetof(Record, member), sizeof(Record::member[0]))

inline constexpr FieldSpec formFields[] = {
    FW_BYTE(FormDef, escTarget, 30),       FW_BYTE(FormDef, nextTarget, 30),
    FW_BYTE(FormDef, lookupFile, 5),       FW_BYTE(FormDef, recordAction, 3),
    FW_BYTE(FormDef, indexLine, 12),       FW_BYTE(FormDef, stampPosition, 2),
    FW_BYTE(FormDef, stampSplit, 1, 1),    FW_BYTE(FormDef, dateYearOn, 1, 1),
    FW_BYTE(FormDef, yearDigits, 1),       FW_BYTE(FormDef, dateMonthOn, 1, 1),
    FW_BYTE(FormDef, dateDayOn, 1, 1),     FW_BYTE(FormDef, dateSeparatorOn, 1, 1),
    FW_TEXT(FormDef, dateSeparator, '/'),  FW_BYTE(FormDef, dateOrder, 2),
    FW_BYTE(FormDef, timeHourOn, 1, 1),    FW_BYTE(FormDef, timeMinuteOn, 1, 1),
    FW_BYTE(FormDef, timeSecondOn, 1, 1),  FW_BYTE(FormDef, timeSeparatorOn, 1, 1),
    FW_TEXT(FormDef, timeSeparator, ':'),  FW_BYTE(FormDef, fieldCount),
    FW_BYTE(FormDef, recordLengthCheck),   FW_BYTE(FormDef, keyFieldCount),
    FW_BYTE(FormDef, menuDataField, 1),    FW_BYTE(FormDef, autoKey, 1, 1),
    FW_BYTE(FormDef, readOnce, 1),         FW_BYTE(FormDef, exportNameOn, 1, 1),
    FW_TEXT(FormDef, exportName),          FW_BYTE(FormDef, lastInputLine, 12),
    FW_BYTE(FormDef, autoExport, 1),       FW_BYTE(FormDef, exportMode, 1),
    FW_BYTE(FormDef, msqiEnabled, 1),
};

// Line n of a form is slot n - 1 of each column.
inline constexpr FieldSpec formLineColumns[] = {
    FW_BYTE(FormDef, lineType),            FW_SLOT_TEXT(FormDef, prompt),
    FW_BYTE(FormDef, inputSource, 4),      FW_BYTE(FormDef, minLength),
    FW_BYTE(FormDef, maxLength),           FW_BYTE(FormDef, lookupLink, 36),
    FW_BYTE(FormDef, dataLength),          FW_BYTE(FormDef, fixedLengthOn, 1),
    FW_BYTE(FormDef, alignment, 3),        FW_BYTE(FormDef, fixedLength),
    FW_BYTE(FormDef, initialValueOn, 1),   FW_SLOT_TEXT(FormDef, initialValue),
    FW_BYTE(FormDef, prefixOn, 1),         FW_SLOT_TEXT(FormDef, prefix),
    FW_BYTE(FormDef, suffixOn, 1),         FW_SLOT_TEXT(FormDef, suffix),
    FW_BYTE(FormDef, inputMark),           FW_BYTE(FormDef, decimalPlaces, 6),
    FW_BYTE(FormDef, partialOn, 1),        FW_BYTE(FormDef, partialStart, 99),
    FW_BYTE(FormDef, partialLength, 160),  FW_BYTE(FormDef, leadingCheckOn, 1),
    FW_SLOT_TEXT(FormDef, leadingCode),    FW_BYTE(FormDef, checkDigitMethod, 8),
    FW_BYTE(FormDef, autoEnter, 2),        FW_BYTE(FormDef, imageEditPath, 1),
    FW_BYTE(FormDef, imageSavePath, 1),    FW_BYTE(FormDef, imageCheckPath, 1),
};

inline constexpr FieldSpec menuFields[] = {
    FW_BYTE(MenuDef, captionOn, 1),        FW_TEXT(MenuDef, caption),
    FW_BYTE(MenuDef, escTarget, 30),       FW_BYTE(MenuDef, saveCaption, 1),
    FW_BYTE(MenuDef, saveSelectedItem, 1), FW_BYTE(MenuDef, itemCount, 15),
};

inline constexpr FieldSpec menuItemColumns[] = {
    textField("name", offsetof(MenuDef, itemName), sizeof(MenuDef::itemName[0])),
    byteField("next", offsetof(MenuDef, itemNext), 30),
};

inline constexpr FieldSpec lookupFields[] = {
    FW_BYTE(LookupDef, numFields, 12),     FW_BYTE(LookupDef, lengthCheck),
    FW_BYTE(LookupDef, keyField, 11),      FW_BYTE(LookupDef, exportNameOn, 1),
    FW_TEXT(LookupDef, exportName),        FW_BYTE(LookupDef, delimiter),
    FW_BYTE(LookupDef, noMatchAction, 5),  FW_BYTE(LookupDef, badFormatAction, 2),
    FW_BYTE(LookupDef, autoExport, 1),     FW_BYTE(LookupDef, exportMode, 1),
};

inline constexpr FieldSpec lookupFieldColumns[] = {
    byteField("type", offsetof(LookupDef, fieldType), 5),
    textField("name", offsetof(LookupDef, fieldName), sizeof(LookupDef::fieldName[0])),
    byteField("length", offsetof(LookupDef, fieldLength)),
};

inline constexpr FieldSpec deviceFields[] = {
    FW_BYTE(DeviceSettings, startFrom, 1),           FW_BYTE(DeviceSettings, readerType),
    FW_BYTE(DeviceSettings, codeIdOn, 1),
    hexField("codeIds", offsetof(DeviceSettings, codeIds), sizeof(DeviceSettings::codeIds)),
    FW_BYTE(DeviceSettings, delimiter1),             FW_BYTE(DeviceSettings, delimiter2),
    FW_BYTE(DeviceSettings, autoPreload, 1),         FW_BYTE(DeviceSettings, dataDeletion, 2),
    FW_BYTE(DeviceSettings, entryOptions, 2),        FW_BYTE(DeviceSettings, promptStay, 99),
    FW_BYTE(DeviceSettings, sound, 9),               FW_BYTE(DeviceSettings, vibratorDuration, 9),
    FW_TEXT(DeviceSettings, password),               FW_BYTE(DeviceSettings, protectOpen, 1),
    FW_BYTE(DeviceSettings, protectImport, 1),       FW_BYTE(DeviceSettings, protectExport, 1),
    FW_BYTE(DeviceSettings, protectEditData, 1),     FW_BYTE(DeviceSettings, protectDeleteData, 1),
    FW_BYTE(DeviceSettings, protectSettings, 1),     FW_BYTE(DeviceSettings, protectAutoPreload, 1),
    FW_BYTE(DeviceSettings, protectDataDeletion, 1), FW_BYTE(DeviceSettings, protectEntryOptions, 1),
    FW_BYTE(DeviceSettings, protectVibrator, 1),     FW_BYTE(DeviceSettings, protectImageCapture, 1),
    FW_TEXT(DeviceSettings, exportStore),            FW_BYTE(DeviceSettings, autoRun, 1),
    FW_BYTE(DeviceSettings, modelStamp, 1),          FW_BYTE(DeviceSettings, autoImageFileName, 1),
    FW_TEXT(DeviceSettings, imageStorePath),         FW_BYTE(DeviceSettings, gs1Separator),
    FW_TEXT(DeviceSettings, fileTitle),              FW_BYTE(DeviceSettings, defaultNamingRule, 1),
    FW_BYTE(DeviceSettings, deleteDatabaseOnOpen, 1),
};

inline constexpr FieldSpec transactionFields[] = {
    FW_BYTE(TransactionFileSettings, oneDataFile, 1), FW_BYTE(TransactionFileSettings, changeExportName, 1),
    FW_TEXT(TransactionFileSettings, exportName),     FW_BYTE(TransactionFileSettings, autoExport, 1),
    FW_BYTE(TransactionFileSettings, saveMode, 1),
};

#undef FW_BYTE
#undef FW_TEXT
#undef FW_SLOT_TEXT

}  // namespace record_map

using record_map::deviceFields;
using record_map::formFields;
using record_map::formLineColumns;
using record_map::lookupFieldColumns;
using record_map::lookupFields;
using record_map::menuFields;
using record_map::menuItemColumns;
using record_map::transactionFields;

// Offsets of named bytes, checked when the program is built.
consteval std::size_t deviceByte(std::string_view name) { return fieldNamed(deviceFields, name).offset; }
consteval std::size_t formByte(std::string_view name) { return fieldNamed(formFields, name).offset; }
consteval std::size_t formLineColumn(std::string_view name) { return fieldNamed(formLineColumns, name).offset; }

}  // namespace project
