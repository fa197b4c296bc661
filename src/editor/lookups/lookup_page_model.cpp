// SPDX-License-Identifier: MIT
#include "editor/lookups/lookup_page_model.h"

#include <string>
#include <utility>
#include <vector>

#include "resources/lookup_templates.h"
#include "texts/text_source.h"
#include "ui/control_range.h"

namespace editor::lookups {
namespace {

using project::Byte;
using resources::LookupId;
using texts::sid;

constexpr int Fields = resources::LookupPageFields;
constexpr int NameChars = 30;
constexpr int ExportNameChars = 20;
constexpr int NumberChars = 3;
constexpr int FieldTypes = 6;        // "text" to "image"
constexpr int NoMatchActions = 6;    // "Continue" to "Show warning & clear screen"
constexpr int BadFormatActions = 3;  // "Stop the import process" to "Skip the record"
constexpr int CarriageReturn = 13;   // ends a record on the terminal, so it cannot separate fields

constexpr texts::StringId FirstLookupName = sid(1321);
constexpr texts::StringId FirstNoMatchAction = sid(1701);
constexpr texts::StringId FirstBadFormatAction = sid(1721);
constexpr texts::StringId FirstFieldType = sid(1731);
constexpr texts::StringId LengthHeaderText = sid(293);
constexpr texts::StringId MaxLengthHeaderText = sid(294);

constexpr ui::TextReplacement captionEntries[] = {
    {LookupId::IdLabel, sid(281), 3},        {LookupId::FixedLengthRadio, sid(284), 2},
    {LookupId::ExportNameCheck, sid(286)},   {LookupId::TxtLabel, sid(287), 5},
    {LookupId::ResetButton, sid(292)},       {LookupId::KeyHeader, sid(295)},
    {LookupId::AutoExportCheck, sid(296)},   {LookupId::SaveModeLabel, sid(297)},
    {LookupId::OverwriteRadio, sid(298), 2},
};

std::size_t slot(int index) { return static_cast<std::size_t>(index); }

Byte byteOf(int value) { return static_cast<Byte>(value); }

}  // namespace

LookupPageModel::LookupPageModel(project::Project& project, const texts::TextSource& texts, ui::LanguageState language,
                                 PublishCallback publish)
    : m_project(project), m_texts(texts), m_language(language), m_publish(std::move(publish))
{
}

void LookupPageModel::onInit()
{
    m_shownFile = 0;
    m_workingCopy = m_project.lookups;
    ui::replaceCaptionTexts(controls(), m_texts, m_language, {std::nullopt, captionEntries});
    fillLists();
    ui::Controls& c = controls();
    c.setTextLimit(LookupId::DelimiterEdit, NumberChars);
    c.setTextLimit(LookupId::ExportNameEdit, ExportNameChars);
    makeNumeric(LookupId::DelimiterEdit,
                ui::NumericEditSpec::range(0, 255).refusing([](int value) { return value == CarriageReturn; }));
    for (int i = 0; i < Fields; ++i) {
        c.setTextLimit(resources::FieldNameEdits.at(i), NameChars);
        c.setTextLimit(resources::FieldLengthEdits.at(i), NumberChars);
        makeNumeric(resources::FieldLengthEdits.at(i), ui::NumericEditSpec::range(0, 255));
    }
    display();
    publish();
}

void LookupPageModel::fillLists()
{
    ui::Controls& c = controls();
    ui::fillList(c, LookupId::LookupList, m_texts, FirstLookupName, project::MaxLookups);
    std::vector<std::string> counts;
    for (int count = 0; count <= Fields; ++count) {
        counts.push_back(' ' + std::to_string(count));
    }
    c.setItems(LookupId::FieldCountList, std::move(counts));
    ui::fillList(c, LookupId::BadFormatList, m_texts, FirstBadFormatAction, BadFormatActions);
    ui::fillList(c, LookupId::NoMatchList, m_texts, FirstNoMatchAction, NoMatchActions);
    const std::vector<std::string> types = ui::listTexts(m_texts, FirstFieldType, FieldTypes);
    for (int i = 0; i < Fields; ++i) {
        c.setItems(resources::FieldTypeLists.at(i), types);
    }
}

void LookupPageModel::display()
{
    const project::LookupDef& lookup = shown();
    ui::Controls& c = controls();
    c.setSelection(LookupId::LookupList, m_shownFile);
    showLengthHeader(lookup.delimiter != 0);
    c.setSelection(LookupId::FieldCountList, shownFieldCount(lookup));
    ui::checkIndex(c, resources::RecordFormatRadios, lookup.delimiter != 0 ? 1 : 0);
    c.setText(LookupId::DelimiterEdit, std::to_string(lookup.delimiter));
    c.setEnabled(LookupId::DelimiterEdit, lookup.delimiter != 0);
    c.setSelection(LookupId::BadFormatList, lookup.badFormatAction);
    c.setSelection(LookupId::NoMatchList, lookup.noMatchAction);
    c.setChecked(LookupId::ExportNameCheck, lookup.exportNameOn == 1);
    c.setText(LookupId::ExportNameEdit, lookup.exportName.view());
    c.setEnabled(LookupId::ExportNameEdit, lookup.exportNameOn == 1);
    for (int i = 0; i < Fields; ++i) {
        c.setSelection(resources::FieldTypeLists.at(i), lookup.fieldType[slot(i)]);
        c.setText(resources::FieldNameEdits.at(i), lookup.fieldName[slot(i)].view());
        c.setText(resources::FieldLengthEdits.at(i), std::to_string(lookup.fieldLength[slot(i)]));
    }
    ui::checkIndex(c, resources::KeyFieldRadios, shownKeyField(lookup));
    enableFieldRows();
    c.setChecked(LookupId::AutoExportCheck, lookup.autoExport == 1);
    showSaveMode();
}

void LookupPageModel::showLengthHeader(bool isDelimited)
{
    controls().setText(LookupId::LengthHeader, m_texts.text(isDelimited ? MaxLengthHeaderText : LengthHeaderText));
}

void LookupPageModel::enableFieldRows()
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

void LookupPageModel::showSaveMode()
{
    const project::LookupDef& lookup = shown();
    const bool isAutoExport = lookup.autoExport == 1;
    controls().setEnabled(LookupId::SaveModeLabel, isAutoExport);
    for (int i = 0; i < resources::SaveModeRadios.count; ++i) {
        controls().setEnabled(resources::SaveModeRadios.at(i), isAutoExport);
    }
    ui::checkIndex(controls(), resources::SaveModeRadios, lookup.exportMode != 0 ? 1 : 0);
}

void LookupPageModel::onClick(ui::ControlId id)
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
    } else if (id == LookupId::ExportNameCheck) {
        lookup.exportNameOn = toggleCheck(id) ? 1 : 0;
        controls().setEnabled(LookupId::ExportNameEdit, lookup.exportNameOn == 1);
    } else if (id == LookupId::AutoExportCheck) {
        lookup.autoExport = toggleCheck(id) ? 1 : 0;
        showSaveMode();
    } else if (id == LookupId::ResetButton) {
        resetLookupFile(lookup, m_shownFile + 1, m_texts);
        display();
    }
}

// "Delimiter " takes whatever the delimiter box shows, so choosing it again keeps the typed
// value; the box shows 0 after "Fixed length ".
void LookupPageModel::chooseRecordFormat(int index)
{
    project::LookupDef& lookup = shown();
    const bool isDelimited = index == 1;
    if (isDelimited) {
        lookup.delimiter = byteOf(numberIn(LookupId::DelimiterEdit).value_or(0));
    } else {
        lookup.delimiter = 0;
        controls().setText(LookupId::DelimiterEdit, "0");
    }
    ui::checkIndex(controls(), resources::RecordFormatRadios, index);
    controls().setEnabled(LookupId::DelimiterEdit, isDelimited);
    showLengthHeader(isDelimited);
}

void LookupPageModel::onSelectionChange(ui::ControlId id)
{
    const int selection = controls().selection(id);
    if (selection < 0) {
        return;  // a list without a choice keeps the stored value
    }
    project::LookupDef& lookup = shown();
    if (id == LookupId::LookupList) {
        if (selection < project::MaxLookups) {
            m_shownFile = selection;
        }
        display();
    } else if (id == LookupId::FieldCountList) {
        chooseFieldCount(selection);
    } else if (id == LookupId::BadFormatList && selection < BadFormatActions) {
        lookup.badFormatAction = byteOf(selection);
    } else if (id == LookupId::NoMatchList && selection < NoMatchActions) {
        lookup.noMatchAction = byteOf(selection);
    } else if (const int field = resources::FieldTypeLists.indexOf(id); field >= 0 && selection < FieldTypes) {
        lookup.fieldType[slot(field)] = byteOf(selection);
    }
}

// A key beyond the new count would name a field the file no longer has.
void LookupPageModel::chooseFieldCount(int count)
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

void LookupPageModel::onTextChange(ui::ControlId id)
{
    const std::string& text = controls().text(id);
    if (id == LookupId::ExportNameEdit) {
        shown().exportName.assign(text);
    } else if (const int field = resources::FieldNameEdits.indexOf(id); field >= 0) {
        shown().fieldName[slot(field)].assign(text);
    }
}

// The numeric boxes store their value once editing finishes: by then the refusal of 13 and
// the fallback for text that is no number have been applied.
void LookupPageModel::onEditingFinished(ui::ControlId id)
{
    const int value = numberIn(id).value_or(0);
    if (id == LookupId::DelimiterEdit) {
        shown().delimiter = byteOf(value);
    } else if (const int field = resources::FieldLengthEdits.indexOf(id); field >= 0) {
        shown().fieldLength[slot(field)] = byteOf(value);
    }
}

void LookupPageModel::publish()
{
    m_published = m_workingCopy;
    if (m_publish) {
        m_publish(m_published);
    }
}

bool LookupPageModel::onKillActive()
{
    publish();
    return true;
}

bool LookupPageModel::onApply()
{
    commitLookups(m_workingCopy, m_published, m_project, m_texts);
    if (m_publish) {
        m_publish(m_published);
    }
    return true;
}

void LookupPageModel::onCancel() { m_workingCopy = m_project.lookups; }

}  // namespace editor::lookups
