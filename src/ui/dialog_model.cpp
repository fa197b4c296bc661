// SPDX-License-Identifier: MIT
#include "ui/dialog_model.h"

#include <algorithm>

#include "ui/dialog_template.h"

namespace ui {
namespace {

std::string digitsOf(std::string_view text)
{
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), [](char c) { return c >= '0' && c <= '9'; });
    return digits;
}

} // namespace

void DialogModel::open(const DialogTemplate& dialog, Host& host)
{
    m_controls = Controls(dialog);
    m_host = &host;
    m_numericEdits.clear();
    m_pendingEdits.clear();
    m_result.reset();
    onInit();
}

bool DialogModel::isActionable(ControlId id) const
{
    if (!isOpen() || !m_controls.has(id)) {
        return false;
    }
    const ControlState& state = m_controls.state(id);
    return state.isEnabled && state.isVisible;
}

void DialogModel::click(ControlId id)
{
    if (!isActionable(id)) {
        return;
    }
    focusChanged(id);
    if (id == OkButton) {
        accept();
    } else if (id == CancelButton) {
        reject();
    } else {
        onClick(id);
    }
}

void DialogModel::select(ControlId id, int index)
{
    if (!isActionable(id)) {
        return;
    }
    focusChanged(id);
    m_controls.setSelection(id, index);
    onSelectionChange(id);
}

void DialogModel::edit(ControlId id, std::string_view text)
{
    if (!isActionable(id) || m_controls.state(id).kind != ControlKind::Edit) {
        return;
    }
    m_controls.noteFocus(id);
    const ControlState& state = m_controls.state(id);
    std::string typed = state.isDigitsOnly ? digitsOf(text) : std::string(text);
    if (state.textLimit > 0 && typed.size() > static_cast<std::size_t>(state.textLimit)) {
        typed.resize(static_cast<std::size_t>(state.textLimit));
    }
    if (const NumericEdit* numeric = numericEdit(id)) {
        typed = correctWhileTyping(typed, numeric->spec);
    }
    const bool isPending =
        std::any_of(m_pendingEdits.begin(), m_pendingEdits.end(), [id](const PendingEdit& p) { return p.id == id; });
    if (!isPending) {
        m_pendingEdits.push_back({id, state.text});
    }
    m_controls.setText(id, typed);
    onTextChange(id);
}

void DialogModel::finishEditing(ControlId id)
{
    const auto it =
        std::find_if(m_pendingEdits.begin(), m_pendingEdits.end(), [id](const PendingEdit& p) { return p.id == id; });
    if (it == m_pendingEdits.end()) {
        return; // nothing typed since the last finish: loaded values stay as they are
    }
    const std::string lastAccepted = it->lastAccepted;
    m_pendingEdits.erase(it);
    if (const NumericEdit* numeric = numericEdit(id)) {
        const FinishedEdit finished = correctWhenFinished(m_controls.text(id), lastAccepted, numeric->spec);
        m_controls.setText(id, finished.text);
        if (finished.isRefused) {
            host().warning(numeric->spec.refusalTitle, numeric->spec.refusalText);
            m_controls.requestFocus(id);
        }
    }
    onEditingFinished(id);
}

void DialogModel::focusChanged(ControlId id)
{
    const ControlId previous = m_controls.focus();
    m_controls.noteFocus(id);
    if (previous != id) {
        finishEditing(previous);
    }
}

void DialogModel::finishAllEditing()
{
    while (!m_pendingEdits.empty()) {
        finishEditing(m_pendingEdits.front().id);
    }
}

bool DialogModel::accept()
{
    if (!isOpen()) {
        return false;
    }
    finishAllEditing();
    if (!onOk()) {
        return false;
    }
    m_result = DialogResult::Ok;
    return true;
}

void DialogModel::reject()
{
    if (!isOpen()) {
        return;
    }
    m_pendingEdits.clear();
    onCancel();
    m_result = DialogResult::Cancel;
}

void DialogModel::setActive()
{
    if (isOpen()) {
        onSetActive();
    }
}

bool DialogModel::killActive()
{
    if (!isOpen()) {
        return true;
    }
    finishAllEditing();
    return onKillActive();
}

bool DialogModel::apply()
{
    if (!isOpen()) {
        return true; // a page never shown leaves its blocks as they are
    }
    finishAllEditing();
    return onApply();
}

void DialogModel::cancelPage()
{
    if (isOpen()) {
        m_pendingEdits.clear();
        onCancel();
    }
}

bool DialogModel::toggleCheck(ControlId id)
{
    const bool isChecked = !m_controls.isChecked(id);
    m_controls.setChecked(id, isChecked);
    return isChecked;
}

void DialogModel::makeNumeric(ControlId id, NumericEditSpec spec)
{
    const auto it =
        std::find_if(m_numericEdits.begin(), m_numericEdits.end(), [id](const NumericEdit& n) { return n.id == id; });
    if (it != m_numericEdits.end()) {
        it->spec = std::move(spec);
        return;
    }
    static_cast<void>(m_controls.state(id)); // an unknown ID shows up in unknownIds()
    m_numericEdits.push_back({id, std::move(spec)});
}

std::optional<int> DialogModel::numberIn(ControlId id) const
{
    return parseUnsigned(m_controls.text(id));
}

const DialogModel::NumericEdit* DialogModel::numericEdit(ControlId id) const
{
    const auto it =
        std::find_if(m_numericEdits.begin(), m_numericEdits.end(), [id](const NumericEdit& n) { return n.id == id; });
    return it == m_numericEdits.end() ? nullptr : &*it;
}

} // namespace ui
