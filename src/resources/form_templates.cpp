// SPDX-License-Identifier: MIT
#include "resources/form_templates.h"

#include <array>
#include <string_view>

#include "resources/dialog_layout.h"

namespace resources {
namespace {

using namespace dialog;

constexpr int HeaderY = 48;

// The columns of the line grid, left to right, and their headers.
constexpr GridColumn gridColumns[] = {
    numberColumn({FormPageId::FirstLineLabel, FormPageLines}, 7, 20, GridColumn::Text::LineNumber, ControlStyle::None),
    listColumn(TypeLists, 30, 68),
    editColumn(PromptEdits, 101, 132),
    listColumn(InputSourceLists, 236, 52),
    editColumn(MinLengthEdits, 291, 28),
    editColumn(MaxLengthEdits, 322, 28),
    listColumn(LinkLists, 353, 66),
    {ControlKind::PushButton, MoreButtons, {422, -1, 42, 14}, {}, "more..."},  // 1 unit high: level texts
};
constexpr std::string_view gridHeaders[] = {"Line", "Data type", "Prompt", "Input source",
                                            "Min",  "Max",       "Lookup", "Properties"};
constexpr std::size_t ColumnCount = std::size(gridColumns);

// A header over each column of the grid (IDs 211 to 218).
constexpr std::array<ControlTemplate, ColumnCount> columnHeaders()
{
    std::array<ControlTemplate, ColumnCount> headers{};
    const ui::ControlRange ids{FormPageId::LineHeader, int(ColumnCount)};
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        const ui::DialogRect& column = gridColumns[i].cell;
        headers[i] = {ControlKind::Label, ids.at(int(i)), gridHeaders[i], {column.x, HeaderY, column.width, 8}};
    }
    return headers;
}

// The form lists: the label (201 to 206) and list (391 to 396) of each, in two rows of three.
constexpr LabelledListColumns formListColumns[] = {
    {7, 28, 38, 60, PageListHeight}, {106, 30, 138, 60, PageListHeight}, {206, 44, 252, 76, PageListHeight}};

constexpr auto fixedControls = concat(
    labelledList(FormPageId::IdLabel, "ID :", FormPageId::FormList, 8, formListColumns[0]),
    labelledList(FormPageId::EscLabel, "Esc  :", FormPageId::EscList, 8, formListColumns[1]),
    labelledList(FormPageId::LookupLabel, "Lookup :", FormPageId::LookupList, 8, formListColumns[2]),
    labelledList(FormPageId::NextLabel, "Next :", FormPageId::NextList, 26, formListColumns[0]),
    labelledList(FormPageId::RecordLabel, "Record :", FormPageId::RecordList, 26, formListColumns[1]),
    labelledList(FormPageId::IndexLabel, "Index field :", FormPageId::IndexList, 26, formListColumns[2]),
    ControlTemplate{ControlKind::PushButton, FormPageId::TimeStampButton, "Time Stamp...", {334, 7, 62, 14}},
    ControlTemplate{ControlKind::PushButton, FormPageId::AdvancedButton, "Advanced...", {402, 7, 62, 14}},
    ControlTemplate{ControlKind::PushButton, FormPageId::ResetButton, "Reset", {402, 25, 62, 14}}, columnHeaders());

constexpr auto formPageControls = withGrid<FormPageLines>(fixedControls, gridColumns, {60, 17});
constexpr ui::DialogTemplate formPageDialog{"FORMDLG", "Form", {470, 270}, formPageControls};

}  // namespace

const ui::DialogTemplate& formPageTemplate() { return formPageDialog; }

// The dialogs the page opens.
namespace {

// A check box at `box` and the edit box it switches on, level with it at `editX`.
constexpr std::array<ControlTemplate, 2> checkedEdit(ui::ControlId checkId, std::string_view text, ui::ControlId editId,
                                                     ui::DialogRect box, int editX, int editWidth)
{
    return {ControlTemplate{ControlKind::CheckBox, checkId, text, box},
            ControlTemplate{ControlKind::Edit, editId, "", {editX, box.y - 1, editWidth, 12}}};
}

// "Form #", "Line #" and their numbers on top of a line dialog, the "Data input" frame below.
constexpr std::array<ControlTemplate, 5> lineHeader(ui::DialogRect dataGroup)
{
    using Id = LineHeaderId;
    return {ControlTemplate{ControlKind::Label, Id::FormLabel, "Form #", {7, 8, 28, 8}},
            ControlTemplate{ControlKind::Label, Id::FormValue, "", {36, 8, 20, 8}},
            ControlTemplate{ControlKind::Label, Id::LineLabel, "Line #", {66, 8, 28, 8}},
            ControlTemplate{ControlKind::Label, Id::LineValue, "", {95, 8, 20, 8}},
            ControlTemplate{ControlKind::GroupBox, Id::DataGroup, "Data input", dataGroup}};
}

// The pieces the three line dialogs share, with the IDs of the dialog's own enum `Id`.
// "Fixed data length" with the length beside it and the alignment of shorter data below.
template <typename Id> constexpr std::array<ControlTemplate, 3> fixedLength(int x, int y, int checkWidth, int listWidth)
{
    return {ControlTemplate{ControlKind::CheckBox, Id::FixedLengthCheck, "Fixed data length", {x, y, checkWidth, 10}},
            ControlTemplate{ControlKind::Edit, Id::FixedLengthEdit, "", {110, y - 1, 24, 12}, ControlStyle::DigitsOnly},
            ControlTemplate{ControlKind::DropDownList, Id::AlignmentList, "", {x + 10, y + 15, listWidth, 70}}};
}

// "Add prefix code" and "Add suffix code", each with a code display below it: the display shows
// the names of the codes and opens the character grid on a click.
template <typename Id>
constexpr std::array<ControlTemplate, 4> prefixAndSuffix(int x, int y, int checkWidth, int displayWidth)
{
    constexpr int SuffixOffset = 29;
    const auto display = [&](ui::ControlId id, int displayY) {
        return ControlTemplate{ControlKind::Edit, id, "", {x + 10, displayY, displayWidth, 12}, ControlStyle::ReadOnly};
    };
    return {ControlTemplate{ControlKind::CheckBox, Id::PrefixCheck, "Add prefix code", {x, y, checkWidth, 10}},
            display(Id::PrefixDisplay, y + 12),
            ControlTemplate{
                ControlKind::CheckBox, Id::SuffixCheck, "Add suffix code", {x, y + SuffixOffset, checkWidth, 10}},
            display(Id::SuffixDisplay, y + SuffixOffset + 12)};
}

// "Show input mark" and the mark.
template <typename Id> constexpr std::array<ControlTemplate, 2> inputMark(int y, int checkWidth)
{
    return checkedEdit(Id::ShowInputMarkCheck, "Show input mark", Id::InputMarkEdit, {14, y, checkWidth, 10}, 110, 16);
}

// An edit box for digits with its label in front.
constexpr std::array<ControlTemplate, 2> labelledNumber(ui::ControlId labelId, std::string_view text,
                                                        ui::ControlId editId, int y, int editWidth)
{
    return {ControlTemplate{ControlKind::Label, labelId, text, {206, y + 2, 76, 8}},
            ControlTemplate{ControlKind::Edit, editId, "", {290, y, editWidth, 12}, ControlStyle::DigitsOnly}};
}

}  // namespace

using Field = FieldPropertiesId;
constexpr auto fieldPropertiesControls = concat(
    lineHeader({7, 22, 176, 170}), fixedLength<Field>(14, 36, 92, 152),
    checkedEdit(Field::InitialValueCheck, "Initial value or text", Field::InitialValueEdit, {14, 70, 92, 10}, 110, 66),
    prefixAndSuffix<Field>(14, 87, 92, 152), inputMark<Field>(147, 92),
    labelledList(Field::DecimalPlacesLabel, "Decimal places :", Field::DecimalPlacesList, 166, {14, 80, 110, 66, 70}),
    ControlTemplate{ControlKind::GroupBox, Field::BarcodeGroup, "Barcode input", {189, 22, 176, 170}},
    ControlTemplate{ControlKind::CheckBox, Field::PartialCheck, "Read partial barcode", {196, 36, 120, 10}},
    labelledNumber(Field::StartLabel, "Start position :", Field::StartEdit, 50, 20),
    labelledNumber(Field::PartialLengthLabel, "Maximum length :", Field::PartialLengthEdit, 66, 24),
    checkedEdit(Field::LeadingCodeCheck, "Check leading code", Field::LeadingCodeEdit, {196, 87, 90, 10}, 290, 66),
    ControlTemplate{ControlKind::CheckBox, Field::CheckDigitCheck, "Check digit verification", {196, 106, 120, 10}},
    ControlTemplate{ControlKind::DropDownList, Field::CheckDigitList, "", {206, 120, 152, 70}},
    labelledList(Field::AutoEnterLabel, "Auto ENTER :", Field::AutoEnterList, 144, {196, 60, 262, 96, 70}),
    okCancelAt(250, 312, 198));
constexpr ui::DialogTemplate fieldPropertiesDialog{"ADVANCEDLG", "Properties", {372, 218}, fieldPropertiesControls};
const ui::DialogTemplate& fieldPropertiesTemplate() { return fieldPropertiesDialog; }

using Stamp = TimestampId;
constexpr auto timestampControls =
    concat(labelledList(Stamp::PositionLabel, "Date && Time Stamp :", Stamp::PositionList, 8, {7, 80, 90, 150, 70}),
           ControlTemplate{ControlKind::CheckBox,
                           Stamp::SplitCheck,
                           "Separate DATE stamp and TIME stamp to two fields.",
                           {7, 28, 240, 10}},
           ControlTemplate{ControlKind::GroupBox, Stamp::DateFormatGroup, "Date Format : ", {7, 44, 190, 120}},
           ControlTemplate{ControlKind::CheckBox, Stamp::YearCheck, "Year", {16, 60, 50, 10}},
           ControlTemplate{ControlKind::DropDownList, Stamp::YearDigitsList, "", {70, 58, 90, 70}},
           checkStack({{Stamp::MonthCheck, "Month"}, {Stamp::DayCheck, "Day"}}, {16, 78, 50, 10}, 16),
           checkedEdit(Stamp::DateSeparatorCheck, "Separator", Stamp::DateSeparatorEdit, {16, 110, 50, 10}, 70, 16),
           labelledList(Stamp::DateOrderLabel, "Date Style :", Stamp::DateOrderList, 132, {16, 50, 70, 100, 70}),
           ControlTemplate{ControlKind::GroupBox, Stamp::TimeFormatGroup, "Time Format : ", {203, 44, 110, 120}},
           ControlTemplate{ControlKind::CheckBox, Stamp::HourCheck, "Hour", {212, 60, 60, 10}},
           checkStack({{Stamp::MinuteCheck, "Minute"}, {Stamp::SecondCheck, "Second"}}, {212, 78, 60, 10}, 16),
           checkedEdit(Stamp::TimeSeparatorCheck, "Separator", Stamp::TimeSeparatorEdit, {212, 110, 50, 10}, 266, 16),
           okCancelAt(102, 168, 170));
constexpr ui::DialogTemplate timestampDialog{
    "TIMESTAMPDLG", "Date & Time Stamp settings", {320, 190}, timestampControls};
const ui::DialogTemplate& timestampTemplate() { return timestampDialog; }

constexpr auto formPropertiesControls = concat(
    ControlTemplate{ControlKind::CheckBox, FormPropertiesId::ReadOnceCheck, "Only read data once", {12, 10, 150, 10}},
    exportFile(28, 43, 64, 80),
    ControlTemplate{ControlKind::CheckBox, FormPropertiesId::MsqiCheck, "Enable MSQI Function", {12, 102, 150, 10}},
    okCancelAt(60, 125, 136));
constexpr ui::DialogTemplate formPropertiesDialog{"FORMADVANCEDLG", "Properties", {235, 159}, formPropertiesControls};
const ui::DialogTemplate& formPropertiesTemplate() { return formPropertiesDialog; }

using Lookup = LookupFieldId;
constexpr auto lookupFieldControls =
    concat(lineHeader({7, 22, 182, 124}),
           ControlTemplate{ControlKind::CheckBox, Lookup::SaveDataCheck, "Save field data", {14, 34, 120, 10}},
           fixedLength<Lookup>(24, 50, 80, 148), prefixAndSuffix<Lookup>(24, 85, 80, 148), okCancelAt(40, 106, 154));
constexpr ui::DialogTemplate lookupFieldDialog{"LOOKUPADVANCEDLG", "Properties", {196, 175}, lookupFieldControls};
const ui::DialogTemplate& lookupFieldTemplate() { return lookupFieldDialog; }

using Image = ImageFieldId;
constexpr auto imageFieldControls = concat(
    lineHeader({7, 22, 181, 164}),
    checkStack({{Image::EditPathCheck, "Edit file path"}, {Image::SavePathCheck, "Save file path"}}, {14, 34, 120, 10},
               14),
    ControlTemplate{ControlKind::CheckBox, Image::CheckPathCheck, "Check file path", {24, 62, 120, 10}},
    fixedLength<Image>(14, 78, 88, 156),
    checkedEdit(Image::InitialPathCheck, "Initial file path", Image::InitialPathEdit, {14, 114, 88, 10}, 110, 70),
    inputMark<Image>(132, 88), okCancelAt(40, 106, 194));
constexpr ui::DialogTemplate imageFieldDialog{"IMAGEADVANCEDLG", "Properties", {195, 215}, imageFieldControls};
const ui::DialogTemplate& imageFieldTemplate() { return imageFieldDialog; }

}  // namespace resources
