// SPDX-License-Identifier: MIT
#include "editor/settings/settings_page.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <type_traits>

#include "editor/parameter_dialog.h"
#include "editor/settings/transaction_file_dialog.h"
#include "editor/slot_chars.h"
#include "project/defaults.h"
#include "project/runtime_texts.h"
#include "resources/settings_templates.h"
#include "texts/text_source.h"

namespace editor::settings {
namespace {

using project::Byte;
using project::deviceByte;
using resources::SettingsPageId;
using texts::sid;
using Id = SettingsPageId;

constexpr int DelimiterCodeChars = 3;
constexpr int PasswordChars = slotChars(&project::DeviceSettings::password);
constexpr int StayChars = 2;
constexpr int MaxStay = 99;
constexpr int CarriageReturn = 13;  // the terminal ends a record with it, so it never delimits a field
constexpr int VibratorSeconds = 9;

// The boxes of the functions that ask for the password are numbered after their bytes, from
// "Open" (101, byte 84) to "Image capture" (112, byte 95); byte 93 means nothing and has no box.
constexpr ui::ControlRange ProtectionChecks{Id::OpenCheck, 12};
constexpr std::size_t FirstProtectionByte = deviceByte("protectOpen");

// Check boxes whose flag the page stores at Apply: the protection boxes and two options.
constexpr auto flags = [] {
    std::array<Binding, 13> table{};
    std::size_t n = 0;
    for (int i = 0; i < ProtectionChecks.count; ++i) {
        const std::size_t offset = FirstProtectionByte + static_cast<std::size_t>(i);
        if (offset != offsetof(project::DeviceSettings, reserved93)) {
            table[n++] = flag(ProtectionChecks.at(i), {RecordKind::Device, offset});
        }
    }
    table[n++] = flag(Id::AutoRunCheck, deviceField("autoRun"));
    table[n++] = flag(Id::DeleteDatabaseCheck, deviceField("deleteDatabaseOnOpen"));
    return table;
}();
static_assert(flags[10].control == ui::ControlId(Id::ImageCaptureCheck) &&
              flags[10].field.offset == deviceByte("protectImageCapture"));

// Lists whose position is the stored byte, written as soon as the user chooses.
constexpr Binding lists[] = {
    list(Id::StartList, sid(2241), 2, deviceField("startFrom")),
    list(Id::AutoPreloadList, sid(2281), 2, deviceField("autoPreload")),
    list(Id::DataDeletionList, sid(2301), 3, deviceField("dataDeletion")),
    list(Id::EntryOptionsList, sid(2321), 3, deviceField("entryOptions")),
    list(Id::VibratorList, sid(2341), 1 + VibratorSeconds, deviceField("vibratorDuration")),
};

constexpr ui::TextReplacement captions[] = {
    {Id::ResetButton, sid(1161)},      {Id::StartLabel, sid(1162), 9},       {Id::StayRadio, sid(1171), 2},
    {Id::StayUnitLabel, sid(1173), 5}, {Id::ProtectionGroup, sid(1189)},     {Id::OpenCheck, sid(1178), 9},
    {Id::VibratorCheck, sid(1188)},    {Id::AutoRunCheck, sid(1190)},        {Id::ImageCaptureCheck, sid(1191)},
    {Id::ExportStoreLabel, sid(1192)}, {Id::DeleteDatabaseCheck, sid(3931)}, {Id::OneDataFileCheck, sid(3932)},
};

// A plain record seen as the bytes its field map addresses.
template <typename Record> std::span<Byte> bytesOf(Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record> && std::has_unique_object_representations_v<Record>);
    return {reinterpret_cast<Byte*>(&record), sizeof(Record)};
}

std::string characterText(Byte code) { return code == 0 ? std::string() : std::string(1, static_cast<char>(code)); }

bool isAsciiLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

SettingsPage::SettingsPage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language,
                           project::Model model)
    : m_project(project), m_texts(texts), m_language(language), m_model(model)
{
}

Byte& SettingsPage::delimiter(int index) { return index == 0 ? m_workingCopy.delimiter1 : m_workingCopy.delimiter2; }

void SettingsPage::onInit()
{
    m_workingCopy = m_project.device;
    ui::replaceCaptionTexts(controls(), m_texts, m_language, {std::nullopt, captions});
    fillLists();
    ui::Controls& c = controls();
    for (int index = 0; index < 2; ++index) {
        c.setTextLimit(resources::DelimiterCodeEdits.at(index), DelimiterCodeChars);
        c.setTextLimit(resources::DelimiterCharacterEdits.at(index), 1);
        makeNumeric(resources::DelimiterCodeEdits.at(index),
                    ui::NumericEditSpec::range(0, 255).refusing([](int code) { return code == CarriageReturn; }));
    }
    c.setTextLimit(Id::StayEdit, StayChars);
    // 0 would mean "Press Enter key to continue": the box holds 1 to 99.
    makeNumeric(Id::StayEdit, ui::NumericEditSpec::range(1, MaxStay).withFallback(1));
    c.setTextLimit(Id::PasswordEdit, PasswordChars);
    c.setTextLimit(Id::ExportStoreEdit, slotChars(&project::DeviceSettings::exportStore));
    display();
}

void SettingsPage::fillLists()
{
    ui::Controls& c = controls();
    for (const Binding& binding : lists) {
        ui::fillList(c, binding.control, m_texts, binding.firstEntry,
                     binding.control == Id::VibratorList ? 1 : binding.count);
    }
    for (int seconds = 1; seconds <= VibratorSeconds; ++seconds) {
        c.addItem(Id::VibratorList, std::to_string(seconds) + " " + m_texts.text(sid(2342)));
    }
    c.setItems(Id::DelimiterCountList, {m_texts.text(sid(1304))});
    for (const std::string& count : ui::listTexts(m_texts, sid(2261), 2)) {
        c.addItem(Id::DelimiterCountList, count);
    }
}

void SettingsPage::display()
{
    ui::Controls& c = controls();
    const std::span<Byte> bytes = bytesOf(m_workingCopy);
    for (const Binding& binding : lists) {
        const Byte value = bytes[binding.field.offset];
        c.setSelection(binding.control, value < binding.count ? value : -1);
    }
    const int count = m_workingCopy.delimiter1 == 0 ? 0 : m_workingCopy.delimiter2 == 0 ? 1 : 2;
    c.setSelection(Id::DelimiterCountList, count);
    for (int index = 0; index < 2; ++index) {
        c.setText(resources::DelimiterCodeEdits.at(index), std::to_string(delimiter(index)));
        c.setText(resources::DelimiterCharacterEdits.at(index), characterText(delimiter(index)));
    }
    enableDelimiterEdits();
    for (const Binding& binding : flags) {
        c.setChecked(binding.control, bytes[binding.field.offset] != 0);
    }
    c.setEnabled(Id::AutoRunCheck, m_workingCopy.autoPreload == 1);
    ui::checkIndex(c, resources::PromptRadios, m_workingCopy.promptStay == 0 ? 1 : 0);
    c.setText(Id::StayEdit, std::to_string(m_workingCopy.promptStay));
    enablePromptControls();
    c.setText(Id::PasswordEdit, m_workingCopy.password.view());
    enableSettingsFunctionChecks();
    c.setText(Id::ExportStoreEdit, m_workingCopy.exportStore.view());
    imageCaptureSwitched();
    c.setChecked(Id::OneDataFileCheck, m_project.transaction.oneDataFile != 0);
    c.setEnabled(Id::MoreButton, m_project.transaction.oneDataFile != 0);
}

void SettingsPage::enableDelimiterEdits()
{
    const int count = controls().selection(Id::DelimiterCountList);
    for (int index = 0; index < 2; ++index) {
        controls().setEnabled(resources::DelimiterCodeEdits.at(index), count > index);
        controls().setEnabled(resources::DelimiterCharacterEdits.at(index), count > index);
    }
}

void SettingsPage::enablePromptControls()
{
    ui::Controls& c = controls();
    const bool hasPrompt = m_workingCopy.entryOptions != 0;
    c.setEnabled(resources::PromptRadios.at(0), hasPrompt);
    c.setEnabled(resources::PromptRadios.at(1), hasPrompt);
    const bool isStaying = hasPrompt && c.isChecked(Id::StayRadio);
    c.setEnabled(Id::StayEdit, isStaying);
    c.setEnabled(Id::StayUnitLabel, isStaying);
}

// While "Settings" asks for the password, its parts are not offered separately; their marks stay.
void SettingsPage::enableSettingsFunctionChecks()
{
    const bool isOffered = !controls().isChecked(Id::SettingsCheck);
    for (const SettingsPageId check : resources::SettingsFunctionChecks) {
        controls().setEnabled(check, isOffered);
    }
}

void SettingsPage::imageCaptureSwitched()
{
    if (!isOpen()) {
        return;
    }
    const bool isOffered =
        m_model == project::Model::Q720CE && m_project.reader[project::ReaderByte::ImageCaptureOn] != 0;
    if (!isOffered) {
        m_workingCopy.protectImageCapture = 0;
    }
    controls().setChecked(Id::ImageCaptureCheck, m_workingCopy.protectImageCapture != 0);
    controls().setEnabled(Id::ImageCaptureCheck, isOffered);
}

void SettingsPage::onClick(ui::ControlId id)
{
    ui::Controls& c = controls();
    const bool isFlag =
        std::any_of(std::begin(flags), std::end(flags), [id](const Binding& b) { return b.control == id; });
    if (isFlag) {
        toggleCheck(id);
        if (id == Id::SettingsCheck) {
            enableSettingsFunctionChecks();
        }
    } else if (id == Id::OneDataFileCheck) {
        c.setEnabled(Id::MoreButton, toggleCheck(id));
    } else if (id == Id::MoreButton) {
        // The dialog writes block 61 itself; the page does not look at its result.
        ParameterRecords records{};
        records.transaction = bytesOf(m_project.transaction);
        ParameterDialogModel dialog(transactionFileDialog(), records, m_texts, m_language);
        static_cast<void>(host().runDialog(resources::transactionFileTemplate(), dialog));
    } else if (resources::PromptRadios.contains(id)) {
        chooseStay(id == Id::StayRadio);
    } else if (id == Id::ResetButton) {
        reset();
    }
}

void SettingsPage::chooseStay(bool isStaying)
{
    ui::checkIndex(controls(), resources::PromptRadios, isStaying ? 0 : 1);
    if (!isStaying) {
        m_workingCopy.promptStay = 0;
    } else if (m_workingCopy.promptStay == 0) {
        m_workingCopy.promptStay = 1;
    }
    controls().setText(Id::StayEdit, std::to_string(m_workingCopy.promptStay));
    enablePromptControls();
}

void SettingsPage::onSelectionChange(ui::ControlId id)
{
    const int position = controls().selection(id);
    for (const Binding& binding : lists) {
        if (binding.control == id && position >= 0 && position < binding.count) {
            bytesOf(m_workingCopy)[binding.field.offset] = static_cast<Byte>(position);
        }
    }
    if (id == Id::DelimiterCountList) {
        enableDelimiterEdits();
    } else if (id == Id::AutoPreloadList) {
        controls().setEnabled(Id::AutoRunCheck, m_workingCopy.autoPreload == 1);
    } else if (id == Id::EntryOptionsList) {
        enablePromptControls();
    }
}

// The paired edits never answer each other: the model's own setText() raises no change event.
void SettingsPage::onTextChange(ui::ControlId id)
{
    if (const int index = resources::DelimiterCodeEdits.indexOf(id); index >= 0) {
        delimiterCodeTyped(index);
    } else if (const int pair = resources::DelimiterCharacterEdits.indexOf(id); pair >= 0) {
        delimiterCharacterTyped(pair);
    } else if (id == Id::StayEdit) {
        // 0 is no stay time: it waits for the end of editing, which makes it 1.
        if (const std::optional<int> stay = numberIn(id); stay && *stay > 0) {
            m_workingCopy.promptStay = static_cast<Byte>(std::min(*stay, MaxStay));
        }
    } else if (id == Id::PasswordEdit) {
        passwordTyped();
    } else if (id == Id::ExportStoreEdit) {
        m_workingCopy.exportStore.assign(controls().text(id));
    }
}

void SettingsPage::onEditingFinished(ui::ControlId id)
{
    if (const int index = resources::DelimiterCodeEdits.indexOf(id); index >= 0) {
        delimiterCodeTyped(index);
    } else if (id == Id::StayEdit && controls().isChecked(Id::StayRadio)) {
        m_workingCopy.promptStay = static_cast<Byte>(numberIn(id).value_or(1));
    }
}

// A code of 13 is not stored while typing; when editing finishes the numeric edit refuses it and
// shows the last accepted code again, which is stored then.
void SettingsPage::delimiterCodeTyped(int index)
{
    const std::optional<int> code = numberIn(resources::DelimiterCodeEdits.at(index));
    if (!code || *code == CarriageReturn || *code == delimiter(index)) {
        return;
    }
    delimiter(index) = static_cast<Byte>(*code);
    controls().setText(resources::DelimiterCharacterEdits.at(index), characterText(delimiter(index)));
}

// A pasted carriage return is refused like the code 13.
void SettingsPage::delimiterCharacterTyped(int index)
{
    const ui::ControlId edit = resources::DelimiterCharacterEdits.at(index);
    const std::string& text = controls().text(edit);
    const Byte code = text.empty() ? 0 : static_cast<Byte>(text.front());
    if (code == CarriageReturn) {
        host().warning(texts::WarningTitle, texts::InvalidValueText);
        controls().setText(edit, characterText(delimiter(index)));
        return;
    }
    if (code == delimiter(index)) {
        return;
    }
    delimiter(index) = code;
    controls().setText(resources::DelimiterCodeEdits.at(index), std::to_string(code));
}

void SettingsPage::passwordTyped()
{
    const std::string& text = controls().text(Id::PasswordEdit);
    std::optional<texts::StringId> refusal;
    if (text.size() > PasswordChars) {
        refusal = sid(2851);  // "Password is too long!!!"
    } else if (!std::all_of(text.begin(), text.end(), isAsciiLetterOrDigit)) {
        refusal = sid(2852);  // "Invalid character!!!"
    }
    if (refusal) {
        host().warning(texts::WarningTitle, *refusal);
        controls().setText(Id::PasswordEdit, m_workingCopy.password.view());
        return;
    }
    m_workingCopy.password.assign(text);
}

// Back to the settings of a new project. The bytes other pages own (reader type, code IDs, model
// stamp, image capture) stay; the transaction file and the runtime texts are reset in the project
// itself, and stay even if the sheet is cancelled.
void SettingsPage::reset()
{
    project::resetDeviceOptions(m_workingCopy, m_texts);
    project::resetTransactionFile(m_project.transaction, m_texts);
    project::fillAllTables(m_project, m_texts);
    display();
}

bool SettingsPage::onApply()
{
    const std::span<Byte> bytes = bytesOf(m_workingCopy);
    for (const Binding& binding : flags) {
        bytes[binding.field.offset] = controls().isChecked(binding.control) ? 1 : 0;
    }
    m_workingCopy.reserved93 = 0;
    const int count = controls().selection(Id::DelimiterCountList);
    if (count < 1) {
        m_workingCopy.delimiter1 = 0;
    }
    if (count < 2) {
        m_workingCopy.delimiter2 = 0;
    }
    // Only the page's own bytes: start form, delimiters to auto run, and the database switch.
    const std::span<Byte> target = bytesOf(m_project.device);
    for (const auto& [first, last] :
         {std::pair{deviceByte("startFrom"), deviceByte("startFrom")},
          std::pair{deviceByte("delimiter1"), deviceByte("autoRun")},
          std::pair{deviceByte("deleteDatabaseOnOpen"), deviceByte("deleteDatabaseOnOpen")}}) {
        std::copy(bytes.begin() + first, bytes.begin() + last + 1, target.begin() + first);
    }
    m_project.transaction.oneDataFile = controls().isChecked(Id::OneDataFileCheck) ? 1 : 0;
    return true;
}

}  // namespace editor::settings
