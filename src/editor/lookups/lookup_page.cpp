// SPDX-License-Identifier: MIT
#include "editor/lookups/lookup_page.h"

#include <string>
#include <utility>
#include <vector>

#include "editor/slot_chars.h"
#include "resources/lookup_templates.h"
#include "texts/text_source.h"
#include "ui/control_range.h"

namespace editor::lookups {
namespace {

using project::Byte;
using resources::LookupPageId;
using texts::sid;

constexpr int Fields = resources::LookupPageFields;
constexpr int NameChars = slotChars(&project::LookupDef::fieldName);
constexpr int ExportNameChars = slotChars(&project::LookupDef::exportName);
constexpr int NumberChars = 3;
constexpr int FieldTypes = 6;        // "text" to "image"
constexpr int NoMatchActions = 6;    // "Continue" to "Show warning & clear screen"
constexpr int BadFormatActions = 3;  // "Stop the import process" to "Skip the record"
constexpr int CarriageReturn = 13;   // ends a record on the terminal, so it cannot separate fields

constexpr texts::StringId FirstNoMatchAction = sid(1701);
constexpr texts::StringId FirstBadFormatAction = sid(1721);
constexpr texts::StringId FirstFieldType = sid(1731);
constexpr texts::StringId LengthHeaderText = sid(293);
constexpr texts::StringId MaxLengthHeaderText = sid(294);

constexpr ui::TextReplacement captionEntries[] = {
    {LookupPageId::IdLabel, sid(281), 3},        {LookupPageId::FixedLengthRadio, sid(284), 2},
    {LookupPageId::ExportNameCheck, sid(286)},   {LookupPageId::TxtLabel, sid(287), 5},
    {LookupPageId::ResetButton, sid(292)},       {LookupPageId::KeyHeader, sid(295)},
    {LookupPageId::AutoExportCheck, sid(296)},   {LookupPageId::SaveModeLabel, sid(297)},
    {LookupPageId::OverwriteRadio, sid(298), 2},
};

std::size_t fieldSlot(int index) { return static_cast<std::size_t>(index); }

Byte byteOf(int value) { return static_cast<Byte>(value); }

}  // namespace

LookupPage::LookupPage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language,
                       PublishCallback publish)
    : m_project(project), m_texts(texts), m_language(language), m_publish(std::move(publish))
{
}

void LookupPage::onInit()
{
    m_shownFile = 0;
    m_workingCopy = m_project.lookups;
    ui::replaceCaptionTexts(controls(), m_texts, m_language, {std::nullopt, captionEntries});
    fillLists();
    ui::Controls& c = controls();
    c.setTextLimit(LookupPageId::DelimiterEdit, NumberChars);
    c.setTextLimit(LookupPageId::ExportNameEdit, ExportNameChars);
    makeNumeric(LookupPageId::DelimiterEdit,
                ui::NumericEditSpec::range(0, 255).refusing([](int value) { return value == CarriageReturn; }));
    for (int i = 0; i < Fields; ++i) {
        c.setTextLimit(resources::FieldNameEdits.at(i), NameChars);
        c.setTextLimit(resources::FieldLengthEdits.at(i), NumberChars);
        makeNumeric(resources::FieldLengthEdits.at(i), ui::NumericEditSpec::range(0, 255));
    }
    display();
    publish();
}

void LookupPage::fillLists()
{
    ui::Controls& c = controls();
    c.setItems(LookupPageId::LookupList, lookupFileNames(m_texts));
    std::vector<std::string> counts;
    for (int count = 0; count <= Fields; ++count) {
        counts.push_back(' ' + std::to_string(count));
    }
    c.setItems(LookupPageId::FieldCountList, std::move(counts));
    ui::fillList(c, LookupPageId::BadFormatList, m_texts, FirstBadFormatAction, BadFormatActions);
    ui::fillList(c, LookupPageId::NoMatchList, m_texts, FirstNoMatchAction, NoMatchActions);
    const std::vector<std::string> types = ui::listTexts(m_texts, FirstFieldType, FieldTypes);
    for (int i = 0; i < Fields; ++i) {
        c.setItems(resources::FieldTypeLists.at(i), types);
    }
}

void LookupPage::display()
{
    const project::LookupDef& lookup = shown();
    ui::Controls& c = controls();
    c.setSelection(LookupPageId::LookupList, m_shownFile);
    showLengthHeader(lookup.delimiter != 0);
    c.setSelection(LookupPageId::FieldCountList, shownFieldCount(lookup));
    ui::checkIndex(c, resources::RecordFormatRadios, lookup.delimiter != 0 ? 1 : 0);
    c.setText(LookupPageId::DelimiterEdit, std::to_string(lookup.delimiter));
    c.setEnabled(LookupPageId::DelimiterEdit, lookup.delimiter != 0);
    c.setSelection(LookupPageId::BadFormatList, lookup.badFormatAction);
    c.setSelection(LookupPageId::NoMatchList, lookup.noMatchAction);
    c.setChecked(LookupPageId::ExportNameCheck, lookup.exportNameOn == 1);
    c.setText(LookupPageId::ExportNameEdit, lookup.exportName.view());
    c.setEnabled(LookupPageId::ExportNameEdit, lookup.exportNameOn == 1);
    for (int i = 0; i < Fields; ++i) {
        c.setSelection(resources::FieldTypeLists.at(i), lookup.fieldType[fieldSlot(i)]);
        c.setText(resources::FieldNameEdits.at(i), lookup.fieldName[fieldSlot(i)].view());
        c.setText(resources::FieldLengthEdits.at(i), std::to_string(lookup.fieldLength[fieldSlot(i)]));
    }
    ui::checkIndex(c, resources::KeyFieldRadios, shownKeyField(lookup));
    enableFieldRows();
    c.setChecked(LookupPageId::AutoExportCheck, lookup.autoExport == 1);
    showSaveMode();
}

void LookupPage::showLengthHeader(bool isDelimited)
{
    controls().setText(LookupPageId::LengthHeader, m_texts.text(isDelimited ? MaxLengthHeaderText : LengthHeaderText));
}

void LookupPage::enableFieldRows()
{
    const int count = shownFieldCount(shown());
    for (int i = 0; i < Fields; ++i) {
        const bool isUsed = i < count;
        for (const ui::ControlRange& column : {resources::FieldTypeLists, resources::FieldNameEdits,
                                               resources::FieldLengthEdits, resources::KeyFieldRadios}) {
            controls().setEnabled(column.at(i), isUsed);
        }
    }
}

void LookupPage::showSaveMode()
{
    const project::LookupDef& lookup = shown();
    const bool isAutoExport = lookup.autoExport == 1;
    controls().setEnabled(LookupPageId::SaveModeLabel, isAutoExport);
    for (int i = 0; i < resources::SaveModeRadios.count; ++i) {
        controls().setEnabled(resources::SaveModeRadios.at(i), isAutoExport);
    }
    ui::checkIndex(controls(), resources::SaveModeRadios, lookup.exportMode != 0 ? 1 : 0);
}

void LookupPage::onClick(ui::ControlId id)
{
    project::LookupDef& lookup = shown();
    if (const int format = resources::RecordFormatRadios.indexOf(id); format >= 0) {
        chooseRecordFormat(format);
    } else if (const int key = resources::KeyFieldRadios.indexOf(id); key >= 0) {
        lookup.keyField = byteOf(key);
        ui::checkIndex(controls(), resources::KeyFieldRadios, key);
    } else if (const int mode = resources::SaveModeRadios.indexOf(id); mode >= 0) {
        lookup.exportMode = byteOf(mode);
        ui::checkIndex(controls(), resources::SaveModeRadios, mode);
    } else if (id == LookupPageId::ExportNameCheck) {
        lookup.exportNameOn = toggleCheck(id) ? 1 : 0;
        controls().setEnabled(LookupPageId::ExportNameEdit, lookup.exportNameOn == 1);
    } else if (id == LookupPageId::AutoExportCheck) {
        lookup.autoExport = toggleCheck(id) ? 1 : 0;
        showSaveMode();
    } else if (id == LookupPageId::ResetButton) {
        resetLookupFile(lookup, m_shownFile + 1, m_texts);
        display();
    }
}

// "Delimiter " takes whatever the delimiter box shows, so choosing it again keeps the typed
// value; the box shows 0 after "Fixed length ".
void LookupPage::chooseRecordFormat(int index)
{
    project::LookupDef& lookup = shown();
    const bool isDelimited = index == 1;
    if (isDelimited) {
        lookup.delimiter = byteOf(numberIn(LookupPageId::DelimiterEdit).value_or(0));
    } else {
        lookup.delimiter = 0;
        controls().setText(LookupPageId::DelimiterEdit, "0");
    }
    ui::checkIndex(controls(), resources::RecordFormatRadios, index);
    controls().setEnabled(LookupPageId::DelimiterEdit, isDelimited);
    showLengthHeader(isDelimited);
}

void LookupPage::onSelectionChange(ui::ControlId id)
{
    const int selection = controls().selection(id);
    if (selection < 0) {
        return;  // a list without a choice keeps the stored value
    }
    project::LookupDef& lookup = shown();
    if (id == LookupPageId::LookupList) {
        if (selection < project::MaxLookups) {
            m_shownFile = selection;
        }
        display();
    } else if (id == LookupPageId::FieldCountList) {
        chooseFieldCount(selection);
    } else if (id == LookupPageId::BadFormatList && selection < BadFormatActions) {
        lookup.badFormatAction = byteOf(selection);
    } else if (id == LookupPageId::NoMatchList && selection < NoMatchActions) {
        lookup.noMatchAction = byteOf(selection);
    } else if (const int field = resources::FieldTypeLists.indexOf(id); field >= 0 && selection < FieldTypes) {
        lookup.fieldType[fieldSlot(field)] = byteOf(selection);
    }
}

// A key beyond the new count would name a field the file no longer has.
void LookupPage::chooseFieldCount(int count)
{
    if (count > Fields) {
        return;
    }
    project::LookupDef& lookup = shown();
    const bool isLowered = count < lookup.numFields;
    lookup.numFields = byteOf(count);
    enableFieldRows();
    if (isLowered && lookup.keyField >= count) {
        lookup.keyField = 0;
        ui::checkIndex(controls(), resources::KeyFieldRadios, 0);
    }
}

void LookupPage::onTextChange(ui::ControlId id)
{
    const std::string& text = controls().text(id);
    if (id == LookupPageId::ExportNameEdit) {
        shown().exportName.assign(text);
    } else if (const int field = resources::FieldNameEdits.indexOf(id); field >= 0) {
        shown().fieldName[fieldSlot(field)].assign(text);
    }
}

// The numeric boxes store their value once editing finishes: by then the refusal of 13 and
// the fallback for text that is no number have been applied.
void LookupPage::onEditingFinished(ui::ControlId id)
{
    const int value = numberIn(id).value_or(0);
    if (id == LookupPageId::DelimiterEdit) {
        shown().delimiter = byteOf(value);
    } else if (const int field = resources::FieldLengthEdits.indexOf(id); field >= 0) {
        shown().fieldLength[fieldSlot(field)] = byteOf(value);
    }
}

void LookupPage::publish()
{
    m_published = m_workingCopy;
    if (m_publish) {
        m_publish(m_published);
    }
}

bool LookupPage::onKillActive()
{
    publish();
    return true;
}

bool LookupPage::onApply()
{
    commitLookups(m_workingCopy, m_published, m_project, m_texts);
    if (m_publish) {
        m_publish(m_published);
    }
    return true;
}

void LookupPage::onCancel() { m_workingCopy = m_project.lookups; }

}  // namespace editor::lookups
