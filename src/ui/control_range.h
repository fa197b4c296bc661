// SPDX-License-Identifier: MIT
// Runs of controls with consecutive IDs: the rows of a grid, a radio group, a group of check
// boxes. The pages address such runs by index instead of doing ID arithmetic of their own.
#pragma once

#include "ui/control_id.h"

namespace ui {

class Controls;

struct ControlRange
{
    int first = 0;
    int count = 0;

    template <typename Enum>
    constexpr ControlRange(Enum firstId, int n) : first(ControlId(firstId).value()), count(n)
    {
    }
    constexpr ControlRange(ControlId firstId, int n) : first(firstId.value()), count(n) {}

    // The control at `index` (0-based) of the run.
    [[nodiscard]] constexpr ControlId at(int index) const { return ControlId(first + index); }
    [[nodiscard]] constexpr ControlId last() const { return ControlId(first + count - 1); }
    [[nodiscard]] constexpr bool contains(ControlId id) const
    {
        return id.value() >= first && id.value() < first + count;
    }
    // The index of `id` in the run, or -1 when it lies outside.
    [[nodiscard]] constexpr int indexOf(ControlId id) const { return contains(id) ? id.value() - first : -1; }
};

// The index of the checked radio button of the run, or -1 when none is checked.
[[nodiscard]] int checkedIndex(const Controls& controls, ControlRange radios);
// Checks button `index` of the run and clears the others; an index outside clears them all.
void checkIndex(Controls& controls, ControlRange radios, int index);

} // namespace ui
