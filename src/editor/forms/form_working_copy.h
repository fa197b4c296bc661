// SPDX-License-Identifier: MIT
// What the form editor edits while the property sheet is open: a copy of the 20 forms of
// block 2 and the per-line editor state that the record has no room for.
#pragma once

#include <array>
#include <cstddef>

#include "project/records.h"

namespace editor::forms {

using FormSet = std::array<project::FormDef, project::MaxForms>;

// Whether the field properties dialog shows a line's input mark, per form and editor line. Kept
// for the open editor only; the terminal never sees it.
class ShowInputMarkFlags
{
public:
    [[nodiscard]] bool isOn(int formIndex, int lineIndex) const { return m_flags[at(formIndex, lineIndex)]; }
    void set(int formIndex, int lineIndex, bool isOn) { m_flags[at(formIndex, lineIndex)] = isOn; }
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

}  // namespace editor::forms
