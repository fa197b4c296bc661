// SPDX-License-Identifier: MIT
#include "editor/menus/menu_page.h"

#include <array>

#include "editor/target_list.h"
#include "resources/menu_templates.h"

namespace editor::menus {
namespace {

using resources::MenuPageId;
using texts::sid;

constexpr int NameChars = 30;

constexpr ui::TextReplacement captionEntries[] = {
    {MenuPageId::IdLabel, sid(241), 2}, {MenuPageId::DataGroup, sid(243)},     {MenuPageId::CaptionCheck, sid(244), 3},
    {MenuPageId::ItemsGroup, sid(247)}, {MenuPageId::NameHeader, sid(248), 2}, {MenuPageId::ResetButton, sid(250)},
};

std::size_t itemSlot(int item) { return static_cast<std::size_t>(item - 1); }

} // namespace

MenuPage::MenuPage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language)
    : m_project(project), m_texts(texts), m_language(language)
{
}

void MenuPage::onInit()
{
    m_shownMenu = 0;
    m_workingCopy = m_project.menus;
    ui::replaceCaptionTexts(controls(), m_texts, m_language, {std::nullopt, captionEntries});
    fillLists();
    controls().setTextLimit(MenuPageId::CaptionEdit, NameChars);
    for (int item = 1; item <= resources::MenuPageItems; ++item) {
        controls().setTextLimit(resources::itemNameEdit(item), NameChars);
    }
    display();
}

void MenuPage::fillLists()
{
    controls().setItems(MenuPageId::MenuList, menuListEntries(m_texts));
    const std::vector<std::string> targets = targetListEntries(m_texts);
    controls().setItems(MenuPageId::EscList, targets);
    for (int item = 1; item <= resources::MenuPageItems; ++item) {
        controls().setItems(resources::itemNextList(item), targets);
    }
}

void MenuPage::display()
{
    const project::MenuDef& menu = shown();
    ui::Controls& c = controls();
    c.setSelection(MenuPageId::MenuList, m_shownMenu);
    c.setSelection(MenuPageId::EscList, menu.escTarget);
    c.setChecked(MenuPageId::CaptionCheck, menu.captionOn == 1);
    c.setText(MenuPageId::CaptionEdit, menu.caption.view());
    c.setEnabled(MenuPageId::CaptionEdit, menu.captionOn == 1);
    for (int item = 1; item <= resources::MenuPageItems; ++item) {
        c.setSelection(resources::itemNextList(item), menu.itemNext[itemSlot(item)]);
        c.setText(resources::itemNameEdit(item), menu.itemName[itemSlot(item)].view());
    }
    c.setChecked(MenuPageId::SaveCaptionCheck, menu.saveCaption == 1);
    c.setChecked(MenuPageId::SaveSelectedItemCheck, menu.saveSelectedItem == 1);
}

void MenuPage::onClick(ui::ControlId id)
{
    project::MenuDef& menu = shown();
    if (id == MenuPageId::CaptionCheck) {
        menu.captionOn = toggleCheck(id) ? 1 : 0;
        controls().setEnabled(MenuPageId::CaptionEdit, menu.captionOn == 1);
    } else if (id == MenuPageId::SaveCaptionCheck) {
        menu.saveCaption = toggleCheck(id) ? 1 : 0;
    } else if (id == MenuPageId::SaveSelectedItemCheck) {
        menu.saveSelectedItem = toggleCheck(id) ? 1 : 0;
    } else if (id == MenuPageId::ResetButton) {
        resetShownMenu(menu);
        display();
    }
}

void MenuPage::onSelectionChange(ui::ControlId id)
{
    const int selection = controls().selection(id);
    if (id == MenuPageId::MenuList) {
        if (selection >= 0 && selection < project::MaxMenus) {
            m_shownMenu = selection;
        }
        display();
        return;
    }
    // A list without a selection keeps the stored target.
    if (selection < 0 || selection >= TargetEntryCount) {
        return;
    }
    const auto code = static_cast<project::Byte>(selection);
    if (id == MenuPageId::EscList) {
        shown().escTarget = code;
    } else if (const int item = resources::ItemNextLists.indexOf(id) + 1; item != 0) {
        shown().itemNext[itemSlot(item)] = code;
    }
}

void MenuPage::onTextChange(ui::ControlId id)
{
    const std::string& text = controls().text(id);
    if (id == MenuPageId::CaptionEdit) {
        shown().caption.assign(text);
    } else if (const int item = resources::ItemNameEdits.indexOf(id) + 1; item != 0) {
        setItemName(shown(), item, text);
    }
}

bool MenuPage::onApply()
{
    commitMenus(m_workingCopy, m_project);
    return true;
}

void MenuPage::onCancel() { m_workingCopy = m_project.menus; }

}  // namespace editor::menus
