// SPDX-License-Identifier: MIT
// The records of the project blocks, byte for byte as the terminal reads them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "project/fixed_text.h"

namespace project {

using Byte = std::uint8_t;

inline constexpr int MaxMenus = 10;
inline constexpr int MaxForms = 20;
inline constexpr int MaxLookups = 5;
inline constexpr int LineSlots = 15;     // per-line arrays on disk
inline constexpr int EditorLines = 12;   // lines the editor shows
inline constexpr int MenuItemSlots = 15;
inline constexpr int EditorMenuItems = 10;
inline constexpr int LookupFieldSlots = 15;
inline constexpr int EditorLookupFields = 12;

// One menu of block 1.
struct MenuDef
{
    Byte captionOn;
    FixedText<30> caption;
    std::array<FixedText<30>, MenuItemSlots> itemName;
    Byte escTarget;
    std::array<Byte, MenuItemSlots> itemNext;
    Byte saveCaption;
    Byte saveSelectedItem;
    Byte itemCount;
    Byte reserved516;
    std::array<Byte, 200> unused517;
};
static_assert(sizeof(MenuDef) == 717);
static_assert(offsetof(MenuDef, caption) == 1);
static_assert(offsetof(MenuDef, itemName) == 32);
static_assert(offsetof(MenuDef, escTarget) == 497);
static_assert(offsetof(MenuDef, itemNext) == 498);
static_assert(offsetof(MenuDef, saveCaption) == 513);
static_assert(offsetof(MenuDef, saveSelectedItem) == 514);
static_assert(offsetof(MenuDef, itemCount) == 515);
static_assert(offsetof(MenuDef, unused517) == 517);

// One form of block 2. Per-line attributes are stored column-wise, slot 0 for line 1.
struct FormDef
{
    Byte escTarget;
    Byte nextTarget;
    Byte lookupFile;
    Byte recordAction;
    Byte indexLine;
    Byte stampPosition;
    Byte stampSplit;
    Byte dateYearOn;
    Byte yearDigits;
    Byte dateMonthOn;
    Byte dateDayOn;
    Byte dateSeparatorOn;
    FixedText<1> dateSeparator;
    Byte dateOrder;
    Byte timeHourOn;
    Byte timeMinuteOn;
    Byte timeSecondOn;
    Byte timeSeparatorOn;
    FixedText<1> timeSeparator;
    Byte fieldCount;
    Byte recordLengthCheck;
    Byte keyFieldCount;
    Byte menuDataField;
    Byte autoKey;
    Byte readOnce;
    Byte exportNameOn;
    FixedText<20> exportName;
    LineBytes lineType;
    LineTexts<30> prompt;
    LineBytes inputSource;
    LineBytes minLength;
    LineBytes maxLength;
    LineBytes lookupLink;
    LineBytes dataLength;
    LineBytes fixedLengthOn;
    LineBytes alignment;
    LineBytes fixedLength;
    LineBytes initialValueOn;
    LineTexts<10> initialValue;
    LineBytes prefixOn;
    LineTexts<10> prefix;
    LineBytes suffixOn;
    LineTexts<10> suffix;
    LineBytes inputMark;
    LineBytes decimalPlaces;
    LineBytes partialOn;
    LineBytes partialStart;
    LineBytes partialLength;
    LineBytes leadingCheckOn;
    LineTexts<10> leadingCode;
    LineBytes checkDigitMethod;
    LineBytes autoEnter;
    Byte lastInputLine;
    Byte reserved1475;
    LineBytes imageEditPath;
    LineBytes imageSavePath;
    LineBytes imageCheckPath;
    Byte autoExport;
    Byte exportMode;
    std::array<Byte, 9> reserved1523;
    Byte msqiEnabled;
    std::array<Byte, 443> uninterpreted1533;
};
static_assert(sizeof(FormDef) == 1976);
static_assert(offsetof(FormDef, dateSeparator) == 12);
static_assert(offsetof(FormDef, dateOrder) == 14);
static_assert(offsetof(FormDef, timeSeparator) == 19);
static_assert(offsetof(FormDef, fieldCount) == 21);
static_assert(offsetof(FormDef, recordLengthCheck) == 22);
static_assert(offsetof(FormDef, keyFieldCount) == 23);
static_assert(offsetof(FormDef, menuDataField) == 24);
static_assert(offsetof(FormDef, autoKey) == 25);
static_assert(offsetof(FormDef, exportNameOn) == 27);
static_assert(offsetof(FormDef, exportName) == 28);
static_assert(offsetof(FormDef, lineType) == 49);
static_assert(offsetof(FormDef, prompt) == 64);
static_assert(offsetof(FormDef, inputSource) == 529);
static_assert(offsetof(FormDef, minLength) == 544);
static_assert(offsetof(FormDef, maxLength) == 559);
static_assert(offsetof(FormDef, lookupLink) == 574);
static_assert(offsetof(FormDef, dataLength) == 589);
static_assert(offsetof(FormDef, fixedLengthOn) == 604);
static_assert(offsetof(FormDef, alignment) == 619);
static_assert(offsetof(FormDef, fixedLength) == 634);
static_assert(offsetof(FormDef, initialValueOn) == 649);
static_assert(offsetof(FormDef, initialValue) == 664);
static_assert(offsetof(FormDef, prefixOn) == 829);
static_assert(offsetof(FormDef, prefix) == 844);
static_assert(offsetof(FormDef, suffixOn) == 1009);
static_assert(offsetof(FormDef, suffix) == 1024);
static_assert(offsetof(FormDef, inputMark) == 1189);
static_assert(offsetof(FormDef, decimalPlaces) == 1204);
static_assert(offsetof(FormDef, partialOn) == 1219);
static_assert(offsetof(FormDef, partialStart) == 1234);
static_assert(offsetof(FormDef, partialLength) == 1249);
static_assert(offsetof(FormDef, leadingCheckOn) == 1264);
static_assert(offsetof(FormDef, leadingCode) == 1279);
static_assert(offsetof(FormDef, checkDigitMethod) == 1444);
static_assert(offsetof(FormDef, autoEnter) == 1459);
static_assert(offsetof(FormDef, lastInputLine) == 1474);
static_assert(offsetof(FormDef, imageEditPath) == 1476);
static_assert(offsetof(FormDef, imageSavePath) == 1491);
static_assert(offsetof(FormDef, imageCheckPath) == 1506);
static_assert(offsetof(FormDef, autoExport) == 1521);
static_assert(offsetof(FormDef, exportMode) == 1522);
static_assert(offsetof(FormDef, msqiEnabled) == 1532);
static_assert(offsetof(FormDef, uninterpreted1533) == 1533);

// One lookup file of block 3.
struct LookupDef
{
    Byte numFields;
    Byte lengthCheck;
    Byte keyField;
    Byte exportNameOn;
    FixedText<20> exportName;
    std::array<Byte, LookupFieldSlots> fieldType;
    std::array<FixedText<30>, LookupFieldSlots> fieldName;
    std::array<Byte, LookupFieldSlots> fieldLength;
    Byte delimiter;
    Byte noMatchAction;
    Byte badFormatAction;
    Byte autoExport;
    Byte exportMode;
    std::array<Byte, 298> uninterpreted525;
};
static_assert(sizeof(LookupDef) == 823);
static_assert(offsetof(LookupDef, exportName) == 4);
static_assert(offsetof(LookupDef, fieldType) == 25);
static_assert(offsetof(LookupDef, fieldName) == 40);
static_assert(offsetof(LookupDef, fieldLength) == 505);
static_assert(offsetof(LookupDef, delimiter) == 520);
static_assert(offsetof(LookupDef, exportMode) == 524);
static_assert(offsetof(LookupDef, uninterpreted525) == 525);

// Block 4. The reader dialogs address it by byte position, so it stays a byte array; the
// positions that the shared code names are below in ReaderByte.
struct ReaderSettings
{
    std::array<Byte, 401> bytes;

    [[nodiscard]] Byte& operator[](std::size_t offset) { return bytes[offset]; }
    [[nodiscard]] Byte operator[](std::size_t offset) const { return bytes[offset]; }
};
static_assert(sizeof(ReaderSettings) == 401);

namespace ReaderByte {
inline constexpr std::size_t ReaderCode = 0;
inline constexpr std::size_t ImageCaptureOn = 291;
inline constexpr std::size_t ImageCaptureFirst = 291;
inline constexpr std::size_t ImageCaptureLast = 303;
inline constexpr std::size_t ReaderCodeCopy = 341;
inline constexpr std::size_t GoodReadSound = 342;
inline constexpr std::size_t SoundCopy = 343;
inline constexpr std::size_t VibratorOnCopy = 344;
inline constexpr std::size_t VibratorCopy = 345;
inline constexpr std::size_t MigrationCleared373 = 373;
inline constexpr std::size_t MigrationCleared374 = 374;
inline constexpr std::size_t MigrationCleared375 = 375;
}  // namespace ReaderByte

// Block 5: the system settings of the terminal application.
struct DeviceSettings
{
    Byte leadByte;  // no editor control; 6 after a reset
    Byte startFrom;
    Byte readerType;
    Byte codeIdOn;
    std::array<Byte, 60> codeIds;
    Byte delimiter1;
    Byte delimiter2;
    Byte autoPreload;
    Byte dataDeletion;
    Byte entryOptions;
    Byte promptStay;
    Byte sound;
    Byte vibratorDuration;
    FixedText<10> password;
    Byte reserved83;
    Byte protectOpen;
    Byte protectImport;
    Byte protectExport;
    Byte protectEditData;
    Byte protectDeleteData;
    Byte protectSettings;
    Byte protectAutoPreload;
    Byte protectDataDeletion;
    Byte protectEntryOptions;
    Byte reserved93;
    Byte protectVibrator;
    Byte protectImageCapture;
    std::array<Byte, 19> reserved96;
    FixedText<260> exportStore;
    std::array<Byte, 48> reserved376;
    Byte autoRun;
    Byte modelStamp;
    Byte autoImageFileName;
    FixedText<260> imageStorePath;
    Byte gs1Separator;
    FixedText<5> fileTitle;
    Byte defaultNamingRule;
    Byte deleteDatabaseOnOpen;
    std::array<Byte, 26> unused697;
};
static_assert(sizeof(DeviceSettings) == 723);
static_assert(offsetof(DeviceSettings, readerType) == 2);
static_assert(offsetof(DeviceSettings, codeIdOn) == 3);
static_assert(offsetof(DeviceSettings, codeIds) == 4);
static_assert(offsetof(DeviceSettings, delimiter1) == 64);
static_assert(offsetof(DeviceSettings, sound) == 70);
static_assert(offsetof(DeviceSettings, vibratorDuration) == 71);
static_assert(offsetof(DeviceSettings, password) == 72);
static_assert(offsetof(DeviceSettings, protectOpen) == 84);
static_assert(offsetof(DeviceSettings, protectVibrator) == 94);
static_assert(offsetof(DeviceSettings, protectImageCapture) == 95);
static_assert(offsetof(DeviceSettings, exportStore) == 115);
static_assert(offsetof(DeviceSettings, reserved376) == 376);
static_assert(offsetof(DeviceSettings, autoRun) == 424);
static_assert(offsetof(DeviceSettings, modelStamp) == 425);
static_assert(offsetof(DeviceSettings, autoImageFileName) == 426);
static_assert(offsetof(DeviceSettings, imageStorePath) == 427);
static_assert(offsetof(DeviceSettings, gs1Separator) == 688);
static_assert(offsetof(DeviceSettings, fileTitle) == 689);
static_assert(offsetof(DeviceSettings, defaultNamingRule) == 695);
static_assert(offsetof(DeviceSettings, deleteDatabaseOnOpen) == 696);

// Block 61: the transaction file that can collect the data of all forms.
struct TransactionFileSettings
{
    Byte oneDataFile;
    Byte reserved1;
    Byte changeExportName;
    FixedText<20> exportName;
    Byte autoExport;
    Byte saveMode;
    std::array<Byte, 4> reserved26;
    std::array<Byte, 4> reserved30;
    Byte reserved34;
    std::array<Byte, 10> unused35;
};
static_assert(sizeof(TransactionFileSettings) == 45);
static_assert(offsetof(TransactionFileSettings, exportName) == 3);
static_assert(offsetof(TransactionFileSettings, autoExport) == 24);
static_assert(offsetof(TransactionFileSettings, saveMode) == 25);

static_assert(std::is_trivially_copyable_v<MenuDef>);
static_assert(std::is_trivially_copyable_v<FormDef>);
static_assert(std::is_trivially_copyable_v<LookupDef>);
static_assert(std::is_trivially_copyable_v<ReaderSettings>);
static_assert(std::is_trivially_copyable_v<DeviceSettings>);
static_assert(std::is_trivially_copyable_v<TransactionFileSettings>);
static_assert(std::has_unique_object_representations_v<FormDef>);
static_assert(std::has_unique_object_representations_v<MenuDef>);
static_assert(std::has_unique_object_representations_v<LookupDef>);
static_assert(std::has_unique_object_representations_v<DeviceSettings>);
static_assert(std::has_unique_object_representations_v<TransactionFileSettings>);

// Target codes of Esc, form ends and menu items.
inline constexpr Byte TargetMain = 0;
inline constexpr Byte FirstFormTarget = 1;
inline constexpr Byte LastFormTarget = 20;
inline constexpr Byte FirstMenuTarget = 21;
inline constexpr Byte LastMenuTarget = 30;

[[nodiscard]] constexpr bool isFormTarget(Byte code) { return code >= FirstFormTarget && code <= LastFormTarget; }

// Line type codes in list order.
enum class LineType : Byte {
    Nil = 0, Text, Integer, Real, Letter, AutoPlusMinus, Boolean, Lookup, FixedData, Prompt,
    Counter, PassDown, Extension, Pause, Alphameric, Image, Msqi,
};
inline constexpr int LineTypeCount = 17;

enum class RecordAction : Byte { Save = 0, UpdateLookup = 1, SaveAndUpdate = 2, PassDown = 3 };
enum class StampPosition : Byte { None = 0, Top = 1, Bottom = 2 };

}  // namespace project
