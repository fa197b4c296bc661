// SPDX-License-Identifier: MIT
// What the form editor edits while the property sheet is open: a copy of the 20 forms of
// block 2 and the per-line editor state that the record has no room for.
#pragma once

#include <array>
#include <cstddef>

#include "project/records.h"

namespace editor::forms {

using FormSet = std::array<project::FormDef, project::MaxForms>;
using LookupSet = std::array<project::LookupDef, project::MaxLookups>;

// Input source codes that the editor sets itself.
inline constexpr project::Byte KeypadInputSource = 1; // "keypad"
inline constexpr project::Byte BothInputSources = 2;  // "both"
inline constexpr project::Byte RfidInputSource = 3;   // "RFID"
inline constexpr project::Byte AllInputSources = 4;   // "all", with the RFID reader

// Whether the field properties dialog shows a line's input mark, per form and editor line. Kept
// for the open editor only; the terminal never sees it.
class ShowInputMarkFlags
{
public:
    [[nodiscard]] bool isOn(int formIndex, int lineIndex) const { return m_flags[at(formIndex, lineIndex)]; }
    void set(int formIndex, int lineIndex, bool isOn) { m_flags[at(formIndex, lineIndex)] = isOn; }
    // The flag itself, for the property dialog that shows and changes it.
    [[nodiscard]] bool& flag(int formIndex, int lineIndex) { return m_flags[at(formIndex, lineIndex)]; }
    void clearForm(int formIndex)
    {
        for (int line = 0; line < project::EditorLines; ++line) {
            set(formIndex, line, false);
        }
    }

private:
    static std::size_t at(int formIndex, int lineIndex)
    {
        return static_cast<std::size_t>(formIndex * project::EditorLines + lineIndex);
    }

    std::array<bool, project::MaxForms * project::EditorLines> m_flags{};
};

struct FormWorkingCopy
{
    FormSet forms;
    ShowInputMarkFlags showInputMark;
};

} // namespace editor::forms
