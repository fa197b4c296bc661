// SPDX-License-Identifier: MIT
// The symbology dialogs that the 2D imager and the long-range reader share (`_2DDLG` and
// `_1DEDLG`): one table of bindings and rules per symbology (twin_tables.h), placed in a reader's
// area by its field prefix. A dialog adds its template, title and commit policy; its captions
// follow its title entry in the same order for both readers. The 2D dialogs copy the record when
// they open and put it back on Cancel; of the long-range ones only Interleaved 25 does.
#include "editor/reader/reader_dialogs.h"
#include "editor/reader/twin_tables.h"

namespace editor::reader {
namespace {

using namespace twins;
using resources::CodabarImagerId;
using resources::Code39ImagerId;
using resources::Code93ImagerId;
using resources::Interleaved25ImagerId;
using resources::MsiImagerId;
using texts::sid;

constexpr CommitPolicy Snapshot = CommitPolicy::SnapshotOnOpen;
constexpr CommitPolicy OnOk = CommitPolicy::OnOk;

// The length group of a twin, labelled from its reader's run of entries.
template <typename Id, Literal Area, Literal Symbology>
constexpr LengthGroup lengthsIn = lengths<Id, Area, Symbology>(joined<Area> == "imager" ? ImagerLengthLabels
                                                                                        : LongRangeLengthLabels);

// Captions from the title entry `Title` on. Trioptic 39 (106) keeps its template text in every language.
template <int Title>
constexpr ui::TextReplacement code39Captions[] = {{Code39ImagerId::ConvertToCode32Check, sid(Title + 1), 5},
                                                  {Code39ImagerId::LengthModeLabel, sid(Title + 6)}};
template <int Title>
constexpr ui::TextReplacement code93Captions[] = {{Code93ImagerId::LengthModeLabel, sid(Title + 1)}};
template <int Title>
constexpr ui::TextReplacement codabarCaptions[] = {{CodabarImagerId::ClsiEditingCheck, sid(Title + 1), 2},
                                                   {CodabarImagerId::LengthModeLabel, sid(Title + 3)}};
// The long-range reader's "Verify Check Digit :" keeps its template text.
constexpr ui::TextReplacement interleaved25ImagerCaptions[] = {
    {Interleaved25ImagerId::VerifyCheckDigitLabel, sid(1052)},
    {Interleaved25ImagerId::TransmitCheckDigitCheck, sid(1053), 2},
    {Interleaved25ImagerId::LengthModeLabel, sid(1055)}};
constexpr ui::TextReplacement interleaved25LongRangeCaptions[] = {
    {Interleaved25ImagerId::TransmitCheckDigitCheck, sid(933), 2}, {Interleaved25ImagerId::LengthModeLabel, sid(935)}};
template <int Title>
constexpr ui::TextReplacement msiCaptions[] = {{MsiImagerId::TransmitCheckDigitCheck, sid(Title + 1)},
                                               {MsiImagerId::CheckDigitsLabel, sid(Title + 2), 2},
                                               {MsiImagerId::LengthModeLabel, sid(Title + 4)}};
template <int Title>
constexpr ui::TextReplacement dataBar14Captions[] = {
    {resources::DataBar14ImagerId::ConvertToUpcEanCheck, sid(Title + 1)}};
template <int Title>
constexpr ui::TextReplacement gs1128Captions[] = {{resources::Gs1128ImagerId::SeparatorLabel, sid(Title + 1)}};

// The long-range Code 39 has no "Trioptic 39", the last binding.
constexpr ParameterDialogSpec code39LongRange{resources::code39LongRangeTemplate,
                                              sid(901),
                                              code39Captions<901>,
                                              std::span<const Binding>(code39<"longRange">).first(5),
                                              code39Rules,
                                              &lengthsIn<Code39ImagerId, "longRange", "Code39">};

constexpr ParameterDialogSpec code93Imager{resources::code93ImagerTemplate,
                                           sid(1021),
                                           code93Captions<1021>,
                                           {},
                                           {},
                                           &lengthsIn<Code93ImagerId, "imager", "Code93">,
                                           Snapshot};
constexpr ParameterDialogSpec code93LongRange{resources::code93LongRangeTemplate,
                                              sid(911),
                                              code93Captions<911>,
                                              {},
                                              {},
                                              &lengthsIn<Code93ImagerId, "longRange", "Code93">,
                                              OnOk};
constexpr ParameterDialogSpec industrial25Imager{resources::industrial25ImagerTemplate,
                                                 sid(1041),
                                                 code93Captions<1041>,
                                                 {},
                                                 {},
                                                 &lengthsIn<Code93ImagerId, "imager", "Industrial25">,
                                                 Snapshot};
constexpr ParameterDialogSpec industrial25LongRange{resources::industrial25LongRangeTemplate,
                                                    sid(921),
                                                    code93Captions<921>,
                                                    {},
                                                    {},
                                                    &lengthsIn<Code93ImagerId, "longRange", "Industrial25">,
                                                    OnOk};

constexpr ParameterDialogSpec codabarImager{resources::codabarImagerTemplate,
                                            sid(1031),
                                            codabarCaptions<1031>,
                                            codabar<"imager">,
                                            {},
                                            &lengthsIn<CodabarImagerId, "imager", "Codabar">,
                                            Snapshot};
constexpr ParameterDialogSpec codabarLongRange{resources::codabarLongRangeTemplate,
                                               sid(941),
                                               codabarCaptions<941>,
                                               codabar<"longRange">,
                                               {},
                                               &lengthsIn<CodabarImagerId, "longRange", "Codabar">,
                                               OnOk};

constexpr ParameterDialogSpec interleaved25Imager{resources::interleaved25ImagerTemplate,
                                                  sid(1051),
                                                  interleaved25ImagerCaptions,
                                                  interleaved25<"imager">,
                                                  interleaved25Rules,
                                                  &lengthsIn<Interleaved25ImagerId, "imager", "Interleaved25">,
                                                  Snapshot};
constexpr ParameterDialogSpec interleaved25LongRange{resources::interleaved25LongRangeTemplate,
                                                     sid(931),
                                                     interleaved25LongRangeCaptions,
                                                     interleaved25<"longRange">,
                                                     interleaved25Rules,
                                                     &lengthsIn<Interleaved25ImagerId, "longRange", "Interleaved25">,
                                                     Snapshot};

constexpr ParameterDialogSpec msiImager{resources::msiImagerTemplate,
                                        sid(1071),
                                        msiCaptions<1071>,
                                        msi<"imager">,
                                        msiRules,
                                        &lengthsIn<MsiImagerId, "imager", "Msi">,
                                        Snapshot};
constexpr ParameterDialogSpec msiLongRange{resources::msiLongRangeTemplate,
                                           sid(961),
                                           msiCaptions<961>,
                                           msi<"longRange">,
                                           msiRules,
                                           &lengthsIn<MsiImagerId, "longRange", "Msi">,
                                           OnOk};

constexpr ParameterDialogSpec dataBar14Imager{
    resources::dataBar14ImagerTemplate, sid(1061), dataBar14Captions<1061>, dataBar14<"imager">, {}, nullptr, Snapshot};
constexpr ParameterDialogSpec dataBar14LongRange{resources::dataBar14LongRangeTemplate, sid(951),
                                                 dataBar14Captions<951>, dataBar14<"longRange">};

// The field separator: nothing is written before OK in either reader.
constexpr ParameterDialogSpec gs1128Imager{resources::gs1128ImagerTemplate, sid(1231), gs1128Captions<1231>, gs1128};
constexpr ParameterDialogSpec gs1128LongRange{resources::gs1128LongRangeTemplate, sid(1221), gs1128Captions<1221>,
                                              gs1128};

}  // namespace

const ParameterDialogSpec& code39LongRangeDialog() { return code39LongRange; }
const ParameterDialogSpec& code93ImagerDialog() { return code93Imager; }
const ParameterDialogSpec& code93LongRangeDialog() { return code93LongRange; }
const ParameterDialogSpec& industrial25ImagerDialog() { return industrial25Imager; }
const ParameterDialogSpec& industrial25LongRangeDialog() { return industrial25LongRange; }
const ParameterDialogSpec& codabarImagerDialog() { return codabarImager; }
const ParameterDialogSpec& codabarLongRangeDialog() { return codabarLongRange; }
const ParameterDialogSpec& interleaved25ImagerDialog() { return interleaved25Imager; }
const ParameterDialogSpec& interleaved25LongRangeDialog() { return interleaved25LongRange; }
const ParameterDialogSpec& msiImagerDialog() { return msiImager; }
const ParameterDialogSpec& msiLongRangeDialog() { return msiLongRange; }
const ParameterDialogSpec& dataBar14ImagerDialog() { return dataBar14Imager; }
const ParameterDialogSpec& dataBar14LongRangeDialog() { return dataBar14LongRange; }
const ParameterDialogSpec& gs1128ImagerDialog() { return gs1128Imager; }
const ParameterDialogSpec& gs1128LongRangeDialog() { return gs1128LongRange; }

}  // namespace editor::reader
