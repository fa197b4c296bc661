// SPDX-License-Identifier: MIT
// The symbology dialogs that the 2D imager and the long-range reader share (`_2DDLG` and
// `_1DEDLG`): one table of bindings and rules per symbology (twin_tables.h), placed in a reader's
// area by its field prefix. A dialog adds its template and title; its captions follow its title
// entry in the same order for both readers. The 2D dialogs copy the record when they open and put
// it back on Cancel; of the long-range ones only Interleaved 25 does, and GS1-128 of neither.
#include <cstddef>
#include <span>

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

using Template = const ui::DialogTemplate& (*)();

// A twin dialog of the reader `Area`, with the usual commit policy of that reader.
template <Literal Area>
constexpr ParameterDialogSpec twin(Template dialogTemplate, int title, std::span<const ui::TextReplacement> captions,
                                   std::span<const Binding> bindings, std::span<const EnablingRule> rules,
                                   const LengthGroup* lengths)
{
    const bool isImager = joined<Area> == "imager";
    return {dialogTemplate,
            sid(title),
            captions,
            bindings,
            rules,
            lengths,
            isImager ? CommitPolicy::SnapshotOnOpen : CommitPolicy::OnOk};
}
constexpr ParameterDialogSpec withCommit(ParameterDialogSpec spec, CommitPolicy commit)
{
    spec.commit = commit;
    return spec;
}

// The length group of a twin, labelled from its reader's run of entries.
template <typename Id, Literal Area, Literal Symbology>
constexpr LengthGroup lengthsIn = lengths<Id, Area, Symbology>(joined<Area> == "imager" ? ImagerLengthLabels
                                                                                        : LongRangeLengthLabels);

// The dialog of each symbology; its captions run from the entry after its title `Title` on.
// Trioptic 39 (106) keeps its template text in every language; the long-range reader has no
// "Trioptic 39", the last binding.
template <int Title>
constexpr ui::TextReplacement code39Captions[] = {{Code39ImagerId::ConvertToCode32Check, sid(Title + 1), 5},
                                                  {Code39ImagerId::LengthModeLabel, sid(Title + 6)}};
template <Literal Area, int Title>
constexpr ParameterDialogSpec code39Dialog(Template dialogTemplate, std::size_t count)
{
    return twin<Area>(dialogTemplate, Title, code39Captions<Title>, std::span<const Binding>(code39<Area>).first(count),
                      code39Rules, &lengthsIn<Code39ImagerId, Area, "Code39">);
}

// Code 93 and Industrial 25: the length group alone.
template <int Title>
constexpr ui::TextReplacement code93Captions[] = {{Code93ImagerId::LengthModeLabel, sid(Title + 1)}};
template <Literal Area, Literal Symbology, int Title> constexpr ParameterDialogSpec lengthsOnly(Template dialogTemplate)
{
    return twin<Area>(dialogTemplate, Title, code93Captions<Title>, {}, {},
                      &lengthsIn<Code93ImagerId, Area, Symbology>);
}

template <int Title>
constexpr ui::TextReplacement codabarCaptions[] = {{CodabarImagerId::ClsiEditingCheck, sid(Title + 1), 2},
                                                   {CodabarImagerId::LengthModeLabel, sid(Title + 3)}};
template <Literal Area, int Title> constexpr ParameterDialogSpec codabarDialog(Template dialogTemplate)
{
    return twin<Area>(dialogTemplate, Title, codabarCaptions<Title>, codabar<Area>, {},
                      &lengthsIn<CodabarImagerId, Area, "Codabar">);
}

// The long-range reader's "Verify Check Digit :" keeps its template text.
constexpr ui::TextReplacement interleaved25ImagerCaptions[] = {
    {Interleaved25ImagerId::VerifyCheckDigitLabel, sid(1052)},
    {Interleaved25ImagerId::TransmitCheckDigitCheck, sid(1053), 2},
    {Interleaved25ImagerId::LengthModeLabel, sid(1055)}};
constexpr ui::TextReplacement interleaved25LongRangeCaptions[] = {
    {Interleaved25ImagerId::TransmitCheckDigitCheck, sid(933), 2}, {Interleaved25ImagerId::LengthModeLabel, sid(935)}};
template <Literal Area>
constexpr ParameterDialogSpec interleaved25Dialog(Template dialogTemplate, int title,
                                                  std::span<const ui::TextReplacement> captions)
{
    return twin<Area>(dialogTemplate, title, captions, interleaved25<Area>, interleaved25Rules,
                      &lengthsIn<Interleaved25ImagerId, Area, "Interleaved25">);
}

template <int Title>
constexpr ui::TextReplacement msiCaptions[] = {{MsiImagerId::TransmitCheckDigitCheck, sid(Title + 1)},
                                               {MsiImagerId::CheckDigitsLabel, sid(Title + 2), 2},
                                               {MsiImagerId::LengthModeLabel, sid(Title + 4)}};
template <Literal Area, int Title> constexpr ParameterDialogSpec msiDialog(Template dialogTemplate)
{
    return twin<Area>(dialogTemplate, Title, msiCaptions<Title>, msi<Area>, msiRules,
                      &lengthsIn<MsiImagerId, Area, "Msi">);
}

template <int Title>
constexpr ui::TextReplacement dataBar14Captions[] = {
    {resources::DataBar14ImagerId::ConvertToUpcEanCheck, sid(Title + 1)}};
template <int Title>
constexpr ui::TextReplacement gs1128Captions[] = {{resources::Gs1128ImagerId::SeparatorLabel, sid(Title + 1)}};

}  // namespace

using namespace resources;

constexpr ParameterDialogSpec code39LongRangeDialog = code39Dialog<"longRange", 901>(code39LongRangeTemplate, 5);
constexpr ParameterDialogSpec code93ImagerDialog = lengthsOnly<"imager", "Code93", 1021>(code93ImagerTemplate);
constexpr ParameterDialogSpec code93LongRangeDialog = lengthsOnly<"longRange", "Code93", 911>(code93LongRangeTemplate);
constexpr ParameterDialogSpec industrial25ImagerDialog =
    lengthsOnly<"imager", "Industrial25", 1041>(industrial25ImagerTemplate);
constexpr ParameterDialogSpec industrial25LongRangeDialog =
    lengthsOnly<"longRange", "Industrial25", 921>(industrial25LongRangeTemplate);
constexpr ParameterDialogSpec codabarImagerDialog = codabarDialog<"imager", 1031>(codabarImagerTemplate);
constexpr ParameterDialogSpec codabarLongRangeDialog = codabarDialog<"longRange", 941>(codabarLongRangeTemplate);
constexpr ParameterDialogSpec interleaved25ImagerDialog =
    interleaved25Dialog<"imager">(interleaved25ImagerTemplate, 1051, interleaved25ImagerCaptions);
// The only long-range dialog that copies the record when it opens.
constexpr ParameterDialogSpec interleaved25LongRangeDialog =
    withCommit(interleaved25Dialog<"longRange">(interleaved25LongRangeTemplate, 931, interleaved25LongRangeCaptions),
               CommitPolicy::SnapshotOnOpen);
constexpr ParameterDialogSpec msiImagerDialog = msiDialog<"imager", 1071>(msiImagerTemplate);
constexpr ParameterDialogSpec msiLongRangeDialog = msiDialog<"longRange", 961>(msiLongRangeTemplate);
constexpr ParameterDialogSpec dataBar14ImagerDialog =
    twin<"imager">(dataBar14ImagerTemplate, 1061, dataBar14Captions<1061>, dataBar14<"imager">, {}, nullptr);
constexpr ParameterDialogSpec dataBar14LongRangeDialog =
    twin<"longRange">(dataBar14LongRangeTemplate, 951, dataBar14Captions<951>, dataBar14<"longRange">, {}, nullptr);
// The field separator: nothing is written before OK in either reader.
constexpr ParameterDialogSpec gs1128ImagerDialog{gs1128ImagerTemplate, sid(1231), gs1128Captions<1231>, gs1128};
constexpr ParameterDialogSpec gs1128LongRangeDialog{gs1128LongRangeTemplate, sid(1221), gs1128Captions<1221>, gs1128};

}  // namespace editor::reader
