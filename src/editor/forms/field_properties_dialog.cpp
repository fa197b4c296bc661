// SPDX-License-Identifier: MIT
// ADVANCEDLG, "Properties" of one line: fixed length, initial value, prefix and suffix, input
// mark and decimal places for the data; partial reading, leading code, check digit and auto
// ENTER for a barcode. What a line's type does not use is disabled.
#include <algorithm>
#include <cctype>

#include "editor/forms/form_dialogs.h"
#include "editor/forms/line_dialog_parts.h"

#include "project/form_rules.h"
#include "resources/form_templates.h"
#include "texts/text_source.h"

namespace editor::forms {
namespace {

using Id = resources::FieldPropertiesId;
using Header = resources::LineHeaderId;
using project::Byte;
using project::LineType;
using texts::sid;

constexpr int ValueChars = 10;
constexpr int DecimalPlaceEntries = 7; // "variable", then 1 to 6
constexpr int CheckDigitMethods = 8;
constexpr Byte MsqiAutoEnter = 2;      // "ENTER+Scan"
constexpr Byte DefaultPartialLength = 160;

std::vector<std::string> decimalPlaceEntries(const texts::TextSource& texts)
{
    return {texts.text(sid(1305)), "1", "2", "3", "4", "5", "6"};
}

constexpr FixedLengthControls fixedLength{Id::FixedLengthCheck, Id::FixedLengthEdit, Id::AlignmentList};
constexpr LineCodeControls codes =
    lineCodeControls(Id::PrefixCheck, Id::SuffixCheck, Id::PrefixDisplay, Id::SuffixDisplay);
constexpr InputMarkControls inputMark{Id::ShowInputMarkCheck, Id::InputMarkEdit};

constexpr auto bindings =
    joined(fixedLengthBindings(fixedLength),
           std::array{flag(Id::InitialValueCheck, lineField("initialValueOn")),
                      text(Id::InitialValueEdit, lineField("initialValue"), ValueChars)},
           lineCodeBindings(codes), inputMarkBindings(inputMark),
           std::array{
               list(Id::DecimalPlacesList, decimalPlaceEntries, DecimalPlaceEntries, lineField("decimalPlaces")),
               flag(Id::PartialCheck, lineField("partialOn")),
               number(Id::StartEdit, lineField("partialStart"), 0, 99, 2),
               number(Id::PartialLengthEdit, lineField("partialLength"), 0, 160, 3),
               flag(Id::LeadingCodeCheck, lineField("leadingCheckOn")),
               text(Id::LeadingCodeEdit, lineField("leadingCode"), ValueChars),
               // Ticked stores method 1; OK stores the method chosen in the list (see storeLine).
               flag(Id::CheckDigitCheck, lineField("checkDigitMethod")),
               list(Id::AutoEnterList, sid(1601), 3, lineField("autoEnter")),
           });

constexpr auto Keep = WhenDisabled::Keep;
constexpr auto rules = joined(fixedLengthRules(fixedLength),
                              std::array{enabledWhileChecked(Id::InitialValueEdit, Id::InitialValueCheck, Keep)},
                              lineCodeRules(codes), inputMarkRules(inputMark),
                              std::array{
                                  enabledWhileChecked(Id::StartLabel, Id::PartialCheck, Keep),
                                  enabledWhileChecked(Id::StartEdit, Id::PartialCheck, Keep),
                                  enabledWhileChecked(Id::PartialLengthLabel, Id::PartialCheck, Keep),
                                  enabledWhileChecked(Id::PartialLengthEdit, Id::PartialCheck, Keep),
                                  enabledWhileChecked(Id::LeadingCodeEdit, Id::LeadingCodeCheck, Keep),
                                  enabledWhileChecked(Id::CheckDigitList, Id::CheckDigitCheck, Keep),
                              });

constexpr ui::TextReplacement captions[] = {
    {Header::FormLabel, sid(192), 3},     {Id::FixedLengthCheck, sid(195), 5}, {Id::BarcodeGroup, sid(200)},
    {Id::PartialCheck, sid(201)},     {Id::StartLabel, sid(202), 2},       {Id::LeadingCodeCheck, sid(204), 2},
    {Id::AutoEnterLabel, sid(206), 2},
};

constexpr ui::ControlId barcodeControls[] = {
    Id::BarcodeGroup, Id::PartialCheck, Id::StartLabel, Id::StartEdit, Id::PartialLengthLabel,
    Id::PartialLengthEdit, Id::LeadingCodeCheck, Id::LeadingCodeEdit, Id::CheckDigitCheck, Id::CheckDigitList,
};

Byte lineType(const ParameterDialogModel& dialog)
{
    return dialog.byte(lineField("lineType"));
}

void disable(ParameterDialogModel& dialog, std::initializer_list<ui::ControlId> ids)
{
    for (const ui::ControlId id : ids) {
        dialog.setEnabled(id, false);
    }
}

// The barcode part of a line that reads one: stored values outside the editor's ranges are
// shown as OK will store them.
void showBarcodeInput(ParameterDialogModel& dialog, bool isMsqiForm)
{
    Byte& start = dialog.byte(lineField("partialStart"));
    Byte& length = dialog.byte(lineField("partialLength"));
    start = start == 0 ? 1 : start;
    length = length == 0 || length > DefaultPartialLength ? DefaultPartialLength : length;
    dialog.showStored(Id::StartEdit);
    dialog.showStored(Id::PartialLengthEdit);
    if (isMsqiForm && lineType(dialog) == project::lineCode(LineType::Text)) {
        // Line 1 of an MSQI form is scanned and entered by itself.
        dialog.byte(lineField("autoEnter")) = 1;
        dialog.showStored(Id::AutoEnterList);
        dialog.setEnabled(Id::AutoEnterList, false);
    }
}

void openLine(ParameterDialogModel& dialog)
{
    ui::Controls& shown = dialog.shown();
    showFormAndLine(dialog, Header::FormValue, Header::LineValue);
    const Byte type = lineType(dialog);
    showInputMark(dialog, inputMark);
    shown.setTextLimit(Id::InitialValueEdit, type == project::lineCode(LineType::Boolean) ? 1 : ValueChars);
    ui::fillList(shown, Id::CheckDigitList, dialog.texts(), sid(1581), CheckDigitMethods);
    const Byte method = dialog.byte(lineField("checkDigitMethod"));
    shown.setSelection(Id::CheckDigitList, method >= 1 && method <= CheckDigitMethods ? method - 1 : 0);
    const bool isReal = type == project::lineCode(LineType::Real);
    shown.setEnabled(Id::DecimalPlacesLabel, isReal);
    shown.setEnabled(Id::DecimalPlacesList, isReal);
    if (type == project::lineCode(LineType::Msqi)) {
        // The quantity line of an MSQI form: the terminal asks for it after every scan.
        if (dialog.byte(lineField("lookupLink")) != 0) {
            disable(dialog, {Id::InitialValueCheck});
        }
        disable(dialog, {Id::PrefixCheck, Id::SuffixCheck});
        for (const ui::ControlId id : barcodeControls) {
            dialog.setEnabled(id, false);
        }
        dialog.byte(lineField("autoEnter")) = MsqiAutoEnter;
        dialog.showStored(Id::AutoEnterList);
        dialog.setEnabled(Id::AutoEnterList, false);
        return;
    }
    if (type == project::lineCode(LineType::FixedData)) {
        // Fixed data is neither typed nor scanned.
        disable(dialog, {Id::InitialValueCheck, Id::ShowInputMarkCheck, Id::PartialCheck, Id::LeadingCodeCheck,
                         Id::CheckDigitCheck, Id::AutoEnterList});
        return;
    }
    showBarcodeInput(dialog, dialog.byte(formField("msqiEnabled")) == 1);
}

void followTyping(ParameterDialogModel& dialog)
{
    ui::Controls& shown = dialog.shown();
    const std::string& typed = shown.text(Id::InitialValueEdit);
    const Byte type = lineType(dialog);
    if (type == project::lineCode(LineType::Boolean) || type == project::lineCode(LineType::Alphameric)) {
        // Numbers show what was typed and store their digits; these two show what they store.
        const std::string stored = storedInitialValue(type, typed);
        if (stored != typed) {
            shown.setText(Id::InitialValueEdit, stored);
        }
    }
}

void followChange(ParameterDialogModel& dialog, ui::ControlId changed)
{
    followLineCodes(dialog, codes, changed);
    if (changed == ui::ControlId{}) {
        openLine(dialog);
    } else if (changed == Id::InitialValueEdit) {
        followTyping(dialog);
    } else if (changed == Id::CheckDigitCheck && dialog.shown().isChecked(Id::CheckDigitCheck)) {
        dialog.shown().setSelection(Id::CheckDigitList, 0);  // the first method, as stored
    }
}

void storeLine(ParameterDialogModel& dialog)
{
    const ui::Controls& shown = dialog.shown();
    storeInputMark(dialog, inputMark);
    Byte& start = dialog.byte(lineField("partialStart"));
    Byte& length = dialog.byte(lineField("partialLength"));
    start = start == 0 ? 1 : start;
    length = length == 0 || length > DefaultPartialLength ? DefaultPartialLength : length;
    if (shown.isChecked(Id::CheckDigitCheck)) {
        dialog.byte(lineField("checkDigitMethod")) =
            static_cast<Byte>(std::max(shown.selection(Id::CheckDigitList), 0) + 1);
    }
    const std::string value = storedInitialValue(lineType(dialog), shown.text(Id::InitialValueEdit));
    const auto line = static_cast<std::size_t>(std::clamp(dialog.records().line, 0, project::LineSlots - 1));
    const std::size_t slot = project::formLineColumn("initialValue") + line * (ValueChars + 1);
    if (!dialog.records().form.empty() && slot + ValueChars < dialog.records().form.size()) {
        for (std::size_t i = 0; i <= value.size(); ++i) {
            dialog.byte({RecordKind::Form, slot + i}) = i < value.size() ? static_cast<Byte>(value[i]) : 0;
        }
    }
    terminateLineCodes(dialog, codes);
}

constexpr ParameterDialogSpec dialog =
    formDialog(resources::fieldPropertiesTemplate, sid(191), captions, bindings, rules,
               {.afterChange = followChange, .afterStore = storeLine});

} // namespace

std::string storedInitialValue(project::Byte lineType, std::string_view typed)
{
    const auto type = static_cast<LineType>(lineType);
    if (type == LineType::Integer || type == LineType::Real || type == LineType::AutoPlusMinus) {
        const bool hasOnePoint = std::count(typed.begin(), typed.end(), '.') == 1;
        std::string digits;
        for (const char c : typed) {
            if ((c >= '0' && c <= '9') || (c == '.' && hasOnePoint)) {
                digits += c;
            }
        }
        return digits;
    }
    if (type == LineType::Boolean) {
        constexpr std::string_view firsts = "10TFtfYNyn";
        return typed.empty() || firsts.find(typed.front()) != std::string_view::npos ? std::string(typed)
                                                                                     : std::string();
    }
    if (type == LineType::Alphameric) {
        const auto end = std::find_if(typed.begin(), typed.end(), [](char c) {
            return !std::isalnum(static_cast<unsigned char>(c));
        });
        return std::string(typed.begin(), end);
    }
    return std::string(typed);
}

const ParameterDialogSpec& fieldPropertiesDialog()
{
    return dialog;
}

} // namespace editor::forms
