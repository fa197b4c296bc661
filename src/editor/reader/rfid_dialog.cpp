// SPDX-License-Identifier: MIT
// RFIDPARAMDLG: what the RFID reader sends of a tag: its UID, its data (from a start position,
// up to a maximum length) and a delimiter between the two.
#include "editor/reader/reader_dialogs.h"
#include "resources/rfid_templates.h"

namespace editor::reader {
namespace {

using Id = resources::RfidParameterId;
using texts::sid;

constexpr FieldRef delimiter = readerField("rfidDelimiter");

// The terminal reads the start position as a signed byte: 255 is -1, byte 0 of the default page.
constexpr Binding bindings[] = {
    flag(Id::DecodeUidCheck, readerField("rfidDecodeUid")),
    flag(Id::DecodeDataCheck, readerField("rfidDecodeData")),
    flag(Id::AddDelimiterCheck, readerField("rfidAddDelimiter")),
    correctedOnOpen(signedNumber(Id::StartPositionEdit, readerField("rfidStartPosition"), -1, 254, 3)),
    correctedOnOpen(number(Id::MaxLengthEdit, readerField("rfidMaxLength"), 0, 255, 3)),
    text(Id::DelimiterEdit, delimiter, 1),
};

// A delimiter only separates the UID from the data when both are sent.
constexpr EnablingRule rules[] = {
    enabledWhileBothChecked(Id::AddDelimiterCheck, Id::DecodeDataCheck, Id::DecodeUidCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::DelimiterEdit, Id::AddDelimiterCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::StartPositionEdit, Id::DecodeDataCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::MaxLengthEdit, Id::DecodeDataCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::StartPositionLabel, Id::DecodeDataCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::MaxLengthLabel, Id::DecodeDataCheck, WhenDisabled::Keep),
    enabledWhileChecked(Id::StartPositionNoteLabel, Id::DecodeDataCheck, WhenDisabled::Keep),
};

constexpr ui::TextReplacement captions[] = {
    {Id::DecodeUidCheck, sid(592), 3},
    {Id::StartPositionLabel, sid(595), 2},
};

// The terminal reads the delimiter as a two-byte string: an empty one is two zeros.
void terminateDelimiter(ParameterDialogModel& dialog) { dialog.byte({delimiter.record, delimiter.offset + 1}) = 0; }

}  // namespace

constexpr ParameterDialogSpec rfidDialog{
    .dialogTemplate = resources::rfidParameterTemplate,
    .titleEntry = sid(591),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .hooks = {.afterStore = terminateDelimiter},
};

}  // namespace editor::reader
