// SPDX-License-Identifier: MIT
#include "ui/controls.h"
#include "ui/control_range.h"

#include <algorithm>

namespace ui {
namespace {

const ControlState& missingState()
{
    static const ControlState missing{};
    return missing;
}

// Sets a flag of a control that exists; writable() has noted an unknown one.
void setFlag(ControlState* state, bool ControlState::*flag, bool value)
{
    if (state != nullptr) {
        state->*flag = value;
    }
}

}  // namespace

Controls::Controls(const DialogTemplate& dialog) : m_title(dialog.title)
{
    m_states.reserve(dialog.controls.size());
    for (const ControlTemplate& control : dialog.controls) {
        ControlState state;
        state.id = control.id;
        state.kind = control.kind;
        state.text = control.text;
        state.isEnabled = !hasStyle(control.style, ControlStyle::Disabled);
        state.isVisible = !hasStyle(control.style, ControlStyle::Hidden);
        state.isDigitsOnly = hasStyle(control.style, ControlStyle::DigitsOnly);
        m_states.push_back(std::move(state));
    }
}

ControlState* Controls::find(ControlId id)
{
    const auto it = std::find_if(m_states.begin(), m_states.end(), [id](const ControlState& s) { return s.id == id; });
    return it == m_states.end() ? nullptr : &*it;
}

ControlState* Controls::writable(ControlId id)
{
    ControlState* state = find(id);
    if (state == nullptr && std::find(m_unknownIds.begin(), m_unknownIds.end(), id) == m_unknownIds.end()) {
        m_unknownIds.push_back(id);
    }
    return state;
}

bool Controls::has(ControlId id) const
{
    return std::any_of(m_states.begin(), m_states.end(), [id](const ControlState& s) { return s.id == id; });
}

const ControlState& Controls::state(ControlId id) const
{
    const auto it = std::find_if(m_states.begin(), m_states.end(), [id](const ControlState& s) { return s.id == id; });
    if (it == m_states.end()) {
        if (std::find(m_unknownIds.begin(), m_unknownIds.end(), id) == m_unknownIds.end()) {
            m_unknownIds.push_back(id);
        }
        return missingState();
    }
    return *it;
}

void Controls::setText(ControlId id, std::string_view text)
{
    if (ControlState* s = writable(id)) {
        s->text = text;
    }
}

void Controls::setChecked(ControlId id, bool isChecked) { setFlag(writable(id), &ControlState::isChecked, isChecked); }

void Controls::checkRadio(ControlId first, ControlId last, ControlId chosen)
{
    for (ControlState& s : m_states) {
        if (s.kind == ControlKind::RadioButton && s.id >= first && s.id <= last) {
            s.isChecked = s.id == chosen;
        }
    }
    static_cast<void>(writable(chosen));
}

void Controls::setEnabled(ControlId id, bool isEnabled) { setFlag(writable(id), &ControlState::isEnabled, isEnabled); }

void Controls::setVisible(ControlId id, bool isVisible) { setFlag(writable(id), &ControlState::isVisible, isVisible); }

void Controls::setItems(ControlId id, std::vector<std::string> items)
{
    if (ControlState* s = writable(id)) {
        s->items = std::move(items);
        s->selection = -1;
    }
}

void Controls::addItem(ControlId id, std::string_view item)
{
    if (ControlState* s = writable(id)) {
        s->items.emplace_back(item);
    }
}

void Controls::setSelection(ControlId id, int index)
{
    if (ControlState* s = writable(id)) {
        const bool isInside = index >= 0 && static_cast<std::size_t>(index) < s->items.size();
        s->selection = isInside ? index : -1;
    }
}

void Controls::setTextLimit(ControlId id, int limit)
{
    if (ControlState* s = writable(id)) {
        s->textLimit = std::max(limit, 0);
    }
}

void Controls::setDigitsOnly(ControlId id, bool isDigitsOnly)
{
    setFlag(writable(id), &ControlState::isDigitsOnly, isDigitsOnly);
}

void Controls::setHighlighted(ControlId id, bool isHighlighted)
{
    setFlag(writable(id), &ControlState::isHighlighted, isHighlighted);
}

void Controls::requestFocus(ControlId id)
{
    if (writable(id) != nullptr) {
        m_focus = id;
        ++m_focusRequests;
    }
}

}  // namespace ui

namespace ui {

int checkedIndex(const Controls& controls, ControlRange radios)
{
    for (int i = 0; i < radios.count; ++i) {
        if (controls.isChecked(radios.at(i))) {
            return i;
        }
    }
    return -1;
}

void checkIndex(Controls& controls, ControlRange radios, int index)
{
    for (int i = 0; i < radios.count; ++i) {
        controls.setChecked(radios.at(i), i == index);
    }
}

}  // namespace ui
