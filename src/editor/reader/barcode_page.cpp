// SPDX-License-Identifier: MIT
#include "editor/reader/barcode_page.h"

#include <algorithm>
#include <string>
#include <utility>

#include "editor/forms/form_msqi.h"
#include "editor/reader/barcode_page_tables.h"
#include "editor/reader/reader_dialogs.h"
#include "project/defaults.h"
#include "project/record_fields.h"
#include "resources/barcode_templates.h"
#include "texts/text_source.h"

namespace editor::reader {
namespace {

using project::Byte;
using project::deviceByte;
using texts::sid;
using Id = resources::BarcodePageId;

constexpr int ReaderTypes = 3;
constexpr int RfidReaderOn = 10;  // added to the reader type while the RFID reader is on
constexpr int GoodReadSounds = 9;

// Block 5 bytes that the reader reset and the parameter dialogs write, which the sheet's Cancel
// puts back: code IDs (no control can enter them again), "2D Image Capture" protection, and the
// image-capture texts and flags with the GS1-128 separator. Each range is [first, end).
constexpr std::pair<std::size_t, std::size_t> restoredDeviceBytes[] = {
    {deviceByte("codeIdOn"), deviceByte("delimiter1")},
    {deviceByte("protectImageCapture"), deviceByte("protectImageCapture") + 1},
    {deviceByte("autoImageFileName"), deviceByte("deleteDatabaseOnOpen")},
};

// Captions that every reader type shares, by string ID.
constexpr ui::TextReplacement sharedCaptions[] = {
    {Id::ReaderTypeGroup, sid(321)}, {Id::ReaderLabel, sid(322)},         {Id::RfidCheck, sid(323)},
    {Id::RfidMoreButton, sid(324)},  {Id::ReaderSettingsGroup, sid(325)}, {Id::GoodReadLabel, sid(326)},
    {Id::ResetButton, sid(328)},     {Id::SymbologyGroup, sid(329)},      {Id::PostalButton, sid(552), 4},
};

int unitsDigit(Byte readerType) { return readerType % 10; }

bool isReaderType(int units) { return units >= 1 && units <= ReaderTypes; }

// The list position that shows a stored value, -1 when none does.
int positionOf(const Binding& binding, Byte value)
{
    if (binding.values.empty()) {
        return value < binding.count ? value : -1;
    }
    const auto it = std::find(binding.values.begin(), binding.values.end(), value);
    return it == binding.values.end() ? -1 : static_cast<int>(it - binding.values.begin());
}

void setCaptions(ui::Controls& controls, const texts::TextSource& texts, std::span<const ui::TextReplacement> captions)
{
    for (const ui::TextReplacement& caption : captions) {
        for (int i = 0; i < caption.count; ++i) {
            controls.setText(ui::ControlId(caption.control.value() + i),
                             texts.text(sid(texts::value(caption.entry) + i)));
        }
    }
}

}  // namespace

BarcodePage::BarcodePage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language,
                         bool& isModified, BarcodePageLinks links)
    : m_project(project), m_texts(texts), m_language(language), m_isModified(isModified), m_links(std::move(links))
{
}

const ReaderTypePage& BarcodePage::page() const { return *readerTypePage(m_readerType); }

std::span<Byte> BarcodePage::deviceBytes()
{
    return {reinterpret_cast<Byte*>(&m_project.device), sizeof(project::DeviceSettings)};
}

Byte& BarcodePage::byte(FieldRef field)
{
    return field.record == RecordKind::Device ? deviceBytes()[field.offset] : m_project.reader[field.offset];
}

const Binding* BarcodePage::symbologyBinding(ui::ControlId check) const
{
    for (const Binding& binding : page().rows.checks) {
        if (binding.control == check) {
            return &binding;
        }
    }
    return nullptr;
}

bool BarcodePage::isRfidChecked() const { return controlStates().isChecked(Id::RfidCheck); }

void BarcodePage::onInit()
{
    const int units = unitsDigit(m_project.device.readerType);
    // A reader type from a file that names no reader shows the laser reader's controls.
    m_readerType = isReaderType(units) ? units : 1;
    setCaptions(controls(), m_texts, sharedCaptions);
    for (int row = 0; row < resources::SymbologyRows; ++row) {
        controls().setText(resources::SymbologyMoreButtons.at(row), m_texts.text(sid(324)));
    }
    showReaderAndGoodRead();
    takeSnapshot();
    showReaderType();
}

void BarcodePage::takeSnapshot()
{
    m_readerSnapshot.assign(m_project.reader.bytes.begin(), m_project.reader.bytes.end());
    const std::span<Byte> device = deviceBytes();
    m_deviceSnapshot.assign(device.begin(), device.end());
}

void BarcodePage::showReaderAndGoodRead()
{
    ui::Controls& c = controls();
    const Byte readerType = m_project.device.readerType;
    ui::fillList(c, Id::ReaderList, m_texts, sid(1801), ReaderTypes);
    const int units = unitsDigit(readerType);
    c.setSelection(Id::ReaderList, isReaderType(units) ? units - 1 : -1);
    const bool isRfidOn = forms::isRfidReaderOn(readerType);
    c.setChecked(Id::RfidCheck, isRfidOn);
    c.setEnabled(Id::RfidMoreButton, isRfidOn);

    c.setItems(Id::GoodReadList, {m_texts.text(sid(1307))});
    for (int volume = 1; volume <= GoodReadSounds; ++volume) {
        c.addItem(Id::GoodReadList, m_texts.text(sid(1306)) + " " + std::to_string(volume));
    }
    const Byte goodRead = m_project.reader[project::ReaderByte::GoodReadSound];
    c.setSelection(Id::GoodReadList, goodRead <= GoodReadSounds ? goodRead : -1);
}

// Rebuilds every per-type control from the record: what the previous type's controls held
// without reaching the record is gone.
void BarcodePage::showReaderType()
{
    showBehaviour();
    showSymbologies();
}

void BarcodePage::showBehaviour()
{
    ui::Controls& c = controls();
    const ReaderTypePage& p = page();
    for (const ui::ControlId control : allBehaviourControls()) {
        c.setVisible(control, false);
    }
    for (const ui::ControlId label : p.behaviour.labels) {
        c.setVisible(label, true);
    }
    setCaptions(c, m_texts, p.behaviour.captions);
    for (const FieldRef field : p.behaviour.normalisedFlags) {
        if (byte(field) != 0) {
            byte(field) = 1;
        }
    }
    for (const Binding& binding : p.behaviour.bindings) {
        c.setVisible(binding.control, true);
        const Byte value = byte(binding.field);
        switch (binding.kind) {
        case BindingKind::List:
            ui::fillList(c, binding.control, m_texts, binding.firstEntry, binding.count);
            c.setSelection(binding.control, positionOf(binding, value));
            break;
        case BindingKind::Number:
            makeNumeric(binding.control, ui::NumericEditSpec::range(binding.minimum, binding.maximum));
            c.setTextLimit(binding.control, binding.maxChars);
            c.setDigitsOnly(binding.control, true);
            c.setText(binding.control, std::to_string(value));
            break;
        default:
            c.setChecked(binding.control, value != 0);
            break;
        }
    }
}

void BarcodePage::showSymbologies()
{
    ui::Controls& c = controls();
    const ReaderTypePage& p = page();
    for (int row = 0; row < resources::SymbologyRows; ++row) {
        const ui::ControlId check = resources::SymbologyChecks.at(row);
        c.setText(check, m_texts.text(sid(texts::value(p.firstRowCaption) + row)));
        c.setVisible(check, row < p.rowCount());
        c.setEnabled(check, true);
        c.setVisible(resources::SymbologyMoreButtons.at(row), false);
    }
    for (int button = 0; button < resources::ImagerButtons.count; ++button) {
        c.setVisible(resources::ImagerButtons.at(button), false);
    }
    for (const ui::ControlId button : p.rows.buttons) {
        c.setVisible(button, true);
        c.setEnabled(button, true);
    }
    for (const Binding& binding : p.rows.checks) {
        c.setChecked(binding.control, byte(binding.field) != 0);
    }
    if (p.coupon != nullptr) {
        c.setChecked(p.coupon->check, byte(p.coupon->bytes.couponCode) != 0);
    }
    applyRules();
}

// Each target is enabled while any of its rules holds.
void BarcodePage::applyRules()
{
    ui::Controls& c = controls();
    const std::span<const EnablingRule> rules = page().rows.rules;
    for (auto rule = rules.begin(); rule != rules.end(); ++rule) {
        const auto target = rule->target;
        if (std::any_of(rules.begin(), rule, [target](const EnablingRule& r) { return r.target == target; })) {
            continue;  // decided with its first rule
        }
        bool isEnabled = false;
        bool clearsWhenDisabled = false;
        for (auto r = rule; r != rules.end(); ++r) {
            if (r->target == target) {
                isEnabled = isEnabled || (c.isEnabled(r->source) && c.isChecked(r->source) != r->isInverted);
                clearsWhenDisabled = clearsWhenDisabled || r->whenDisabled == WhenDisabled::Clear;
            }
        }
        c.setEnabled(target, isEnabled);
        if (!isEnabled && clearsWhenDisabled) {
            c.setChecked(target, false);
        }
    }
}

void BarcodePage::setCheck(ui::ControlId check, bool isChecked) { controls().setChecked(check, isChecked); }

void BarcodePage::onClick(ui::ControlId id)
{
    if (resources::SymbologyChecks.contains(id)) {
        symbologyClicked(id);
    } else if (id == Id::NegativeBarcodeCheck || id == Id::GtinCheck) {
        toggleCheck(id);
    } else if (id == Id::RfidCheck) {
        rfidClicked();
    } else if (id == Id::ResetButton) {
        reset();
    } else if (resources::SymbologyMoreButtons.contains(id) || resources::ImagerButtons.contains(id) ||
               id == Id::RfidMoreButton) {
        openDialog(id);
    }
}

void BarcodePage::symbologyClicked(ui::ControlId check)
{
    const bool isOn = toggleCheck(check);
    const ReaderTypePage& p = page();
    if (p.coupon != nullptr && check == p.coupon->check) {
        switchCoupon(isOn);
        applyRules();
        return;
    }
    if (p.coupled && (check == p.coupled->first || check == p.coupled->second)) {
        setCheck(check == p.coupled->first ? p.coupled->second : p.coupled->first, isOn);
    }
    const bool isWrittenAtOnce =
        check == p.imageCaptureCheck || (p.coupon != nullptr && std::ranges::count(CouponJoinedChecks, check) > 0);
    if (const Binding* binding = symbologyBinding(check); binding != nullptr && isWrittenAtOnce) {
        byte(binding->field) = isOn ? 1 : 0;
    }
    if (p.coupon != nullptr && check == Gs1128Check && !isOn) {
        endCouponWithGs1128();
    }
    applyRules();
    if (p.imageCaptureCheck == check && m_links.imageCaptureSwitched) {
        m_links.imageCaptureSwitched();
    }
}

// The RFID switch reaches the record at once, so that the Form page's input sources follow it.
void BarcodePage::rfidClicked()
{
    const bool isOn = toggleCheck(Id::RfidCheck);
    controls().setEnabled(Id::RfidMoreButton, isOn);
    m_project.device.readerType =
        static_cast<Byte>(unitsDigit(m_project.device.readerType) + (isOn ? RfidReaderOn : 0));
    if (m_links.readerSwitched) {
        m_links.readerSwitched();
    }
}

void BarcodePage::readerChosen()
{
    const int position = controls().selection(Id::ReaderList);
    if (position < 0 || position >= ReaderTypes) {
        return;
    }
    const int chosen = position + 1;
    if (chosen != unitsDigit(m_project.device.readerType)) {
        m_project.device.readerType = static_cast<Byte>(chosen + (isRfidChecked() ? RfidReaderOn : 0));
    }
    if (chosen != m_readerType) {
        m_readerType = chosen;
        showReaderType();
    }
}

void BarcodePage::onSelectionChange(ui::ControlId id)
{
    if (id == Id::ReaderList) {
        readerChosen();
    }
}

// A button without a registered dialog for this reader type opens nothing.
void BarcodePage::openDialog(ui::ControlId button)
{
    const ParameterDialogSpec* spec = parameterDialogForButton(m_readerType, button);
    if (spec == nullptr) {
        return;
    }
    ParameterDialogModel dialog(*spec, {m_project.reader.bytes, deviceBytes(), {}, 0}, m_texts, m_language);
    static_cast<void>(host().runDialog(spec->dialogTemplate(), dialog));
    afterDialog(button);
}

// Back to a new project's reader at once, without a question; the snapshot stays, so the
// sheet's Cancel still undoes it.
void BarcodePage::reset()
{
    const bool wasRfidOn = forms::isRfidReaderOn(m_project.device.readerType);
    project::resetReader(m_project);
    m_readerType = unitsDigit(m_project.device.readerType);
    showReaderAndGoodRead();
    showReaderType();
    if (wasRfidOn && m_links.readerSwitched) {
        m_links.readerSwitched();
    }
    if (m_links.imageCaptureSwitched) {
        m_links.imageCaptureSwitched();
    }
}

// Stores the reader, the good-read sound and the controls of the type shown; the other types'
// bytes stay. The coupon byte is the coupon procedure's, not the check box's.
bool BarcodePage::onApply()
{
    const ui::Controls& c = controls();
    const int position = c.selection(Id::ReaderList);
    const int units = position >= 0 ? position + 1 : unitsDigit(m_project.device.readerType);
    m_project.device.readerType = static_cast<Byte>(units + (isRfidChecked() ? RfidReaderOn : 0));
    if (const int goodRead = c.selection(Id::GoodReadList); goodRead >= 0) {
        m_project.reader[project::ReaderByte::GoodReadSound] = static_cast<Byte>(goodRead);
    }
    const ReaderTypePage& p = page();
    for (const Binding& binding : p.behaviour.bindings) {
        Byte& value = byte(binding.field);
        switch (binding.kind) {
        case BindingKind::List:
            if (const int chosen = c.selection(binding.control); chosen >= 0 && chosen < binding.count) {
                value = static_cast<Byte>(binding.values.empty() ? chosen : binding.values[chosen]);
            }
            break;
        case BindingKind::Number:
            if (const auto number = numberIn(binding.control)) {
                value = static_cast<Byte>(std::min(*number, 255));
            }
            break;
        default:
            value = c.isChecked(binding.control) ? 1 : 0;
            break;
        }
    }
    for (const Binding& binding : p.rows.checks) {
        byte(binding.field) = c.isChecked(binding.control) ? 1 : 0;
    }
    takeSnapshot();
    m_isModified = true;
    return true;
}

// The record as the snapshot holds it. The reader type stays as chosen.
void BarcodePage::onCancel()
{
    std::copy(m_readerSnapshot.begin(), m_readerSnapshot.end(), m_project.reader.bytes.begin());
    const std::span<Byte> device = deviceBytes();
    for (const auto& [first, end] : restoredDeviceBytes) {
        std::copy(m_deviceSnapshot.begin() + static_cast<std::ptrdiff_t>(first),
                  m_deviceSnapshot.begin() + static_cast<std::ptrdiff_t>(end),
                  device.begin() + static_cast<std::ptrdiff_t>(first));
    }
}

}  // namespace editor::reader
