// SPDX-License-Identifier: MIT
// The symbology tables that the 2D imager and the long-range reader share: their dialogs have the
// same controls and edit the same fields, each reader in its own area of the record. A table is
// written once and placed in an area by the prefix of its field names ("imager", "longRange").
#pragma once

#include "editor/parameter_dialog.h"
#include "resources/imager_templates.h"

namespace editor::reader::twins {

using project::reader_map::joined;
using project::reader_map::Literal;

// The length labels of each reader: Range, then every other mode.
inline constexpr texts::StringId ImagerLengthLabels = texts::sid(571);
inline constexpr texts::StringId LongRangeLengthLabels = texts::sid(491);

template <Literal Area, Literal Name> inline constexpr FieldRef field = readerField(joined<Area, Name>);

// The length group of a dialog whose controls are named as in every twin template.
template <typename Id, Literal Area, Literal Symbology> constexpr LengthGroup lengths(texts::StringId firstLabel)
{
    return {Id::LengthModeList, Id::Length1Edit,  Id::Length2Edit,
            Id::Length1Label,   Id::Length2Label, readerField(joined<Area, Symbology, "LengthMode">),
            firstLabel};
}

// Code 39; the long-range dialog has no "Trioptic 39", the last entry.
template <Literal Area>
inline constexpr Binding code39[] = {
    flag(resources::Code39ImagerId::ConvertToCode32Check, field<Area, "Code39ConvertToCode32">),
    flag(resources::Code39ImagerId::Code32PrefixCheck, field<Area, "Code39Code32Prefix">),
    flag(resources::Code39ImagerId::VerifyCheckDigitCheck, field<Area, "Code39VerifyCheckDigit">),
    flag(resources::Code39ImagerId::TransmitCheckDigitCheck, field<Area, "Code39TransmitCheckDigit">),
    flag(resources::Code39ImagerId::FullAsciiCheck, field<Area, "Code39FullAscii">),
    flag(resources::Code39ImagerId::Trioptic39Check, field<Area, "Trioptic39">),
};
// The prefix only means something for Code 32, the transmitted check digit only when it is verified.
inline constexpr EnablingRule code39Rules[] = {
    enabledWhileChecked(resources::Code39ImagerId::Code32PrefixCheck, resources::Code39ImagerId::ConvertToCode32Check),
    enabledWhileChecked(resources::Code39ImagerId::TransmitCheckDigitCheck,
                        resources::Code39ImagerId::VerifyCheckDigitCheck),
};

template <Literal Area>
inline constexpr Binding codabar[] = {
    flag(resources::CodabarImagerId::ClsiEditingCheck, field<Area, "CodabarClsiEditing">),
    flag(resources::CodabarImagerId::NotisEditingCheck, field<Area, "CodabarNotisEditing">),
};

template <Literal Area>
inline constexpr Binding interleaved25[] = {
    list(resources::Interleaved25ImagerId::VerifyCheckDigitList, texts::sid(2070), 3,
         field<Area, "Interleaved25VerifyCheckDigit">),
    flag(resources::Interleaved25ImagerId::TransmitCheckDigitCheck, field<Area, "Interleaved25TransmitCheckDigit">),
    flag(resources::Interleaved25ImagerId::ConvertToEan13Check, field<Area, "Interleaved25ConvertToEan13">),
};
// A check digit is only transmitted when one is verified ("USS" or "OPCC", not "Disable").
inline constexpr EnablingRule interleaved25Rules[] = {
    enabledWhileSelected(resources::Interleaved25ImagerId::TransmitCheckDigitCheck,
                         resources::Interleaved25ImagerId::VerifyCheckDigitList, 0b110),
};

template <Literal Area>
inline constexpr Binding dataBar14[] = {
    flag(resources::DataBar14ImagerId::ConvertToUpcEanCheck, field<Area, "DataBarConvertToUpcEan">),
};

template <Literal Area>
inline constexpr Binding msi[] = {
    flag(resources::MsiImagerId::TransmitCheckDigitCheck, field<Area, "MsiTransmitCheckDigit">),
    list(resources::MsiImagerId::CheckDigitsList, texts::sid(2061), 2, field<Area, "MsiCheckDigits">),
    list(resources::MsiImagerId::CheckAlgorithmList, texts::sid(2081), 2, field<Area, "MsiCheckAlgorithm">),
};
// The algorithm only matters with two check digits; the choice is kept while it does not.
inline constexpr EnablingRule msiRules[] = {
    enabledWhileSelected(resources::MsiImagerId::CheckAlgorithmList, resources::MsiImagerId::CheckDigitsList, 0b10,
                         WhenDisabled::Keep),
    enabledWhileSelected(resources::MsiImagerId::CheckAlgorithmLabel, resources::MsiImagerId::CheckDigitsList, 0b10),
};

// The field separator is one byte of the system settings for every reader.
inline constexpr Binding gs1128[] = {
    character(resources::Gs1128ImagerId::SeparatorEdit, deviceField("gs1Separator")),
};

}  // namespace editor::reader::twins
