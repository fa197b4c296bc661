// SPDX-License-Identifier: MIT
// The headless control model: the state of every control of one open dialog, by control ID.
// A dialog model reads and writes it; the Qt view and the test harness show it and feed user
// events back through the dialog model (see dialog_model.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/control_id.h"
#include "ui/dialog_template.h"

namespace ui {

// Texts are raw single-byte strings (the terminal's code page); only the Qt view converts them.
struct ControlState
{
    ControlId id;
    ControlKind kind = ControlKind::Label;
    std::string text;
    bool isChecked = false;
    bool isEnabled = true;
    bool isVisible = true;
    std::vector<std::string> items; // drop-down lists
    int selection = -1;             // -1: nothing chosen
    int textLimit = 0;              // edit boxes: most characters the user can type; 0 no limit
    bool isDigitsOnly = false;      // edit boxes: only digits can be typed
    bool isHighlighted = false;     // painted as a solid blue box (a code display while its grid is open)
};

class Controls
{
public:
    Controls() = default;
    explicit Controls(const DialogTemplate& dialog);

    [[nodiscard]] const std::string& title() const { return m_title; }
    void setTitle(std::string_view title) { m_title = title; }

    [[nodiscard]] bool has(ControlId id) const;
    // Unknown IDs read as a default state and ignore writes, so a wrong ID never crashes the
    // program; unknownIds() lists them so the test harness fails on them.
    [[nodiscard]] const ControlState& state(ControlId id) const;
    [[nodiscard]] const std::vector<ControlState>& all() const { return m_states; }
    [[nodiscard]] const std::vector<ControlId>& unknownIds() const { return m_unknownIds; }

    [[nodiscard]] const std::string& text(ControlId id) const { return state(id).text; }
    void setText(ControlId id, std::string_view text);

    [[nodiscard]] bool isChecked(ControlId id) const { return state(id).isChecked; }
    void setChecked(ControlId id, bool isChecked);
    // Checks `chosen` and clears every other radio button whose ID lies in first..last.
    void checkRadio(ControlId first, ControlId last, ControlId chosen);

    [[nodiscard]] bool isEnabled(ControlId id) const { return state(id).isEnabled; }
    void setEnabled(ControlId id, bool isEnabled);
    [[nodiscard]] bool isVisible(ControlId id) const { return state(id).isVisible; }
    void setVisible(ControlId id, bool isVisible);

    [[nodiscard]] const std::vector<std::string>& items(ControlId id) const { return state(id).items; }
    // Replaces the entries and clears the selection.
    void setItems(ControlId id, std::vector<std::string> items);
    void addItem(ControlId id, std::string_view item);
    [[nodiscard]] int selection(ControlId id) const { return state(id).selection; }
    // An index outside the entries leaves the list without a selection.
    void setSelection(ControlId id, int index);

    [[nodiscard]] int textLimit(ControlId id) const { return state(id).textLimit; }
    void setTextLimit(ControlId id, int limit);
    [[nodiscard]] bool isDigitsOnly(ControlId id) const { return state(id).isDigitsOnly; }
    void setDigitsOnly(ControlId id, bool isDigitsOnly);
    [[nodiscard]] bool isHighlighted(ControlId id) const { return state(id).isHighlighted; }
    void setHighlighted(ControlId id, bool isHighlighted);

    // The control that has the keyboard focus (a default ControlId when none).
    [[nodiscard]] ControlId focus() const { return m_focus; }
    // Moves the focus as the user does; the view only follows requestFocus().
    void noteFocus(ControlId id) { m_focus = id; }
    // Moves the focus on the model's behalf (after a refusal); the view follows each request.
    void requestFocus(ControlId id);
    [[nodiscard]] int focusRequests() const { return m_focusRequests; }

private:
    ControlState* find(ControlId id);
    ControlState* writable(ControlId id);

    std::string m_title;
    std::vector<ControlState> m_states;
    mutable std::vector<ControlId> m_unknownIds; // diagnostics only, so reads may add to it
    ControlId m_focus;
    int m_focusRequests = 0;
};

} // namespace ui
