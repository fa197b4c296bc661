// SPDX-License-Identifier: MIT
// The bytes of the reader settings record (block 4) that the Barcode page and the symbology
// dialogs give a meaning, with the values a new project writes. Names start with the reader type
// whose area holds the byte: laser (1D laser/CCD), longRange (1D extra long range), imager (2D),
// rfid and image (capture). The long-range and 2D areas lay most symbologies out alike; those
// groups are written once below and placed in each area.
#pragma once

#include <algorithm>
#include <array>
#include <type_traits>

#include "project/field_map.h"

namespace project {
namespace reader_map {

inline constexpr int Flag = 1;
inline constexpr int Length = 127;

// A string literal as a template argument, so that field names can be joined when the program
// is built ("imager" + "Code39" + "LengthMode").
template <std::size_t N>
struct Literal
{
    char chars[N]{};
    consteval Literal(const char (&text)[N]) { std::copy_n(text, N, chars); }
};

template <Literal... Parts>
inline constexpr auto joinedChars = [] {
    std::array<char, ((sizeof(Parts.chars) - 1) + ...) + 1> out{};
    std::size_t n = 0;
    ((std::copy_n(Parts.chars, sizeof(Parts.chars) - 1, out.begin() + n), n += sizeof(Parts.chars) - 1), ...);
    return out;
}();

template <Literal... Parts>
inline constexpr std::string_view joined{joinedChars<Parts...>.data(), joinedChars<Parts...>.size() - 1};

// One table from single fields and groups of fields.
template <typename Part> inline constexpr std::size_t fieldCount = 1;
template <std::size_t N> inline constexpr std::size_t fieldCount<std::array<FieldSpec, N>> = N;

template <typename... Parts>
constexpr auto fieldTable(const Parts&... parts)
{
    std::array<FieldSpec, (fieldCount<Parts> + ...)> out{};
    std::size_t n = 0;
    const auto put = [&](const auto& part) {
        if constexpr (std::is_same_v<std::decay_t<decltype(part)>, FieldSpec>) {
            out[n++] = part;
        } else {
            for (const FieldSpec& field : part) {
                out[n++] = field;
            }
        }
    };
    (put(parts), ...);
    return out;
}

// Length mode ("Range"), length 1 and length 2 of a symbology.
template <Literal Area, Literal Symbology>
constexpr std::array<FieldSpec, 3> lengthGroup(std::size_t mode)
{
    return {byteField(joined<Area, Symbology, "LengthMode">, mode, 3, 3),
            byteField(joined<Area, Symbology, "Length1">, mode + 1, Length, 4),
            byteField(joined<Area, Symbology, "Length2">, mode + 2, Length, 55)};
}

// A symbology switched on by default and followed by its length group.
template <Literal Area, Literal Symbology>
constexpr auto withLengths(std::size_t enable)
{
    return fieldTable(byteField(joined<Area, Symbology>, enable, Flag, 1), lengthGroup<Area, Symbology>(enable + 1));
}

// The UPC/EAN group, from UPC-A on to the coupon code.
template <Literal Area>
constexpr auto upcEanGroup(std::size_t upcA, int redundancy)
{
    return fieldTable(
        byteField(joined<Area, "UpcA">, upcA, Flag, 1), byteField(joined<Area, "UpcE0">, upcA + 1, Flag, 1),
        byteField(joined<Area, "UpcE1">, upcA + 2, Flag), byteField(joined<Area, "Ean8">, upcA + 3, Flag, 1),
        byteField(joined<Area, "Ean13">, upcA + 4, Flag, 1), byteField(joined<Area, "BooklandEan">, upcA + 5, Flag, 1),
        byteField(joined<Area, "Supplementals">, upcA + 6, 2),
        byteField(joined<Area, "SupplementalRedundancy">, upcA + 7, 30, redundancy),
        byteField(joined<Area, "UpcATransmitCheckDigit">, upcA + 8, Flag, 1),
        byteField(joined<Area, "UpcE0TransmitCheckDigit">, upcA + 9, Flag, 1),
        byteField(joined<Area, "UpcE1TransmitCheckDigit">, upcA + 10, Flag, 1),
        byteField(joined<Area, "UpcAPreamble">, upcA + 11, 2, 1), byteField(joined<Area, "UpcE0Preamble">, upcA + 12, 2, 1),
        byteField(joined<Area, "UpcE1Preamble">, upcA + 13, 2, 1),
        byteField(joined<Area, "UpcE0ConvertToUpcA">, upcA + 14, Flag),
        byteField(joined<Area, "UpcE1ConvertToUpcA">, upcA + 15, Flag),
        byteField(joined<Area, "Ean8ConvertToEan13">, upcA + 16, Flag), byteField(joined<Area, "CouponCode">, upcA + 17, Flag));
}

// Code 128, GS1-128, ISBT 128, Code 39 with its options and Code 93.
template <Literal Area>
constexpr auto code128And39Group(std::size_t code128)
{
    return fieldTable(
        byteField(joined<Area, "Code128">, code128, Flag, 1), byteField(joined<Area, "Gs1128">, code128 + 1, Flag, 1),
        byteField(joined<Area, "Isbt128">, code128 + 2, Flag, 1), byteField(joined<Area, "Code39">, code128 + 3, Flag, 1),
        byteField(joined<Area, "Trioptic39">, code128 + 4, Flag),
        byteField(joined<Area, "Code39ConvertToCode32">, code128 + 5, Flag),
        byteField(joined<Area, "Code39Code32Prefix">, code128 + 6, Flag), lengthGroup<Area, "Code39">(code128 + 7),
        byteField(joined<Area, "Code39VerifyCheckDigit">, code128 + 10, Flag),
        byteField(joined<Area, "Code39TransmitCheckDigit">, code128 + 11, Flag),
        byteField(joined<Area, "Code39FullAscii">, code128 + 12, Flag), withLengths<Area, "Code93">(code128 + 13));
}

// Interleaved 25 with its check digit options, Industrial 25, Codabar with its editing options
// and MSI with its check digit options.
template <Literal Area>
constexpr auto twoOfFiveToMsiGroup(std::size_t interleaved25, int msiAlgorithm)
{
    const std::size_t i = interleaved25;
    return fieldTable(withLengths<Area, "Interleaved25">(i),
                      byteField(joined<Area, "Interleaved25VerifyCheckDigit">, i + 4, 2),
                      byteField(joined<Area, "Interleaved25TransmitCheckDigit">, i + 5, Flag),
                      byteField(joined<Area, "Interleaved25ConvertToEan13">, i + 6, Flag),
                      withLengths<Area, "Industrial25">(i + 7), withLengths<Area, "Codabar">(i + 11),
                      byteField(joined<Area, "CodabarClsiEditing">, i + 15, Flag),
                      byteField(joined<Area, "CodabarNotisEditing">, i + 16, Flag), withLengths<Area, "Msi">(i + 17),
                      byteField(joined<Area, "MsiCheckDigits">, i + 21, 1),
                      byteField(joined<Area, "MsiTransmitCheckDigit">, i + 22, Flag),
                      byteField(joined<Area, "MsiCheckAlgorithm">, i + 23, 1, msiAlgorithm));
}

// The three DataBar switches and the conversion to UPC/EAN.
template <Literal Area>
constexpr auto dataBarGroup(std::size_t dataBar14, int isOn)
{
    return fieldTable(byteField(joined<Area, "DataBar14">, dataBar14, Flag, isOn),
                      byteField(joined<Area, "DataBarLimited">, dataBar14 + 1, Flag, isOn),
                      byteField(joined<Area, "DataBarExpanded">, dataBar14 + 2, Flag, isOn),
                      byteField(joined<Area, "DataBarConvertToUpcEan">, dataBar14 + 3, Flag));
}

// Industrial, Interleaved and Matrix 25 of the laser reader: seven bytes each.
template <Literal Symbology>
constexpr std::array<FieldSpec, 7> laserTwoOfFive(std::size_t enable, int startStop)
{
    return {byteField(joined<"laser", Symbology>, enable, Flag, 1),
            byteField(joined<"laser", Symbology, "StartStop">, enable + 1, 2, startStop),
            byteField(joined<"laser", Symbology, "VerifyCheckDigit">, enable + 2, Flag),
            byteField(joined<"laser", Symbology, "TransmitCheckDigit">, enable + 3, Flag, 1),
            byteField(joined<"laser", Symbology, "LengthSelection">, enable + 4, 1, 1),
            byteField(joined<"laser", Symbology, "Length1">, enable + 5, Length, 127),
            byteField(joined<"laser", Symbology, "Length2">, enable + 6, Length, 4)};
}

// A laser symbology (`isOn` in a new project) followed by whether it transmits its check digit
// (on).
template <Literal Symbology>
constexpr std::array<FieldSpec, 2> laserWithCheckDigit(std::size_t enable, int isOn)
{
    return {byteField(joined<"laser", Symbology>, enable, Flag, isOn),
            byteField(joined<"laser", Symbology, "TransmitCheckDigit">, enable + 1, Flag, 1)};
}

// Whether a laser UPC/EAN symbology transmits its check digit (on), and its two add-on switches.
template <Literal Symbology>
constexpr std::array<FieldSpec, 3> laserCheckDigitAndAddons(std::size_t transmitCheckDigit)
{
    return {byteField(joined<"laser", Symbology, "TransmitCheckDigit">, transmitCheckDigit, Flag, 1),
            byteField(joined<"laser", Symbology, "Addon2">, transmitCheckDigit + 1, Flag),
            byteField(joined<"laser", Symbology, "Addon5">, transmitCheckDigit + 2, Flag)};
}

// A laser DataBar symbology (off in a new project) and what it transmits besides the data: the
// check digit, the application ID and the code ID (all on).
template <Literal Symbology>
constexpr std::array<FieldSpec, 4> laserDataBar(std::size_t enable)
{
    return {byteField(joined<"laser", Symbology>, enable, Flag),
            byteField(joined<"laser", Symbology, "TransmitCheckDigit">, enable + 1, Flag, 1),
            byteField(joined<"laser", Symbology, "TransmitApplicationId">, enable + 2, Flag, 1),
            byteField(joined<"laser", Symbology, "TransmitCodeId">, enable + 3, Flag, 1)};
}

inline constexpr auto readerFields = fieldTable(
    byteField("readerCode", 0, NoLimit, 7),
    byteField("laserCode39", 1, Flag, 1),
    byteField("laserCode39TransmitStartStop", 2, Flag),
    byteField("laserCode39VerifyCheckDigit", 3, Flag),
    byteField("laserCode39TransmitCheckDigit", 4, Flag, 1),
    byteField("laserCode39FullAscii", 5, Flag),
    laserWithCheckDigit<"ItalianPharmacode">(6, 0), laserWithCheckDigit<"FrenchPharmacode">(8, 0),
    laserTwoOfFive<"Industrial25">(10, 0), laserTwoOfFive<"Interleaved25">(17, 1), laserTwoOfFive<"Matrix25">(24, 2),
    byteField("laserCodabar", 31, Flag, 1),
    byteField("laserCodabarTransmitStartStop", 32, 4),
    byteField("laserMsi", 33, Flag),
    byteField("laserMsiVerifyCheckDigit", 34, 2),
    byteField("laserMsiTransmitCheckDigit", 35, 2, 1),
    byteField("laserMsiLengthSelection", 36, 1, 1),
    byteField("laserMsiLength1", 37, Length, 127),
    byteField("laserMsiLength2", 38, Length, 4),
    byteField("laserPlessey", 39, Flag),
    byteField("laserPlesseyConvertToUkPlessey", 40, Flag),
    byteField("laserPlesseyTransmitCheckDigit", 41, Flag, 1),
    byteField("laserUpcE", 42, Flag, 1),
    byteField("laserUpcEConvertToUpcA", 43, Flag),
    byteField("laserUpcETransmitSystemNumber", 44, Flag),
    laserCheckDigitAndAddons<"UpcE">(45),
    byteField("laserEan8", 48, Flag, 1),
    laserCheckDigitAndAddons<"Ean8">(49),
    byteField("laserEan8ConvertToEan13", 52, Flag),
    byteField("laserEan13", 53, Flag, 1),
    byteField("laserEan13IsbnConversion", 54, Flag),
    byteField("laserEan13IssnConversion", 55, Flag),
    laserCheckDigitAndAddons<"Ean13">(56),
    byteField("laserUpcATransmitSystemNumber", 59, Flag, 1),
    byteField("laserUpcATransmitCheckDigit", 60, Flag, 1),
    byteField("laserUpcAConvertToEan13", 61, Flag, 1),
    byteField("laserTelepen", 62, Flag),
    byteField("laserTelepenOriginal", 63, Flag, 1),
    laserDataBar<"DataBar14">(64), laserDataBar<"DataBarLimited">(68),
    byteField("laserDataBarExpanded", 72, Flag),
    byteField("laserDataBarExpandedTransmitCodeId", 73, Flag, 1),
    byteField("laserCode93", 74, Flag, 1),
    byteField("laserCode128", 75, Flag, 1),
    byteField("laserGs1128", 76, Flag, 1),
    byteField("laserGs1128TransmitCodeId", 77, Flag),
    byteField("laserScanMode", 78, 8, 6),
    byteField("laserTimeout", 79, 99, 3),
    byteField("laserReadRedundancy", 80, 3),
    byteField("laserNegativeBarcode", 81, Flag),
    byteField("laserGtin", 82, Flag),
    byteField("laserIsbt128", 83, Flag, 1),
    // 1D extra long range.
    upcEanGroup<"longRange">(101, 14), code128And39Group<"longRange">(120),
    twoOfFiveToMsiGroup<"longRange">(137, 1), dataBarGroup<"longRange">(161, 0),
    byteField("longRangeDecodeTimeout", 165, 99, 30),
    byteField("longRangeAimDuration", 167, 99),
    // 2D imager.
    upcEanGroup<"imager">(191, 10), byteField("imagerLinearUpcEanDecode", 209, Flag, 1), code128And39Group<"imager">(210),
    withLengths<"imager", "Code11">(227), byteField("imagerCode11VerifyCheckDigit", 231, 2),
    byteField("imagerCode11TransmitCheckDigit", 232, Flag), twoOfFiveToMsiGroup<"imager">(233, 0),
    byteField("imagerUsPostnet", 257, Flag, 1),
    byteField("imagerUsPlanet", 258, Flag, 1),
    byteField("imagerUkPostal", 259, Flag, 1),
    byteField("imagerUkPostalTransmitCheckDigit", 260, Flag, 1),
    byteField("imagerJapanPostal", 261, Flag, 1),
    byteField("imagerAustralianPostal", 262, Flag, 1),
    byteField("imagerDutchPostal", 263, Flag, 1),
    byteField("imagerUsPostalTransmitCheckDigit", 264, Flag, 1),
    dataBarGroup<"imager">(265, 1),
    byteField("imagerCompositeCcC", 269, Flag, 1),
    byteField("imagerCompositeCcAB", 270, Flag),
    byteField("imagerCompositeTlc39", 271, Flag),
    byteField("imagerUpcCompositeMode", 272, 2, 1),
    byteField("imagerGs1128EmulationMode", 273, Flag),
    byteField("imagerPdf417", 274, Flag, 1),
    byteField("imagerMicroPdf417", 275, Flag),
    byteField("imagerCode128Emulation", 276, Flag),
    byteField("imagerDataMatrix", 277, Flag, 1),
    byteField("imagerMaxicode", 278, Flag, 1),
    byteField("imagerQrCode", 279, Flag, 1),
    byteField("imagerMacroPdfMode", 280, 2, 2),
    byteField("imagerMacroPdfControlHeader", 281, Flag, 1),
    byteField("imagerMacroPdfEscapeCharacters", 282, 2),
    byteField("imagerTimeout", 283, 99, 30),
    byteField("imagerDecodeIllumination", 286, 1, 1),
    byteField("imagerAimerPattern", 287, 1, 1),
    byteField("imagerImageFocus", 288, 2),
    byteField("imageCaptureOn", 291, Flag),
    byteField("imageAutoexposure", 293, Flag, 1),
    byteField("imageIllumination", 294, Flag, 1),
    byteField("imageGain", 295, 127, 100),
    byteField("imageExposureTime", 296, 30, 10),
    byteField("imageSnapshotAimPattern", 297, Flag, 1),
    byteField("imageResolution", 298, 3),
    byteField("imageOptimizedForJpegQuality", 299, Flag, 1),
    // RFID reader and image capture.
    byteField("imageJpegQuality", 300, 100, 65),
    byteField("imageJpegSize", 301, 150, 40),
    byteField("imageFormat", 302, 3, 1),
    byteField("imageBitsPerPixel", 303, 2, 2),
    byteField("rfidDecodeUid", 311, Flag, 1),
    byteField("rfidDecodeData", 312, Flag),
    byteField("rfidAddDelimiter", 313, Flag),
    textField("rfidDelimiter", 314, 2, ','),
    byteField("rfidStartPosition", 318, NoLimit, 255),
    byteField("rfidMaxLength", 319, NoLimit, 10),
    byteField("readerCodeCopy", 341, NoLimit, 7),
    byteField("goodReadSound", 342, 9, 2),
    byteField("soundCopy", 343, NoLimit, 9),
    byteField("vibratorOnCopy", 344, Flag),
    byteField("vibratorCopy", 345, NoLimit, 2));

}  // namespace reader_map

using reader_map::readerFields;

// Bytes that no control shows and that a new project sets all the same.
inline constexpr HiddenDefault readerHiddenDefaults[] = {
    {166, 10}, {284, 6}, {285, 1}, {292, 1}, {320, 3}, {347, 1}, {348, 1},
};

// The offset of a named reader byte, checked when the program is built.
consteval std::size_t readerByte(std::string_view name) { return fieldNamed(readerFields, name).offset; }

}  // namespace project
