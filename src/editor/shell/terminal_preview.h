// SPDX-License-Identifier: MIT
// The preview on the painted terminal's screen: the menus and forms of the project in memory as
// the terminal lays them out, walked with the painted keys. It shows navigation and layout only:
// nothing is typed, stored or looked up. The preview keeps only where it stands; every call is
// given the project, which may have been replaced or edited since the last one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/project.h"

namespace texts {
class TextSource;
}

namespace editor::shell {

// The terminal's screen: 30 characters a line, 12 lines including the title line.
inline constexpr int PreviewColumns = 30;
inline constexpr int PreviewRows = 12;

enum class PreviewKey {
    Escape,
    Enter,
    Up,
    Down,
    Left,
    Right,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9
};
inline constexpr int PreviewKeyCount = 16;

// The preview key that a painted key (1 to 25) drives; none for Fn, BS, ABC, SP, F1 to F3, the
// point, the minus and the menu key.
[[nodiscard]] std::optional<PreviewKey> previewKeyOfPanelKey(int keyNumber);

enum class PreviewScreenKind { Menu, Form, NoTarget };

struct PreviewRow
{
    std::string text;        // at most PreviewColumns bytes of the code page, no control characters
    bool isCurrent = false;  // the chosen menu item or the input line the cursor stands on
    int inputColumn = 0;     // where the input area starts
    int inputWidth = 0;      // 0 for a row without an input area
};

struct PreviewScreen
{
    PreviewScreenKind kind = PreviewScreenKind::NoTarget;
    int number = 0;                    // menu or form number; for "no target" the code that led there
    std::string name;                  // "menu  2", "form  5"; for "no target" the screen that led there
    std::optional<std::string> title;  // the menu's caption or the form's name, on the first line
    std::vector<PreviewRow> rows;      // the lines shown below the title, top to bottom
    bool hasRowsAbove = false;
    bool hasRowsBelow = false;
};

class TerminalPreview
{
public:
    // Back to the screen the terminal starts with: form 1 or menu 1 as the system settings say.
    void restart(const project::Project& project);

    void press(const project::Project& project, PreviewKey key);

    [[nodiscard]] PreviewScreen screen(const project::Project& project, const texts::TextSource& texts) const;

    [[nodiscard]] PreviewScreenKind kind() const { return m_place.kind; }
    [[nodiscard]] int number() const { return m_place.number; }
    // The chosen item or input line, counted from 0 among the items or input lines.
    [[nodiscard]] int currentStop() const { return m_stop; }

private:
    struct Place
    {
        PreviewScreenKind kind = PreviewScreenKind::Form;
        int number = 1;
    };
    struct Layout;

    [[nodiscard]] Layout layout(const project::Project& project) const;
    void follow(const project::Project& project, int targetCode);
    void enter(const project::Project& project, Place place);
    void choose(const Layout& layout, int stop);
    void scrollBy(const Layout& layout, int rows);
    void pressOnMenu(const project::Project& project, const Layout& layout, PreviewKey key);
    void pressOnForm(const project::Project& project, const Layout& layout, PreviewKey key);

    Place m_place;
    Place m_cameFrom;  // where a "no target" screen leads back to
    int m_stop = 0;
    int m_firstRow = 0;
};

}  // namespace editor::shell
