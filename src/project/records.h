// SPDX-License-Identifier: MIT
// The records of the project blocks, byte for byte as the terminal reads them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "project/fixed_text.h"

namespace project {

using Byte = std::uint8_t;

inline constexpr int MaxMenus = 10;
inline constexpr int MaxForms = 20;
inline constexpr int MaxLookups = 5;
inline constexpr int LineSlots = 15;    // per-line arrays on disk
inline constexpr int EditorLines = 12;  // lines the editor shows
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

// Block 4. The reader dialogs address it by byte position, so it stays a byte array; the
// positions that the shared code names are below in ReaderByte.
struct ReaderSettings
{
    std::array<Byte, 401> bytes;

    [[nodiscard]] Byte& operator[](std::size_t offset) { return bytes[offset]; }
    [[nodiscard]] Byte operator[](std::size_t offset) const { return bytes[offset]; }
};

namespace ReaderByte {
inline constexpr std::size_t ReaderCode = 0;
inline constexpr std::size_t ImageCaptureOn = 291;
inline constexpr std::size_t ImageCaptureFirst = ImageCaptureOn;  // the switch opens the range
inline constexpr std::size_t ImageCaptureLast = 303;
inline constexpr std::size_t ReaderCodeCopy = 341;
inline constexpr std::size_t GoodReadSound = 342;
inline constexpr std::size_t SoundCopy = 343;
inline constexpr std::size_t VibratorOnCopy = 344;
inline constexpr std::size_t VibratorCopy = 345;
// Cleared when a file older than 1.11 is upgraded.
inline constexpr std::size_t MigrationClearedFirst = 373;
inline constexpr std::size_t MigrationClearedLast = 375;
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

// The size of every record and the byte at which each member that the code or a terminal
// relies on starts, as the terminal reads them. Checked when the program is built: an edit that
// moves a member stops the build, which names the index of the first row out of place.
struct WirePlace
{
    std::string_view what;
    std::size_t actual;
    std::size_t expected;
};

constexpr WirePlace wirePlace(std::string_view what, std::size_t actual, std::size_t expected)
{
    return {what, actual, expected};
}

#define FW_SIZE(Record, bytes) wirePlace(#Record, sizeof(Record), bytes)
#define FW_AT(Record, member, offset) wirePlace(#Record "." #member, offsetof(Record, member), offset)

inline constexpr WirePlace wireLayout[] = {
    FW_SIZE(MenuDef, 717),
    FW_SIZE(FormDef, 1976),
    FW_SIZE(LookupDef, 823),
    FW_SIZE(ReaderSettings, 401),
    FW_SIZE(DeviceSettings, 723),
    FW_SIZE(TransactionFileSettings, 45),
    FW_AT(MenuDef, caption, 1),
    FW_AT(MenuDef, itemName, 32),
    FW_AT(MenuDef, escTarget, 497),
    FW_AT(MenuDef, itemNext, 498),
    FW_AT(MenuDef, saveCaption, 513),
    FW_AT(MenuDef, saveSelectedItem, 514),
    FW_AT(MenuDef, itemCount, 515),
    FW_AT(MenuDef, unused517, 517),
    FW_AT(FormDef, dateSeparator, 12),
    FW_AT(FormDef, dateOrder, 14),
    FW_AT(FormDef, timeSeparator, 19),
    FW_AT(FormDef, fieldCount, 21),
    FW_AT(FormDef, recordLengthCheck, 22),
    FW_AT(FormDef, keyFieldCount, 23),
    FW_AT(FormDef, menuDataField, 24),
    FW_AT(FormDef, autoKey, 25),
    FW_AT(FormDef, exportNameOn, 27),
    FW_AT(FormDef, exportName, 28),
    FW_AT(FormDef, lineType, 49),
    FW_AT(FormDef, prompt, 64),
    FW_AT(FormDef, inputSource, 529),
    FW_AT(FormDef, minLength, 544),
    FW_AT(FormDef, maxLength, 559),
    FW_AT(FormDef, lookupLink, 574),
    FW_AT(FormDef, dataLength, 589),
    FW_AT(FormDef, fixedLengthOn, 604),
    FW_AT(FormDef, alignment, 619),
    FW_AT(FormDef, fixedLength, 634),
    FW_AT(FormDef, initialValueOn, 649),
    FW_AT(FormDef, initialValue, 664),
    FW_AT(FormDef, prefixOn, 829),
    FW_AT(FormDef, prefix, 844),
    FW_AT(FormDef, suffixOn, 1009),
    FW_AT(FormDef, suffix, 1024),
    FW_AT(FormDef, inputMark, 1189),
    FW_AT(FormDef, decimalPlaces, 1204),
    FW_AT(FormDef, partialOn, 1219),
    FW_AT(FormDef, partialStart, 1234),
    FW_AT(FormDef, partialLength, 1249),
    FW_AT(FormDef, leadingCheckOn, 1264),
    FW_AT(FormDef, leadingCode, 1279),
    FW_AT(FormDef, checkDigitMethod, 1444),
    FW_AT(FormDef, autoEnter, 1459),
    FW_AT(FormDef, lastInputLine, 1474),
    FW_AT(FormDef, imageEditPath, 1476),
    FW_AT(FormDef, imageSavePath, 1491),
    FW_AT(FormDef, imageCheckPath, 1506),
    FW_AT(FormDef, autoExport, 1521),
    FW_AT(FormDef, exportMode, 1522),
    FW_AT(FormDef, msqiEnabled, 1532),
    FW_AT(FormDef, uninterpreted1533, 1533),
    FW_AT(LookupDef, exportName, 4),
    FW_AT(LookupDef, fieldType, 25),
    FW_AT(LookupDef, fieldName, 40),
    FW_AT(LookupDef, fieldLength, 505),
    FW_AT(LookupDef, delimiter, 520),
    FW_AT(LookupDef, exportMode, 524),
    FW_AT(LookupDef, uninterpreted525, 525),
    FW_AT(DeviceSettings, readerType, 2),
    FW_AT(DeviceSettings, codeIdOn, 3),
    FW_AT(DeviceSettings, codeIds, 4),
    FW_AT(DeviceSettings, delimiter1, 64),
    FW_AT(DeviceSettings, sound, 70),
    FW_AT(DeviceSettings, vibratorDuration, 71),
    FW_AT(DeviceSettings, password, 72),
    FW_AT(DeviceSettings, protectOpen, 84),
    FW_AT(DeviceSettings, protectVibrator, 94),
    FW_AT(DeviceSettings, protectImageCapture, 95),
    FW_AT(DeviceSettings, exportStore, 115),
    FW_AT(DeviceSettings, reserved376, 376),
    FW_AT(DeviceSettings, autoRun, 424),
    FW_AT(DeviceSettings, modelStamp, 425),
    FW_AT(DeviceSettings, autoImageFileName, 426),
    FW_AT(DeviceSettings, imageStorePath, 427),
    FW_AT(DeviceSettings, gs1Separator, 688),
    FW_AT(DeviceSettings, fileTitle, 689),
    FW_AT(DeviceSettings, defaultNamingRule, 695),
    FW_AT(DeviceSettings, deleteDatabaseOnOpen, 696),
    FW_AT(TransactionFileSettings, exportName, 3),
    FW_AT(TransactionFileSettings, autoExport, 24),
    FW_AT(TransactionFileSettings, saveMode, 25),
};

#undef FW_SIZE
#undef FW_AT

// The index of the first row of `places` out of place, or -1 when every one is in place.
consteval int firstMisplaced(std::span<const WirePlace> places)
{
    for (std::size_t row = 0; row < places.size(); ++row) {
        if (places[row].actual != places[row].expected) {
            return static_cast<int>(row);
        }
    }
    return -1;
}
static_assert(firstMisplaced(wireLayout) == -1);

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
    Nil = 0,
    Text,
    Integer,
    Real,
    Letter,
    AutoPlusMinus,
    Boolean,
    Lookup,
    FixedData,
    Prompt,
    Counter,
    PassDown,
    Extension,
    Pause,
    Alphameric,
    Image,
    Msqi,
};
inline constexpr int LineTypeCount = 17;

enum class RecordAction : Byte { Save = 0, UpdateLookup = 1, SaveAndUpdate = 2, PassDown = 3 };
enum class StampPosition : Byte { None = 0, Top = 1, Bottom = 2 };

}  // namespace project
