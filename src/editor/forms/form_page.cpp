// SPDX-License-Identifier: MIT
#include "editor/forms/form_page.h"

#include <array>
#include <cstddef>
#include <string>

#include "editor/forms/form_commit.h"
#include "editor/forms/form_dialogs.h"
#include "editor/forms/form_line_rules.h"
#include "editor/forms/form_msqi.h"
#include "editor/forms/line_properties.h"
#include "editor/lookups/lookup_working_copy.h"
#include "editor/slot_chars.h"
#include "editor/target_list.h"
#include "project/defaults.h"
#include "project/form_rules.h"
#include "resources/form_templates.h"
#include "texts/text_source.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::LineType;
using project::lineCode;
using resources::FormPageId;
using texts::sid;


constexpr int Lines = project::EditorLines;
constexpr int PromptLimit = slotChars(&project::FormDef::prompt);
constexpr int LengthLimit = 3;
constexpr int TypeTextsWithoutMsqi = 15; // "text" to "image"
constexpr int RfidInputSources = 5;      // "reader" to "all"
constexpr int PlainInputSources = 3;     // "reader" to "both"

constexpr texts::StringId NilText = sid(1304);
constexpr texts::StringId NoneText = sid(1309);
constexpr texts::StringId LinePrefix = sid(1310);
constexpr texts::StringId FormPrefix = sid(1302);
constexpr texts::StringId FirstRecordAction = sid(1341);
constexpr texts::StringId FirstTypeText = sid(1361);
constexpr texts::StringId LookupTypeText = sid(1367);
constexpr texts::StringId MsqiTypeText = sid(1376);
constexpr texts::StringId FirstInputSource = sid(1381);
constexpr texts::StringId LookupHeaderEntry = sid(113);
constexpr texts::StringId VariablesHeaderEntry = sid(119);

// Language entries of the page's own texts.
constexpr auto captionReplacements = [] {
    std::array<ui::TextReplacement, 6 + 8 + Lines + 3> table{};
    std::size_t n = 0;
    for (int i = 0; i < 6; ++i) {
        table[n++] = {ui::ControlId(201 + i), sid(101 + i)};
    }
    for (int i = 0; i < 8; ++i) {
        table[n++] = {ui::ControlId(211 + i), sid(107 + i)};
    }
    for (int line = 1; line <= Lines; ++line) {
        table[n++] = {resources::moreButton(line), sid(115)};
    }
    table[n++] = {FormPageId::TimeStampButton, sid(116)};
    table[n++] = {FormPageId::AdvancedButton, sid(117)};
    table[n++] = {FormPageId::ResetButton, sid(118)};
    return table;
}();

std::size_t lineSlot(int lineIndex) { return static_cast<std::size_t>(lineIndex); }

// The grid line (1 to 12) of a control of that column, 0 for any other control.
int lineOf(ui::ControlId id, ui::ControlRange column)
{
    return column.indexOf(id) + 1;
}

bool isSavingAction(Byte recordAction)
{
    return recordAction == static_cast<Byte>(project::RecordAction::Save) ||
           recordAction == static_cast<Byte>(project::RecordAction::SaveAndUpdate);
}

std::vector<std::string> numbered(const std::string& first, const std::string& prefix, int count)
{
    std::vector<std::string> entries;
    if (!first.empty()) {
        entries.push_back(first);
    }
    for (int n = 1; n <= count; ++n) {
        entries.push_back(prefix + std::to_string(n));
    }
    return entries;
}

} // namespace

FormPage::FormPage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language,
                   bool& isModified)
    : m_project(project), m_texts(texts), m_language(language), m_isModified(isModified), m_lookupFiles(project.lookups)
{
}

void FormPage::lookupsPublished(const LookupSet& lookups)
{
    m_lookupFiles = lookups;
}

project::FormDef& FormPage::form() { return m_working.forms[static_cast<std::size_t>(m_currentForm)]; }
const project::FormDef& FormPage::form() const { return m_working.forms[static_cast<std::size_t>(m_currentForm)]; }
bool FormPage::hasLookupFile() const
{
    return project::effectiveLookupFile(form()) != 0;
}
bool FormPage::isMsqiForm() const
{
    return form().msqiEnabled == 1;
}
bool FormPage::isRfidOn() const
{
    return isRfidReaderOn(m_project.device.readerType);
}

void FormPage::onInit()
{
    m_currentForm = 0;
    m_currentLine = 0;
    m_typeListsHoldMsqi = false;
    m_lowerTypeLists = LowerTypeLists::AllTypes;
    ui::replaceCaptionTexts(controls(), m_texts, m_language, {std::nullopt, captionReplacements});
    m_working.forms = m_project.forms;
    m_working.showInputMark = ShowInputMarkFlags{};
    fillLists();
    showForm();
}

void FormPage::fillLists()
{
    ui::Controls& c = controls();
    c.setItems(FormPageId::FormList, numbered({}, m_texts.text(FormPrefix), project::MaxForms));
    c.setItems(FormPageId::IndexList, numbered(m_texts.text(NoneText), m_texts.text(LinePrefix), Lines));
    c.setItems(FormPageId::EscList, targetListEntries(m_texts));
    c.setItems(FormPageId::NextList, targetListEntries(m_texts));
    std::vector<std::string> lookupEntries{m_texts.text(NilText)};
    for (const std::string& name : lookups::lookupFileNames(m_texts)) {
        lookupEntries.push_back(name);
    }
    c.setItems(FormPageId::LookupList, std::move(lookupEntries));
    ui::fillList(c, FormPageId::RecordList, m_texts, FirstRecordAction, 4);
    const std::vector<std::string> typeEntries = allTypeEntries();
    for (int line = 1; line <= Lines; ++line) {
        c.setItems(resources::typeList(line), typeEntries);
        c.setTextLimit(resources::promptEdit(line), PromptLimit);
        for (const ui::ControlId edit : {resources::minLengthEdit(line), resources::maxLengthEdit(line)}) {
            c.setTextLimit(edit, LengthLimit);
            c.setDigitsOnly(edit, true);
            makeNumeric(edit, ui::NumericEditSpec::range(0, MaxTypedLength));
        }
    }
    fillInputSourceLists();
}

std::vector<std::string> FormPage::allTypeEntries() const
{
    std::vector<std::string> entries{m_texts.text(NilText)};
    for (std::string& type : ui::listTexts(m_texts, FirstTypeText, TypeTextsWithoutMsqi)) {
        entries.push_back(std::move(type));
    }
    return entries;
}

void FormPage::fillInputSourceLists()
{
    const int count = isRfidOn() ? RfidInputSources : PlainInputSources;
    const std::vector<std::string> entries = ui::listTexts(m_texts, FirstInputSource, count);
    for (int line = 1; line <= Lines; ++line) {
        controls().setItems(resources::inputSourceList(line), entries);
        controls().setSelection(resources::inputSourceList(line), form().inputSource[lineSlot(line - 1)]);
    }
}

void FormPage::showForm()
{
    controls().setSelection(FormPageId::FormList, m_currentForm);
    showFormLists();
    for (int line = 1; line <= Lines; ++line) {
        showLine(line);
    }
    applyRules();
}

void FormPage::showFormLists()
{
    ui::Controls& c = controls();
    const project::FormDef& f = form();
    c.setSelection(FormPageId::EscList, f.escTarget);
    c.setSelection(FormPageId::NextList, f.nextTarget);
    c.setSelection(FormPageId::LookupList, f.lookupFile);
    c.setSelection(FormPageId::RecordList, f.recordAction);
    c.setSelection(FormPageId::IndexList, f.indexLine);
    enableRecordDependants();
}

void FormPage::enableRecordDependants()
{
    const bool isSaving = isSavingAction(form().recordAction);
    controls().setEnabled(FormPageId::IndexList, isSaving && !isMsqiForm());
    controls().setEnabled(FormPageId::AdvancedButton, isSaving);
}

void FormPage::showLine(int line)
{
    ui::Controls& c = controls();
    const project::FormDef& f = form();
    const std::size_t i = lineSlot(line - 1);
    selectType(line);
    c.setText(resources::promptEdit(line), f.prompt[i].view());
    c.setSelection(resources::inputSourceList(line), f.inputSource[i]);
    c.setText(resources::minLengthEdit(line), std::to_string(f.minLength[i]));
    c.setText(resources::maxLengthEdit(line), std::to_string(f.maxLength[i]));
    rebuildLinkList(line);
    applyLineEnabling(line);
}

void FormPage::selectType(int line)
{
    const Byte type = form().lineType[lineSlot(line - 1)];
    int index = type;
    if (line > 2 && m_lowerTypeLists == LowerTypeLists::NilOrLookup) {
        index = type == lineCode(LineType::Nil) ? 0 : (type == lineCode(LineType::Lookup) ? 1 : -1);
    }
    controls().setSelection(resources::typeList(line), index); // beyond the list: no selection
}

void FormPage::rebuildLinkList(int line)
{
    project::FormDef& f = form();
    const std::size_t i = lineSlot(line - 1);
    const bool hasLookup = hasLookupFile();
    const Byte effectiveType = effectiveLinkType(f, line - 1);
    controls().setText(FormPageId::LinkHeader, m_texts.text(hasLookup ? LookupHeaderEntry : VariablesHeaderEntry));
    controls().setItems(resources::linkList(line), linkListEntries(m_texts, hasLookup, effectiveType));
    f.lookupLink[i] = foldedLink(f.lookupLink[i], hasLookup, effectiveType);
    if (isMsqiForm()) {
        if (!hasLookup) {
            f.lookupLink[i] = 0;
            if (line > 2) {
                f.lineType[i] = lineCode(LineType::Nil);
                selectType(line);
            }
        } else if (line == 1) {
            f.lookupLink[0] = msqiKeyLink(f, m_lookupFiles);
        }
    }
    controls().setSelection(resources::linkList(line), f.lookupLink[i]);
}

void FormPage::applyLineEnabling(int line)
{
    ui::Controls& c = controls();
    const project::FormDef& f = form();
    LineEnabling enabling = lineEnabling(f, line - 1);
    bool isTypeEnabled = true;
    if (isMsqiForm()) {
        // Line 1 looks up the key and line 2 takes the quantity: both are fixed by MSQI mode.
        // Lines below only look up further fields, and only when there is a file to look in.
        const bool hasLookup = hasLookupFile();
        const bool isUsed = f.lineType[lineSlot(line - 1)] != lineCode(LineType::Nil);
        isTypeEnabled = line > 2 && hasLookup;
        if (line <= 2) {
            enabling.inputSource = false;
            enabling.prompt = true;
            enabling.lengths = true;
            enabling.more = true;
        }
        enabling.link = line == 1 ? false : hasLookup && isUsed;
    }
    c.setEnabled(resources::typeList(line), isTypeEnabled);
    c.setEnabled(resources::promptEdit(line), enabling.prompt);
    c.setEnabled(resources::inputSourceList(line), enabling.inputSource);
    c.setEnabled(resources::minLengthEdit(line), enabling.lengths);
    c.setEnabled(resources::maxLengthEdit(line), enabling.lengths);
    c.setEnabled(resources::linkList(line), enabling.link);
    c.setEnabled(resources::moreButton(line), enabling.more);
}

void FormPage::applyRules()
{
    if (isMsqiForm()) {
        applyMsqiOn();
    } else {
        applyMsqiOff();
    }
}

void FormPage::applyMsqiOn()
{
    arrangeMsqiForm(form(), m_currentForm, m_lookupFiles, isRfidOn());
    ui::Controls& c = controls();
    if (!m_typeListsHoldMsqi) {
        c.addItem(resources::typeList(1), m_texts.text(MsqiTypeText));
        c.addItem(resources::typeList(2), m_texts.text(MsqiTypeText));
        m_typeListsHoldMsqi = true;
    }
    const std::vector<std::string> nilOrLookup{m_texts.text(NilText), m_texts.text(LookupTypeText)};
    for (int line = 3; line <= Lines; ++line) {
        c.setItems(resources::typeList(line), nilOrLookup);
    }
    m_lowerTypeLists = LowerTypeLists::NilOrLookup;
    showFormLists();
    c.setEnabled(FormPageId::RecordList, false);
    c.setEnabled(FormPageId::NextList, false);
    c.setEnabled(FormPageId::LookupList, true);
    for (int line = 1; line <= Lines; ++line) {
        showLine(line);
    }
}

void FormPage::applyMsqiOff()
{
    ui::Controls& c = controls();
    c.setEnabled(FormPageId::LookupList, true);
    c.setEnabled(FormPageId::RecordList, true);
    c.setEnabled(FormPageId::NextList, true);
    enableRecordDependants();
    if (m_typeListsHoldMsqi) {
        for (int line = 1; line <= 2; ++line) {
            Byte& type = form().lineType[lineSlot(line - 1)];
            if (type == lineCode(LineType::Msqi)) {
                type = lineCode(LineType::Nil);
            }
            std::vector<std::string> entries = c.items(resources::typeList(line));
            entries.pop_back();
            c.setItems(resources::typeList(line), std::move(entries));
        }
        m_typeListsHoldMsqi = false;
    }
    if (m_lowerTypeLists == LowerTypeLists::NilOrLookup) {
        const std::vector<std::string> allTypes = allTypeEntries();
        for (int line = 3; line <= Lines; ++line) {
            c.setItems(resources::typeList(line), allTypes);
        }
        m_lowerTypeLists = LowerTypeLists::AllTypes;
    }
    for (int line = 1; line <= Lines; ++line) {
        showLine(line);
    }
}

void FormPage::onClick(ui::ControlId id)
{
    if (id == FormPageId::ResetButton) {
        resetCurrentForm();
    } else if (id == FormPageId::TimeStampButton) {
        static_cast<void>(runFormDialog(timestampDialog()));
    } else if (id == FormPageId::AdvancedButton) {
        if (runFormDialog(formPropertiesDialog()) == ui::DialogResult::Ok) {
            applyRules(); // MSQI mode may have changed
        }
    } else if (const int line = lineOf(id, resources::MoreButtons); line != 0) {
        openLineProperties(line);
    }
}

ui::DialogResult FormPage::runFormDialog(const ParameterDialogSpec& spec)
{
    ParameterRecords records{};
    records.form = {reinterpret_cast<Byte*>(&form()), sizeof(project::FormDef)};
    records.line = m_currentLine;
    records.formNumber = m_currentForm + 1;
    records.showInputMark = &m_working.showInputMark.flag(m_currentForm, m_currentLine);
    ParameterDialogModel dialog(spec, records, m_texts, m_language);
    return host().runDialog(spec.dialogTemplate(), dialog);
}

void FormPage::openLineProperties(int line)
{
    m_currentLine = line - 1;
    const Byte type = form().lineType[lineSlot(line - 1)];
    if (type == lineCode(LineType::Lookup)) {
        static_cast<void>(runFormDialog(lookupFieldDialog()));
    } else if (type == lineCode(LineType::Image)) {
        static_cast<void>(runFormDialog(imageFieldDialog()));
        applyLineEnabling(line); // the length edits follow "Edit file path"
    } else {
        static_cast<void>(runFormDialog(fieldPropertiesDialog()));
    }
}

void FormPage::resetCurrentForm()
{
    project::resetForm(form(), m_currentForm + 1, m_texts);
    m_working.showInputMark.clearForm(m_currentForm);
    showForm();
}

void FormPage::onSelectionChange(ui::ControlId id)
{
    const int index = controls().selection(id);
    if (index < 0) {
        return;
    }
    const auto value = static_cast<Byte>(index);
    project::FormDef& f = form();
    if (id == FormPageId::FormList) {
        if (index != m_currentForm && index < project::MaxForms) {
            m_currentForm = index;
            showForm();
        }
    } else if (id == FormPageId::EscList) {
        f.escTarget = value;
    } else if (id == FormPageId::NextList) {
        f.nextTarget = value;
    } else if (id == FormPageId::IndexList) {
        f.indexLine = value;
    } else if (id == FormPageId::RecordList) {
        f.recordAction = value;
        enableRecordDependants();
    } else if (id == FormPageId::LookupList) {
        const bool isChanged = f.lookupFile != value;
        f.lookupFile = value;
        if (isChanged) {
            onLookupChosen();
        }
    } else if (const int line = lineOf(id, resources::TypeLists); line != 0) {
        onTypeChosen(line);
    } else if (const int sourceLine = lineOf(id, resources::InputSourceLists); sourceLine != 0) {
        f.inputSource[lineSlot(sourceLine - 1)] = value;
    } else if (const int linkLine = lineOf(id, resources::LinkLists); linkLine != 0) {
        f.lookupLink[lineSlot(linkLine - 1)] = value;
    }
}

void FormPage::onLookupChosen()
{
    for (int line = 1; line <= Lines; ++line) {
        rebuildLinkList(line);
        applyLineEnabling(line);
    }
}

void FormPage::onTypeChosen(int line)
{
    project::FormDef& f = form();
    const std::size_t i = lineSlot(line - 1);
    const int index = controls().selection(resources::typeList(line));
    Byte newType = static_cast<Byte>(index);
    if (isMsqiForm() && index != 0) {
        newType = lineCode(LineType::Lookup); // the lists of an MSQI form offer "nil" and "lookup"
    }
    const Byte oldType = f.lineType[i];
    f.lineType[i] = newType;
    if (typeChangeResetsProperties(oldType, newType)) {
        resetLineProperties(f, m_currentForm, line - 1, m_working.showInputMark);
    }
    rebuildLinkList(line);
    applyLineEnabling(line);
}

void FormPage::onTextChange(ui::ControlId id)
{
    project::FormDef& f = form();
    if (const int line = lineOf(id, resources::PromptEdits); line != 0) {
        f.prompt[lineSlot(line - 1)].assign(controls().text(id));
    } else if (const int minLine = lineOf(id, resources::MinLengthEdits); minLine != 0) {
        onLengthTyped(id, minLine, f.minLength);
    } else if (const int maxLine = lineOf(id, resources::MaxLengthEdits); maxLine != 0) {
        onLengthTyped(id, maxLine, f.maxLength);
    }
}

void FormPage::onLengthTyped(ui::ControlId id, int line, project::LineBytes& lengths)
{
    lengths[lineSlot(line - 1)] = static_cast<project::Byte>(numberIn(id).value_or(0));
}

void FormPage::onSetActive()
{
    applyRules();
}

void FormPage::formPropertiesClosed()
{
    if (isOpen()) {
        applyRules();
    }
}

void FormPage::readerSwitched()
{
    if (!isOpen()) {
        return;
    }
    if (!isRfidOn()) {
        dropRfidInputSources(m_working.forms);
    }
    fillInputSourceLists();
}

bool FormPage::onApply()
{
    commitForms(m_working, m_project.forms, m_lookupFiles);
    m_isModified = true;
    return true;
}

} // namespace editor::forms
