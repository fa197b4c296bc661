// SPDX-License-Identifier: MIT
#include "editor/shell/terminal_preview.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "texts/text_source.h"

namespace editor::shell {
namespace {

using project::FormDef;
using project::MenuDef;
using project::Project;

constexpr texts::StringId FormNamePrefix = texts::sid(10);
constexpr texts::StringId FormPrefix = texts::sid(1302);
constexpr texts::StringId MenuPrefix = texts::sid(1303);
constexpr texts::StringId NoTargetText = texts::sid(1313);

constexpr int MainTarget = 0;
constexpr int LastFormTarget = project::MaxForms;
constexpr int LastMenuTarget = project::MaxForms + project::MaxMenus;

// Line types, as the type list of a form line numbers them.
enum LineType : int {
    Nil = 0,
    Text = 1,
    Boolean = 6,
    Lookup = 7,
    FixedData = 8,
    Extension = 12,
    Pause = 13,
    Alphameric = 14,
    Image = 15,
    Msqi = 16,
};

// Keys of the picture that drive the preview: the two large keys, the cursor cluster and the
// digits of the keypad (its grid reads 1 2 3 F1 / 4 5 6 F2 / 7 8 9 F3 / . 0 -).
constexpr std::array<std::pair<int, PreviewKey>, PreviewKeyCount> panelKeyTable = {{
    {1, PreviewKey::Escape},
    {2, PreviewKey::Enter},
    {5, PreviewKey::Up},
    {6, PreviewKey::Down},
    {7, PreviewKey::Left},
    {8, PreviewKey::Right},
    {11, PreviewKey::Digit1},
    {12, PreviewKey::Digit2},
    {13, PreviewKey::Digit3},
    {15, PreviewKey::Digit4},
    {16, PreviewKey::Digit5},
    {17, PreviewKey::Digit6},
    {19, PreviewKey::Digit7},
    {20, PreviewKey::Digit8},
    {21, PreviewKey::Digit9},
    {24, PreviewKey::Digit0},
}};

// A byte the screen can show as it stands: control characters and the five bytes the code page
// leaves undefined become blanks.
char shownByte(unsigned char byte)
{
    const bool isUndefined = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    return byte < 0x20 || byte == 0x7F || isUndefined ? ' ' : static_cast<char>(byte);
}

std::string shownText(std::string_view text)
{
    std::string shown;
    const std::size_t n = std::min<std::size_t>(text.size(), PreviewColumns);
    for (std::size_t i = 0; i < n; ++i) {
        shown += shownByte(static_cast<unsigned char>(text[i]));
    }
    return shown;
}

std::string numbered(const texts::TextSource& texts, texts::StringId prefix, int number)
{
    return texts.text(prefix) + std::to_string(number);
}

bool isInputLine(const FormDef& form, int slot)
{
    const int type = form.lineType[static_cast<std::size_t>(slot)];
    return (type >= Text && type <= Boolean) || type == Pause || type == Alphameric || type == Msqi ||
           (type == Image && form.imageEditPath[static_cast<std::size_t>(slot)] == 1);
}

bool hasInputArea(const FormDef& form, int slot)
{
    const int type = form.lineType[static_cast<std::size_t>(slot)];
    return isInputLine(form, slot) && type != Pause;
}

bool hasPrompt(int type) { return type >= Text && type <= Image && type != Extension; }

// Types whose input goes on in the "extension" lines below them.
bool isContinued(int type)
{
    return (type >= Text && type <= Boolean) || type == 11 || type == Alphameric || type == Msqi;
}

// The input area of a line from `column` on: as wide as the line's maximum length allows on the
// rest of the screen line, filled with the input mark when the line has one.
void addInputArea(PreviewRow& row, const FormDef& form, int slot, int column)
{
    const auto s = static_cast<std::size_t>(slot);
    row.inputColumn = column;
    row.inputWidth = std::clamp(static_cast<int>(form.maxLength[s]), 0, PreviewColumns - column);
    const char mark = shownByte(form.inputMark[s]);
    if (form.inputMark[s] != 0 && mark != ' ') {
        row.text.resize(static_cast<std::size_t>(column), ' ');
        row.text.append(static_cast<std::size_t>(row.inputWidth), mark);
    }
}

}  // namespace

std::optional<PreviewKey> previewKeyOfPanelKey(int keyNumber)
{
    for (const auto& [number, key] : panelKeyTable) {
        if (number == keyNumber) {
            return key;
        }
    }
    return std::nullopt;
}

// Every line of the current screen below its title, which of them the cursor can stand on,
// and for a menu where each item leads.
struct TerminalPreview::Layout
{
    bool hasTitle = false;
    std::vector<PreviewRow> rows;
    std::vector<int> stopRows;
    std::vector<int> stopTargets;

    [[nodiscard]] int visibleRows() const { return PreviewRows - (hasTitle ? 1 : 0); }
    [[nodiscard]] int stopCount() const { return static_cast<int>(stopRows.size()); }
};

TerminalPreview::Layout TerminalPreview::layout(const Project& project) const
{
    Layout result;
    switch (m_place.kind) {
    case PreviewScreenKind::Menu: {
        const MenuDef& menu = project.menu(m_place.number);
        result.hasTitle = menu.captionOn != 0;
        for (int slot = 0; slot < project::MenuItemSlots; ++slot) {
            const auto s = static_cast<std::size_t>(slot);
            if (menu.itemName[s].isEmpty()) {
                continue;  // an item without a name is absent; the others close up
            }
            const int shownNumber = result.stopCount() + 1;
            result.stopRows.push_back(static_cast<int>(result.rows.size()));
            result.stopTargets.push_back(menu.itemNext[s]);
            result.rows.push_back({shownText(std::to_string(shownNumber) + ". " + menu.itemName[s].str())});
        }
        break;
    }
    case PreviewScreenKind::Form: {
        const FormDef& form = project.form(m_place.number);
        result.hasTitle = true;
        bool isContinuing = false;  // the line above takes input that extension lines carry on
        for (int slot = 0; slot < project::EditorLines; ++slot) {
            const auto s = static_cast<std::size_t>(slot);
            const int type = form.lineType[s];
            PreviewRow row;
            if (hasPrompt(type)) {
                row.text = shownText(form.prompt[s].view());
            }
            if (hasInputArea(form, slot)) {
                addInputArea(row, form, slot, type == Msqi ? 0 : static_cast<int>(row.text.size()));
            } else if (type == Extension && isContinuing) {
                addInputArea(row, form, slot, 0);
            }
            if (isInputLine(form, slot)) {
                result.stopRows.push_back(slot);
            }
            isContinuing = isContinued(type) || (type == Extension && isContinuing);
            result.rows.push_back(std::move(row));
        }
        // The screen ends with the last line that is not "nil".
        while (!result.rows.empty() && form.lineType[result.rows.size() - 1] == Nil) {
            result.rows.pop_back();
        }
        break;
    }
    case PreviewScreenKind::NoTarget:
        result.rows.resize(2);
        break;
    }
    return result;
}

void TerminalPreview::restart(const Project& project)
{
    switch (project.device.startFrom) {
    case 0:
        enter(project, {PreviewScreenKind::Form, 1});
        break;
    case 1:
        enter(project, {PreviewScreenKind::Menu, 1});
        break;
    default:
        // A start byte the settings list does not offer: shown as such, and its keys stay here.
        m_place = {PreviewScreenKind::NoTarget, project.device.startFrom};
        m_cameFrom = m_place;
        m_stop = 0;
        m_firstRow = 0;
        break;
    }
}

void TerminalPreview::enter(const Project& project, Place place)
{
    m_place = place;
    m_stop = 0;
    m_firstRow = 0;
    choose(layout(project), 0);
}

void TerminalPreview::follow(const Project& project, int targetCode)
{
    if (targetCode == MainTarget) {
        restart(project);
    } else if (targetCode <= LastFormTarget) {
        enter(project, {PreviewScreenKind::Form, targetCode});
    } else if (targetCode <= LastMenuTarget) {
        enter(project, {PreviewScreenKind::Menu, targetCode - LastFormTarget});
    } else {
        m_cameFrom = m_place;
        m_place = {PreviewScreenKind::NoTarget, targetCode};
        m_stop = 0;
        m_firstRow = 0;
    }
}

// Moves the cursor to a stop and scrolls so that its line is on the screen.
void TerminalPreview::choose(const Layout& layout, int stop)
{
    if (layout.stopRows.empty()) {
        m_stop = 0;
        scrollBy(layout, 0);
        return;
    }
    m_stop = std::clamp(stop, 0, layout.stopCount() - 1);
    const int row = layout.stopRows[static_cast<std::size_t>(m_stop)];
    if (row < m_firstRow) {
        m_firstRow = row;
    } else if (row >= m_firstRow + layout.visibleRows()) {
        m_firstRow = row - layout.visibleRows() + 1;
    }
    scrollBy(layout, 0);
}

void TerminalPreview::scrollBy(const Layout& layout, int rows)
{
    const int lastFirstRow = std::max(0, static_cast<int>(layout.rows.size()) - layout.visibleRows());
    m_firstRow = std::clamp(m_firstRow + rows, 0, lastFirstRow);
}

void TerminalPreview::press(const Project& project, PreviewKey key)
{
    const Layout current = layout(project);
    // The project may have changed under a stop that no longer exists.
    m_stop = std::clamp(m_stop, 0, std::max(0, current.stopCount() - 1));
    switch (m_place.kind) {
    case PreviewScreenKind::Menu:
        pressOnMenu(project, current, key);
        break;
    case PreviewScreenKind::Form:
        pressOnForm(project, current, key);
        break;
    case PreviewScreenKind::NoTarget:
        if (key == PreviewKey::Escape || key == PreviewKey::Enter) {
            m_cameFrom.kind == PreviewScreenKind::NoTarget ? restart(project) : enter(project, m_cameFrom);
        }
        break;
    }
}

void TerminalPreview::pressOnMenu(const Project& project, const Layout& current, PreviewKey key)
{
    const MenuDef& menu = project.menu(m_place.number);
    switch (key) {
    case PreviewKey::Escape:
        follow(project, menu.escTarget);
        return;
    case PreviewKey::Enter:
        if (current.stopCount() > 0) {
            follow(project, current.stopTargets[static_cast<std::size_t>(m_stop)]);
        }
        return;
    case PreviewKey::Up:
    case PreviewKey::Left:
        choose(current, m_stop - 1);
        return;
    case PreviewKey::Down:
    case PreviewKey::Right:
        choose(current, m_stop + 1);
        return;
    default:
        break;
    }
    // Digit n chooses item n, 0 the tenth; a digit beyond the items does nothing.
    const int digit = static_cast<int>(key) - static_cast<int>(PreviewKey::Digit0);
    const int item = digit == 0 ? 10 : digit;
    if (item <= current.stopCount()) {
        choose(current, item - 1);
    }
}

void TerminalPreview::pressOnForm(const Project& project, const Layout& current, PreviewKey key)
{
    const FormDef& form = project.form(m_place.number);
    const bool hasInputLines = current.stopCount() > 0;
    switch (key) {
    case PreviewKey::Escape:
        follow(project, form.escTarget);
        return;
    case PreviewKey::Enter:
        // ENT finishes the line; after the last input line the record is done and the form
        // leads on.
        if (!hasInputLines || m_stop == current.stopCount() - 1) {
            follow(project, form.nextTarget);
        } else {
            choose(current, m_stop + 1);
        }
        return;
    case PreviewKey::Up:
        hasInputLines ? choose(current, m_stop - 1) : scrollBy(current, -1);
        return;
    case PreviewKey::Down:
        hasInputLines ? choose(current, m_stop + 1) : scrollBy(current, 1);
        return;
    default:
        return;  // the preview takes no input: digits and the side arrows do nothing
    }
}

PreviewScreen TerminalPreview::screen(const Project& project, const texts::TextSource& texts) const
{
    const Layout current = layout(project);
    PreviewScreen shown;
    shown.kind = m_place.kind;
    shown.number = m_place.number;
    std::vector<PreviewRow> rows = current.rows;
    switch (m_place.kind) {
    case PreviewScreenKind::Menu: {
        shown.name = numbered(texts, MenuPrefix, m_place.number);
        const MenuDef& menu = project.menu(m_place.number);
        if (current.hasTitle) {
            shown.title = shownText(menu.caption.view());
        }
        break;
    }
    case PreviewScreenKind::Form: {
        shown.name = numbered(texts, FormPrefix, m_place.number);
        const FormDef& form = project.form(m_place.number);
        const bool hasName = form.exportNameOn != 0 && !form.exportName.isEmpty();
        const std::string number = (m_place.number < 10 ? "0" : "") + std::to_string(m_place.number);
        shown.title = shownText(hasName ? form.exportName.str() : texts.text(FormNamePrefix) + number);
        break;
    }
    case PreviewScreenKind::NoTarget:
        // Named after the screen whose key led here, with the code that has no target.
        if (m_cameFrom.kind != PreviewScreenKind::NoTarget) {
            shown.name = numbered(texts, m_cameFrom.kind == PreviewScreenKind::Menu ? MenuPrefix : FormPrefix,
                                  m_cameFrom.number);
        }
        rows.front().text = shownText(texts.text(NoTargetText));
        rows.back().text = std::to_string(m_place.number);
        break;
    }
    if (!current.stopRows.empty()) {
        const int stop = std::clamp(m_stop, 0, current.stopCount() - 1);
        rows[static_cast<std::size_t>(current.stopRows[static_cast<std::size_t>(stop)])].isCurrent = true;
    }
    const int total = static_cast<int>(rows.size());
    const int first = std::clamp(m_firstRow, 0, std::max(0, total - current.visibleRows()));
    const int end = std::min(total, first + current.visibleRows());
    shown.rows.assign(rows.begin() + first, rows.begin() + end);
    shown.hasRowsAbove = first > 0;
    shown.hasRowsBelow = end < total;
    return shown;
}

}  // namespace editor::shell
