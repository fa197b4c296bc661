// SPDX-License-Identifier: MIT
#include "resources/form_templates.h"

#include <array>
#include <string_view>

#include "ui/dialog_template.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

constexpr std::array<std::string_view, FormPageLines> lineNumbers = {
    "#1", "#2", "#3", "#4", "#5", "#6", "#7", "#8", "#9", "#10", "#11", "#12",
};

// Drop-down heights include the opened list.
constexpr int ListHeight = 150;
constexpr int RowPitch = 17;
constexpr int FirstRowY = 60;

// Grid columns: x and width of each.
constexpr int LineX = 7, LineWidth = 20;
constexpr int TypeX = 30, TypeWidth = 68;
constexpr int PromptX = 101, PromptWidth = 132;
constexpr int SourceX = 236, SourceWidth = 52;
constexpr int MinX = 291, MaxX = 322, LengthWidth = 28;
constexpr int LinkX = 353, LinkWidth = 66;
constexpr int MoreX = 422, MoreWidth = 42;

constexpr std::array fixedControls = {
    ControlTemplate{ControlKind::Label, FormPageId::IdLabel, "ID :", {7, 10, 28, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::FormList, "", {38, 8, 60, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::EscLabel, "Esc  :", {106, 10, 30, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::EscList, "", {138, 8, 60, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::LookupLabel, "Lookup :", {206, 10, 44, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::LookupList, "", {252, 8, 76, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::NextLabel, "Next :", {7, 28, 28, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::NextList, "", {38, 26, 60, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::RecordLabel, "Record :", {106, 28, 30, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::RecordList, "", {138, 26, 60, ListHeight}},
    ControlTemplate{ControlKind::Label, FormPageId::IndexLabel, "Index field :", {206, 28, 44, 8}},
    ControlTemplate{ControlKind::DropDownList, FormPageId::IndexList, "", {252, 26, 76, ListHeight}},
    ControlTemplate{ControlKind::PushButton, FormPageId::TimeStampButton, "Time Stamp...", {334, 7, 62, 14}},
    ControlTemplate{ControlKind::PushButton, FormPageId::AdvancedButton, "Advanced...", {402, 7, 62, 14}},
    ControlTemplate{ControlKind::PushButton, FormPageId::ResetButton, "Reset", {402, 25, 62, 14}},
    ControlTemplate{ControlKind::Label, FormPageId::LineHeader, "Line", {LineX, 48, LineWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::TypeHeader, "Data type", {TypeX, 48, TypeWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::PromptHeader, "Prompt", {PromptX, 48, PromptWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::InputSourceHeader, "Input source", {SourceX, 48, SourceWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::MinLengthHeader, "Min", {MinX, 48, LengthWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::MaxLengthHeader, "Max", {MaxX, 48, LengthWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::LinkHeader, "Lookup", {LinkX, 48, LinkWidth, 8}},
    ControlTemplate{ControlKind::Label, FormPageId::PropertiesHeader, "Properties", {MoreX, 48, MoreWidth, 8}},
};

constexpr int ControlsPerLine = 8;
constexpr std::size_t ControlCount = fixedControls.size() + ControlsPerLine * FormPageLines;

constexpr std::array<ControlTemplate, ControlCount> allControls = [] {
    std::array<ControlTemplate, ControlCount> controls{};
    std::size_t n = 0;
    for (const ControlTemplate& control : fixedControls) {
        controls[n++] = control;
    }
    for (int line = 1; line <= FormPageLines; ++line) {
        const int y = FirstRowY + (line - 1) * RowPitch;
        controls[n++] = {ControlKind::Label,
                         lineLabel(line),
                         lineNumbers[static_cast<std::size_t>(line - 1)],
                         {LineX, y + 2, LineWidth, 8}};
        controls[n++] = {ControlKind::DropDownList, typeList(line), "", {TypeX, y, TypeWidth, ListHeight}};
        controls[n++] = {ControlKind::Edit, promptEdit(line), "", {PromptX, y, PromptWidth, 12}};
        controls[n++] = {ControlKind::DropDownList, inputSourceList(line), "", {SourceX, y, SourceWidth, ListHeight}};
        controls[n++] = {ControlKind::Edit, minLengthEdit(line), "", {MinX, y, LengthWidth, 12}};
        controls[n++] = {ControlKind::Edit, maxLengthEdit(line), "", {MaxX, y, LengthWidth, 12}};
        controls[n++] = {ControlKind::DropDownList, linkList(line), "", {LinkX, y, LinkWidth, ListHeight}};
        controls[n++] = {ControlKind::PushButton, moreButton(line), "more...", {MoreX, y - 1, MoreWidth, 14}};
    }
    return controls;
}();

using ui::ControlStyle;

constexpr ControlTemplate okAt(int x, int y)
{
    return {ControlKind::PushButton, ui::OkButton, "OK", {x, y, 50, 14}, ControlStyle::DefaultButton};
}
constexpr ControlTemplate cancelAt(int x, int y)
{
    return {ControlKind::PushButton, ui::CancelButton, "Cancel", {x, y, 50, 14}};
}
// A code display: shows the names of a prefix or suffix and opens the character grid on a click.
constexpr ControlTemplate codeDisplay(ui::ControlId id, int x, int y, int width)
{
    return {ControlKind::Edit, id, "", {x, y, width, 12}, ControlStyle::ReadOnly};
}

using Field = FieldPropertiesId;
constexpr ControlTemplate fieldPropertiesControls[] = {
    {ControlKind::Label, Field::FormLabel, "Form #", {7, 8, 28, 8}},
    {ControlKind::Label, Field::FormValue, "", {36, 8, 20, 8}},
    {ControlKind::Label, Field::LineLabel, "Line #", {66, 8, 28, 8}},
    {ControlKind::Label, Field::LineValue, "", {95, 8, 20, 8}},
    {ControlKind::GroupBox, Field::DataGroup, "Data input", {7, 22, 176, 170}},
    {ControlKind::CheckBox, Field::FixedLengthCheck, "Fixed data length", {14, 36, 92, 10}},
    {ControlKind::Edit, Field::FixedLengthEdit, "", {110, 35, 24, 12}, ControlStyle::DigitsOnly},
    {ControlKind::DropDownList, Field::AlignmentList, "", {24, 51, 152, 70}},
    {ControlKind::CheckBox, Field::InitialValueCheck, "Initial value or text", {14, 70, 92, 10}},
    {ControlKind::Edit, Field::InitialValueEdit, "", {110, 69, 66, 12}},
    {ControlKind::CheckBox, Field::PrefixCheck, "Add prefix code", {14, 87, 92, 10}},
    codeDisplay(Field::PrefixDisplay, 24, 99, 152),
    {ControlKind::CheckBox, Field::SuffixCheck, "Add suffix code", {14, 116, 92, 10}},
    codeDisplay(Field::SuffixDisplay, 24, 128, 152),
    {ControlKind::CheckBox, Field::ShowInputMarkCheck, "Show input mark", {14, 147, 92, 10}},
    {ControlKind::Edit, Field::InputMarkEdit, "", {110, 146, 16, 12}},
    {ControlKind::Label, Field::DecimalPlacesLabel, "Decimal places :", {14, 168, 80, 8}},
    {ControlKind::DropDownList, Field::DecimalPlacesList, "", {110, 166, 66, 70}},
    {ControlKind::GroupBox, Field::BarcodeGroup, "Barcode input", {189, 22, 176, 170}},
    {ControlKind::CheckBox, Field::PartialCheck, "Read partial barcode", {196, 36, 120, 10}},
    {ControlKind::Label, Field::StartLabel, "Start position :", {206, 52, 76, 8}},
    {ControlKind::Edit, Field::StartEdit, "", {290, 50, 20, 12}, ControlStyle::DigitsOnly},
    {ControlKind::Label, Field::PartialLengthLabel, "Maximum length :", {206, 68, 76, 8}},
    {ControlKind::Edit, Field::PartialLengthEdit, "", {290, 66, 24, 12}, ControlStyle::DigitsOnly},
    {ControlKind::CheckBox, Field::LeadingCodeCheck, "Check leading code", {196, 87, 90, 10}},
    {ControlKind::Edit, Field::LeadingCodeEdit, "", {290, 86, 66, 12}},
    {ControlKind::CheckBox, Field::CheckDigitCheck, "Check digit verification", {196, 106, 120, 10}},
    {ControlKind::DropDownList, Field::CheckDigitList, "", {206, 120, 152, 70}},
    {ControlKind::Label, Field::AutoEnterLabel, "Auto ENTER :", {196, 146, 60, 8}},
    {ControlKind::DropDownList, Field::AutoEnterList, "", {262, 144, 96, 70}},
    okAt(250, 198),
    cancelAt(312, 198),
};

using Stamp = TimestampId;
constexpr ControlTemplate timestampControls[] = {
    {ControlKind::Label, Stamp::PositionLabel, "Date && Time Stamp :", {7, 10, 80, 8}},
    {ControlKind::DropDownList, Stamp::PositionList, "", {90, 8, 150, 70}},
    {ControlKind::CheckBox, Stamp::SplitCheck, "Separate DATE stamp and TIME stamp to two fields.", {7, 28, 240, 10}},
    {ControlKind::GroupBox, Stamp::DateFormatGroup, "Date Format : ", {7, 44, 190, 120}},
    {ControlKind::CheckBox, Stamp::YearCheck, "Year", {16, 60, 50, 10}},
    {ControlKind::DropDownList, Stamp::YearDigitsList, "", {70, 58, 90, 70}},
    {ControlKind::CheckBox, Stamp::MonthCheck, "Month", {16, 78, 50, 10}},
    {ControlKind::CheckBox, Stamp::DayCheck, "Day", {16, 94, 50, 10}},
    {ControlKind::CheckBox, Stamp::DateSeparatorCheck, "Separator", {16, 110, 50, 10}},
    {ControlKind::Edit, Stamp::DateSeparatorEdit, "", {70, 109, 16, 12}},
    {ControlKind::Label, Stamp::DateOrderLabel, "Date Style :", {16, 134, 50, 8}},
    {ControlKind::DropDownList, Stamp::DateOrderList, "", {70, 132, 100, 70}},
    {ControlKind::GroupBox, Stamp::TimeFormatGroup, "Time Format : ", {203, 44, 110, 120}},
    {ControlKind::CheckBox, Stamp::HourCheck, "Hour", {212, 60, 60, 10}},
    {ControlKind::CheckBox, Stamp::MinuteCheck, "Minute", {212, 78, 60, 10}},
    {ControlKind::CheckBox, Stamp::SecondCheck, "Second", {212, 94, 60, 10}},
    {ControlKind::CheckBox, Stamp::TimeSeparatorCheck, "Separator", {212, 110, 50, 10}},
    {ControlKind::Edit, Stamp::TimeSeparatorEdit, "", {266, 109, 16, 12}},
    okAt(102, 170),
    cancelAt(168, 170),
};

using FormProps = FormPropertiesId;
constexpr ControlTemplate formPropertiesControls[] = {
    {ControlKind::CheckBox, FormProps::ReadOnceCheck, "Only read data once", {12, 10, 150, 10}},
    {ControlKind::CheckBox, FormProps::ExportNameCheck, "Change export name", {12, 28, 120, 10}},
    {ControlKind::Edit, FormProps::ExportNameEdit, "", {24, 43, 100, 12}},
    {ControlKind::Label, FormProps::ExtensionLabel, ".TXT", {128, 45, 30, 8}},
    {ControlKind::CheckBox,
     FormProps::AutoExportCheck,
     "Auto export transaction table when close application",
     {12, 64, 215, 10}},
    {ControlKind::Label, FormProps::SaveModeLabel, "Save Mode :", {24, 81, 50, 8}},
    {ControlKind::RadioButton, FormProps::OverwriteRadio, "Overwrite", {78, 80, 60, 10}},
    {ControlKind::RadioButton, FormProps::AppendRadio, "Append", {142, 80, 60, 10}},
    {ControlKind::CheckBox, FormProps::MsqiCheck, "Enable MSQI Function", {12, 102, 150, 10}},
    okAt(60, 136),
    cancelAt(125, 136),
};

using Lookup = LookupFieldId;
constexpr ControlTemplate lookupFieldControls[] = {
    {ControlKind::Label, Lookup::FormLabel, "Form #", {7, 8, 28, 8}},
    {ControlKind::Label, Lookup::FormValue, "", {36, 8, 20, 8}},
    {ControlKind::Label, Lookup::LineLabel, "Line #", {66, 8, 28, 8}},
    {ControlKind::Label, Lookup::LineValue, "", {95, 8, 20, 8}},
    {ControlKind::GroupBox, Lookup::DataGroup, "Data input", {7, 22, 182, 124}},
    {ControlKind::CheckBox, Lookup::SaveDataCheck, "Save field data", {14, 34, 120, 10}},
    {ControlKind::CheckBox, Lookup::FixedLengthCheck, "Fixed data length", {24, 50, 80, 10}},
    {ControlKind::Edit, Lookup::FixedLengthEdit, "", {110, 49, 24, 12}, ControlStyle::DigitsOnly},
    {ControlKind::DropDownList, Lookup::AlignmentList, "", {34, 65, 148, 70}},
    {ControlKind::CheckBox, Lookup::PrefixCheck, "Add prefix code", {24, 85, 80, 10}},
    codeDisplay(Lookup::PrefixDisplay, 34, 97, 148),
    {ControlKind::CheckBox, Lookup::SuffixCheck, "Add suffix code", {24, 114, 80, 10}},
    codeDisplay(Lookup::SuffixDisplay, 34, 126, 148),
    okAt(40, 154),
    cancelAt(106, 154),
};

using Image = ImageFieldId;
constexpr ControlTemplate imageFieldControls[] = {
    {ControlKind::Label, Image::FormLabel, "Form #", {7, 8, 28, 8}},
    {ControlKind::Label, Image::FormValue, "", {36, 8, 20, 8}},
    {ControlKind::Label, Image::LineLabel, "Line #", {66, 8, 28, 8}},
    {ControlKind::Label, Image::LineValue, "", {95, 8, 20, 8}},
    {ControlKind::GroupBox, Image::DataGroup, "Data input", {7, 22, 181, 164}},
    {ControlKind::CheckBox, Image::EditPathCheck, "Edit file path", {14, 34, 120, 10}},
    {ControlKind::CheckBox, Image::SavePathCheck, "Save file path", {14, 48, 120, 10}},
    {ControlKind::CheckBox, Image::CheckPathCheck, "Check file path", {24, 62, 120, 10}},
    {ControlKind::CheckBox, Image::FixedLengthCheck, "Fixed data length", {14, 78, 88, 10}},
    {ControlKind::Edit, Image::FixedLengthEdit, "", {110, 77, 24, 12}, ControlStyle::DigitsOnly},
    {ControlKind::DropDownList, Image::AlignmentList, "", {24, 93, 156, 70}},
    {ControlKind::CheckBox, Image::InitialPathCheck, "Initial file path", {14, 114, 88, 10}},
    {ControlKind::Edit, Image::InitialPathEdit, "", {110, 113, 70, 12}},
    {ControlKind::CheckBox, Image::ShowInputMarkCheck, "Show input mark", {14, 132, 88, 10}},
    {ControlKind::Edit, Image::InputMarkEdit, "", {110, 131, 16, 12}},
    okAt(40, 194),
    cancelAt(106, 194),
};

} // namespace

constexpr ui::DialogTemplate fieldPropertiesDialog{"ADVANCEDLG", "Properties", {372, 218}, fieldPropertiesControls};
constexpr ui::DialogTemplate timestampDialog{
    "TIMESTAMPDLG", "Date & Time Stamp settings", {320, 190}, timestampControls};
constexpr ui::DialogTemplate formPropertiesDialog{"FORMADVANCEDLG", "Properties", {235, 159}, formPropertiesControls};
constexpr ui::DialogTemplate lookupFieldDialog{"LOOKUPADVANCEDLG", "Properties", {196, 175}, lookupFieldControls};
constexpr ui::DialogTemplate imageFieldDialog{"IMAGEADVANCEDLG", "Properties", {195, 215}, imageFieldControls};
constexpr ui::DialogTemplate formPageDialog{"FORMDLG", "Form", {470, 270}, allControls};

const ui::DialogTemplate& fieldPropertiesTemplate() { return fieldPropertiesDialog; }
const ui::DialogTemplate& timestampTemplate() { return timestampDialog; }
const ui::DialogTemplate& formPropertiesTemplate() { return formPropertiesDialog; }
const ui::DialogTemplate& lookupFieldTemplate() { return lookupFieldDialog; }
const ui::DialogTemplate& imageFieldTemplate() { return imageFieldDialog; }
const ui::DialogTemplate& formPageTemplate() { return formPageDialog; }

} // namespace resources
