// SPDX-License-Identifier: MIT
#include "editor/parameter_dialog.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace editor {
namespace {

using project::Byte;
using texts::sid;

constexpr texts::StringId FirstLengthMode = sid(2041);
constexpr int LengthModes = 4;
enum LengthMode : int { AnyLength = 0, OneLength = 1, TwoLengths = 2, Range = 3 };
enum LengthChoice : int { FixedLength = 0, MaxMinLength = 1 };
constexpr int MaxLength = 127;
constexpr int LengthChars = 2;
constexpr int FixedOrMaxMinChars = 3;

// The list position or radio button that shows a stored value, -1 when none does.
int positionOf(const Binding& binding, Byte value)
{
    if (binding.values.empty()) {
        return value < binding.count ? value : -1;
    }
    const auto it = std::find(binding.values.begin(), binding.values.end(), value);
    return it == binding.values.end() ? -1 : static_cast<int>(it - binding.values.begin());
}

Byte valueAt(const Binding& binding, int position)
{
    return static_cast<Byte>(binding.values.empty() ? position : binding.values[static_cast<std::size_t>(position)]);
}

bool isNonZeroNumber(std::optional<int> value) { return value.has_value() && *value != 0; }

// An optional leading "-" and digits; nothing else.
std::optional<int> parseSigned(std::string_view text)
{
    const bool isNegative = !text.empty() && text.front() == '-';
    const std::optional<int> magnitude = ui::parseUnsigned(isNegative ? text.substr(1) : text);
    if (!magnitude) {
        return std::nullopt;
    }
    return isNegative ? -*magnitude : *magnitude;
}

// What a signed box shows after the user's change: other characters are dropped, an empty box
// or a lone "-" is left for the user to go on typing, and a value outside the range becomes the
// minimum.
std::string correctSigned(std::string_view typed, const Binding& binding)
{
    std::string kept;
    for (const char c : typed) {
        if ((c >= '0' && c <= '9') || (c == '-' && kept.empty())) {
            kept += c;
        }
    }
    const std::optional<int> value = parseSigned(kept);
    if (!value) {
        return kept;
    }
    return std::to_string(*value < binding.minimum || *value > binding.maximum ? binding.minimum : *value);
}

void restore(std::span<Byte> record, const std::vector<Byte>& snapshot)
{
    if (snapshot.size() == record.size()) {
        std::copy(snapshot.begin(), snapshot.end(), record.begin());
    }
}

}  // namespace

ParameterDialogModel::ParameterDialogModel(const ParameterDialogSpec& spec, ParameterRecords records,
                                           const texts::TextSource& texts, ui::LanguageState language)
    : m_spec(spec), m_records(records), m_texts(texts), m_language(language)
{
}

std::span<Byte> ParameterDialogModel::fieldBytes(FieldRef field, std::size_t width)
{
    std::span<Byte> record;
    std::size_t offset = field.offset;
    switch (field.record) {
    case RecordKind::Reader: record = m_records.reader; break;
    case RecordKind::Device: record = m_records.device; break;
    case RecordKind::Form: record = m_records.form; break;
    case RecordKind::Transaction: record = m_records.transaction; break;
    case RecordKind::FormLine:
        record = m_records.form;  // a column holds one slot of `width` bytes per line
        offset += static_cast<std::size_t>(std::clamp(m_records.line, 0, project::LineSlots - 1)) * width;
        break;
    }
    if (offset + width > record.size()) {
        return {};  // a record the dialog was not given
    }
    return record.subspan(offset, width);
}

Byte& ParameterDialogModel::byte(FieldRef field)
{
    const std::span<Byte> bytes = fieldBytes(field, 1);
    if (bytes.empty()) {
        m_discarded = 0;
        return m_discarded;
    }
    return bytes.front();
}

Byte ParameterDialogModel::byte(FieldRef field) const { return const_cast<ParameterDialogModel*>(this)->byte(field); }

const Binding* ParameterDialogModel::bindingOf(ui::ControlId id) const
{
    for (const Binding& b : m_spec.bindings) {
        const int span = b.kind == BindingKind::Radio ? b.count : 1;
        if (ui::ControlRange(b.control, span).contains(id)) {
            return &b;
        }
    }
    return nullptr;
}

void ParameterDialogModel::onInit()
{
    if (m_spec.commit == CommitPolicy::SnapshotOnOpen) {
        m_readerSnapshot.assign(m_records.reader.begin(), m_records.reader.end());
        m_deviceSnapshot.assign(m_records.device.begin(), m_records.device.end());
        m_formSnapshot.assign(m_records.form.begin(), m_records.form.end());
        m_transactionSnapshot.assign(m_records.transaction.begin(), m_records.transaction.end());
    }
    ui::replaceCaptionTexts(controls(), m_texts, m_language, {m_spec.titleEntry, m_spec.captions});
    for (const Binding& binding : m_spec.bindings) {
        if (binding.kind == BindingKind::List && binding.entries) {
            controls().setItems(binding.control, binding.entries(m_texts));
        } else if (binding.kind == BindingKind::List) {
            ui::fillList(controls(), binding.control, m_texts, binding.firstEntry, binding.count);
        } else if (binding.kind == BindingKind::Number && binding.isSigned) {
            controls().setTextLimit(binding.control, binding.maxChars);
            controls().setDigitsOnly(binding.control, false);
        } else if (binding.kind == BindingKind::Number) {
            makeNumeric(binding.control, ui::NumericEditSpec::range(binding.minimum, binding.maximum));
            controls().setTextLimit(binding.control, binding.maxChars);
            controls().setDigitsOnly(binding.control, binding.isDigitsOnly);
        } else if (binding.kind == BindingKind::Character) {
            controls().setTextLimit(binding.control, 1);
        } else if (binding.kind == BindingKind::Text) {
            controls().setTextLimit(binding.control, binding.maxChars);
        }
        show(binding);
    }
    if (const LengthGroup* group = m_spec.lengthGroup) {
        const Byte mode = byte(group->mode);
        const bool isList = group->style == LengthStyle::ModeList;
        if (isList) {
            ui::fillList(controls(), group->modeList, m_texts, FirstLengthMode, LengthModes);
            controls().setSelection(group->modeList, mode < LengthModes ? mode : -1);
        } else {
            ui::checkIndex(controls(), {group->modeList, 2}, mode < 2 ? mode : -1);
        }
        for (const auto& [edit, n] : {std::pair{group->length1Edit, 1U}, std::pair{group->length2Edit, 2U}}) {
            makeNumeric(edit, ui::NumericEditSpec::range(isList ? 0 : 1, MaxLength));
            controls().setTextLimit(edit, isList ? LengthChars : FixedOrMaxMinChars);
            controls().setDigitsOnly(edit, group->isDigitsOnly);
            controls().setText(edit, std::to_string(byte({group->mode.record, group->mode.offset + n})));
        }
        showLengthMode(false);
    }
    for (const EnablingRule& rule : m_spec.rules) {
        applyRules(rule.source);
    }
    if (m_spec.hooks.afterChange) {
        m_spec.hooks.afterChange(*this, ui::ControlId{});
    }
}

void ParameterDialogModel::show(const Binding& binding)
{
    const Byte value = byte(binding.field);
    switch (binding.kind) {
    case BindingKind::Flag:
        controls().setChecked(binding.control, value != 0);
        break;
    case BindingKind::InvertedFlag:
        controls().setChecked(binding.control, value == 0);
        break;
    case BindingKind::Radio:
        ui::checkIndex(controls(), {binding.control, binding.count}, positionOf(binding, value));
        break;
    case BindingKind::List:
        controls().setSelection(binding.control, positionOf(binding, value));
        break;
    case BindingKind::Number: {
        // A working copy shows a stored value outside the range as OK will store it.
        int shown = binding.isSigned && value > binding.maximum ? value - 256 : value;
        shown = binding.isCorrectedOnOpen ? std::clamp(shown, binding.minimum, binding.maximum) : shown;
        controls().setText(binding.control, std::to_string(shown));
        break;
    }
    case BindingKind::Character:
        controls().setText(binding.control, value == 0 ? std::string() : std::string(1, static_cast<char>(value)));
        break;
    case BindingKind::Text: {
        // A slot read from a file may lack its NUL: the text ends at the limit.
        const std::span<Byte> slot = textSlot(binding);
        const auto shown = slot.first(slot.empty() ? 0 : slot.size() - 1);
        const auto end = std::find(shown.begin(), shown.end(), Byte{0});
        controls().setText(binding.control, std::string(shown.begin(), end));
        break;
    }
    }
}

std::span<Byte> ParameterDialogModel::textSlot(const Binding& binding)
{
    return fieldBytes(binding.field, static_cast<std::size_t>(std::max(binding.maxChars, 0)) + 1);
}

void ParameterDialogModel::showStored(ui::ControlId control)
{
    if (const Binding* binding = bindingOf(control)) {
        show(*binding);
        applyRules(binding->control);
    }
}

void ParameterDialogModel::setEnabled(ui::ControlId control, bool isEnabled)
{
    controls().setEnabled(control, isEnabled);
    applyRules(control);
}

void ParameterDialogModel::store(const Binding& binding)
{
    Byte& value = byte(binding.field);
    switch (binding.kind) {
    case BindingKind::Flag:
        value = controls().isChecked(binding.control) ? 1 : 0;
        break;
    case BindingKind::InvertedFlag:
        value = controls().isChecked(binding.control) ? 0 : 1;
        break;
    case BindingKind::Radio:
        if (const int position = ui::checkedIndex(controls(), {binding.control, binding.count}); position >= 0) {
            value = valueAt(binding, position);
        }
        break;
    case BindingKind::List:
        if (const int position = controls().selection(binding.control); position >= 0 && position < binding.count) {
            value = valueAt(binding, position);
        }
        break;
    case BindingKind::Number:
        // A box that a rule disabled keeps its stored byte, unless the box is a working copy.
        if (!controls().isEnabled(binding.control) && !binding.isCorrectedOnOpen) {
            break;
        }
        if (binding.isSigned) {
            const int number = parseSigned(controls().text(binding.control)).value_or(binding.minimum);
            value = static_cast<Byte>(number < 0 ? number + 256 : std::min(number, 255));
        } else if (const auto number = numberIn(binding.control)) {
            value = static_cast<Byte>(std::min(*number, 255));
        }
        break;
    case BindingKind::Character: {
        const std::string& text = controls().text(binding.control);
        value = text.empty() ? 0 : static_cast<Byte>(text.front());
        break;
    }
    case BindingKind::Text: {
        const std::span<Byte> slot = textSlot(binding);
        if (slot.empty()) {
            break;
        }
        const std::string& text = controls().text(binding.control);
        const std::size_t n = std::min(text.size(), slot.size() - 1);
        std::copy_n(text.begin(), n, slot.begin());
        slot[n] = 0;
        break;
    }
    }
}

void ParameterDialogModel::applyRules(ui::ControlId source)
{
    const auto isOn = [this](ui::ControlId box) { return controls().isEnabled(box) && controls().isChecked(box); };
    for (const EnablingRule& rule : m_spec.rules) {
        if (rule.source != source && (rule.otherSource == ui::ControlId{} || rule.otherSource != source)) {
            continue;
        }
        bool isEnabled = controls().isEnabled(rule.source);
        if (rule.otherSource != ui::ControlId{} && rule.isBothNeeded) {
            isEnabled = isOn(rule.source) && isOn(rule.otherSource);
        } else if (rule.otherSource != ui::ControlId{}) {
            isEnabled = isOn(rule.source) || isOn(rule.otherSource);
        } else if (rule.selections == 0) {
            isEnabled = isEnabled && controls().isChecked(source) != rule.isInverted;
        } else {
            const int position = controls().selection(source);
            isEnabled = isEnabled && position >= 0 && position < 32 && (rule.selections >> position & 1U) != 0;
        }
        controls().setEnabled(rule.target, isEnabled);
        if (!isEnabled && rule.whenDisabled == WhenDisabled::Clear &&
            controls().state(rule.target).kind == ui::ControlKind::CheckBox) {
            controls().setChecked(rule.target, false);
        }
        applyRules(rule.target);  // chains: what the target enables follows it
    }
}

int ParameterDialogModel::lengthMode() const
{
    const LengthGroup& group = *m_spec.lengthGroup;
    return group.style == LengthStyle::ModeList ? controlStates().selection(group.modeList)
                                                : ui::checkedIndex(controlStates(), {group.modeList, 2});
}

void ParameterDialogModel::showLengthMode(bool isUserChange)
{
    const LengthGroup& group = *m_spec.lengthGroup;
    const int mode = lengthMode();
    const bool isList = group.style == LengthStyle::ModeList;
    const int labels = texts::value(group.firstLabel) + ((isList ? mode == Range : mode == MaxMinLength) ? 0 : 2);
    controls().setText(group.length1Label, m_texts.text(texts::sid(labels)));
    controls().setText(group.length2Label, m_texts.text(texts::sid(labels + 1)));
    if (!isList) {
        return;  // both boxes always count, and relabelling keeps their numbers
    }
    // A mode read from a file outside the list leaves both boxes as they are shown.
    const bool hasFirst = mode != AnyLength;
    const bool hasSecond = mode < 0 || mode == TwoLengths || mode == Range;
    controls().setEnabled(group.length1Label, hasFirst);
    controls().setEnabled(group.length1Edit, hasFirst);
    controls().setEnabled(group.length2Label, hasSecond);
    controls().setEnabled(group.length2Edit, hasSecond);
    if (!isUserChange || mode < 0) {
        return;
    }
    for (const auto& [edit, isUsed] :
         {std::pair{group.length1Edit, hasFirst}, std::pair{group.length2Edit, hasSecond}}) {
        if (isUsed && !isNonZeroNumber(numberIn(edit))) {
            controls().setText(edit, "1");
        }
    }
}

bool ParameterDialogModel::checkLengths()
{
    const LengthGroup* group = m_spec.lengthGroup;
    const int mode = group && group->style == LengthStyle::ModeList ? lengthMode() : -1;
    std::vector<ui::ControlId> required;
    if (mode > AnyLength) {
        required.push_back(group->length1Edit);
    }
    if (mode == TwoLengths || mode == Range) {
        required.push_back(group->length2Edit);
    }
    for (const Binding& binding : m_spec.bindings) {
        if (binding.kind == BindingKind::Number && binding.minimum > 0 && controls().isEnabled(binding.control)) {
            required.push_back(binding.control);
        }
    }
    for (const ui::ControlId edit : required) {
        if (!isNonZeroNumber(numberIn(edit))) {
            host().warning(texts::WarningTitle, texts::InvalidValueText);
            controls().requestFocus(edit);
            return false;
        }
    }
    return true;
}

void ParameterDialogModel::storeLengths()
{
    const LengthGroup& group = *m_spec.lengthGroup;
    const int mode = lengthMode();
    if (mode < 0) {
        return;  // a mode read from a file outside the list keeps the group as it is
    }
    int first = numberIn(group.length1Edit).value_or(0);
    int second = numberIn(group.length2Edit).value_or(0);
    if (group.style == LengthStyle::FixedOrMaxMin) {
        if (mode == MaxMinLength) {
            first = std::max(first, 1);
            second = std::max(second, 1);
            if (second > first) {
                std::swap(first, second);  // the terminal reads the maximum first
            }
        }
    } else {
        first = mode == AnyLength ? 0 : first;
        second = mode == TwoLengths || mode == Range ? second : 0;
        if (second != 0 && second < first) {
            std::swap(first, second);
        }
    }
    byte(group.mode) = static_cast<Byte>(mode);
    byte({group.mode.record, group.mode.offset + 1}) = static_cast<Byte>(std::min(first, 255));
    byte({group.mode.record, group.mode.offset + 2}) = static_cast<Byte>(std::min(second, 255));
}

void ParameterDialogModel::changed(ui::ControlId id)
{
    applyRules(id);
    if (m_spec.hooks.afterChange) {
        m_spec.hooks.afterChange(*this, id);
    }
}

void ParameterDialogModel::onClick(ui::ControlId id)
{
    const LengthGroup* group = m_spec.lengthGroup;
    if (const ui::ControlRange choice(group ? group->modeList : ui::ControlId{}, 2);
        group && group->style == LengthStyle::FixedOrMaxMin && choice.contains(id)) {
        ui::checkIndex(controls(), choice, choice.indexOf(id));
        showLengthMode(true);
    } else if (const Binding* binding = bindingOf(id)) {
        if (binding->kind == BindingKind::Radio) {
            ui::checkIndex(controls(), {binding->control, binding->count},
                           ui::ControlRange(binding->control, binding->count).indexOf(id));
        } else if (controls().state(id).kind == ui::ControlKind::CheckBox) {
            toggleCheck(id);
        }
    } else if (controls().state(id).kind == ui::ControlKind::CheckBox) {
        toggleCheck(id);  // a box of the editor's own state, which a hook stores
    }
    changed(id);
}

void ParameterDialogModel::onSelectionChange(ui::ControlId id)
{
    if (m_spec.lengthGroup && id == m_spec.lengthGroup->modeList) {
        showLengthMode(true);
    }
    changed(id);
}

void ParameterDialogModel::onTextChange(ui::ControlId id)
{
    if (const Binding* binding = bindingOf(id); binding != nullptr && binding->isSigned) {
        const std::string corrected = correctSigned(controls().text(id), *binding);
        controls().setText(id, corrected);
    }
    changed(id);
}

bool ParameterDialogModel::onOk()
{
    if (!checkLengths()) {
        return false;
    }
    if (m_spec.hooks.beforeStore && !m_spec.hooks.beforeStore(*this)) {
        return false;
    }
    for (const Binding& binding : m_spec.bindings) {
        store(binding);
    }
    if (m_spec.lengthGroup) {
        storeLengths();
    }
    if (m_spec.hooks.afterStore) {
        m_spec.hooks.afterStore(*this);
    }
    return true;
}

void ParameterDialogModel::endAsCancelled()
{
    onCancel();
    closeDialog(ui::DialogResult::Cancel);
}

void ParameterDialogModel::onCancel()
{
    if (m_spec.commit == CommitPolicy::SnapshotOnOpen) {
        restore(m_records.reader, m_readerSnapshot);
        restore(m_records.device, m_deviceSnapshot);
        restore(m_records.form, m_formSnapshot);
        restore(m_records.transaction, m_transactionSnapshot);
    }
}

}  // namespace editor
