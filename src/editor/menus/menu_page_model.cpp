// SPDX-License-Identifier: MIT
#include "editor/menus/menu_page_model.h"

#include <array>

#include "editor/target_list.h"
#include "resources/menu_templates.h"

namespace editor {
namespace {

using resources::MenuId;
using texts::sid;

constexpr int NameChars = 30;

constexpr ui::TextReplacement captionEntries[] = {
    {MenuId::IdLabel, sid(241), 2},
    {MenuId::DataGroup, sid(243)},
    {MenuId::CaptionCheck, sid(244), 3},
    {MenuId::ItemsGroup, sid(247)},
    {MenuId::NameHeader, sid(248), 2},
    {MenuId::ResetButton, sid(250)},
};

std::size_t slot(int item)
{
    return static_cast<std::size_t>(item - 1);
}

} // namespace

MenuPageModel::MenuPageModel(project::Project& project, const texts::TextSource& texts, ui::LanguageState language)
    : m_project(project), m_texts(texts), m_language(language)
{
}

void MenuPageModel::onInit()
{
    m_shownMenu = 0;
    m_workingCopy = m_project.menus;
    ui::replaceCaptionTexts(controls(), m_texts, m_language, {std::nullopt, captionEntries});
    fillLists();
    controls().setTextLimit(MenuId::CaptionEdit, NameChars);
    for (int item = 1; item <= resources::MenuPageItems; ++item) {
        controls().setTextLimit(resources::itemNameEdit(item), NameChars);
    }
    display();
}

void MenuPageModel::fillLists()
{
    controls().setItems(MenuId::MenuList, menuListEntries(m_texts));
    const std::vector<std::string> targets = targetListEntries(m_texts);
    controls().setItems(MenuId::EscList, targets);
    for (int item = 1; item <= resources::MenuPageItems; ++item) {
        controls().setItems(resources::itemNextList(item), targets);
    }
}

void MenuPageModel::display()
{
    const project::MenuDef& menu = shown();
    ui::Controls& c = controls();
    c.setSelection(MenuId::MenuList, m_shownMenu);
    c.setSelection(MenuId::EscList, menu.escTarget);
    c.setChecked(MenuId::CaptionCheck, menu.captionOn == 1);
    c.setText(MenuId::CaptionEdit, menu.caption.view());
    c.setEnabled(MenuId::CaptionEdit, menu.captionOn == 1);
    for (int item = 1; item <= resources::MenuPageItems; ++item) {
        c.setSelection(resources::itemNextList(item), menu.itemNext[slot(item)]);
        c.setText(resources::itemNameEdit(item), menu.itemName[slot(item)].view());
    }
    c.setChecked(MenuId::SaveCaptionCheck, menu.saveCaption == 1);
    c.setChecked(MenuId::SaveSelectedItemCheck, menu.saveSelectedItem == 1);
}

void MenuPageModel::onClick(ui::ControlId id)
{
    project::MenuDef& menu = shown();
    if (id == MenuId::CaptionCheck) {
        menu.captionOn = toggleCheck(id) ? 1 : 0;
        controls().setEnabled(MenuId::CaptionEdit, menu.captionOn == 1);
    } else if (id == MenuId::SaveCaptionCheck) {
        menu.saveCaption = toggleCheck(id) ? 1 : 0;
    } else if (id == MenuId::SaveSelectedItemCheck) {
        menu.saveSelectedItem = toggleCheck(id) ? 1 : 0;
    } else if (id == MenuId::ResetButton) {
        resetShownMenu(menu);
        display();
    }
}

void MenuPageModel::onSelectionChange(ui::ControlId id)
{
    const int selection = controls().selection(id);
    if (id == MenuId::MenuList) {
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
    if (id == MenuId::EscList) {
        shown().escTarget = code;
    } else if (const int item = resources::ItemNextLists.indexOf(id) + 1; item != 0) {
        shown().itemNext[slot(item)] = code;
    }
}

void MenuPageModel::onTextChange(ui::ControlId id)
{
    const std::string& text = controls().text(id);
    if (id == MenuId::CaptionEdit) {
        shown().caption.assign(text);
    } else if (const int item = resources::ItemNameEdits.indexOf(id) + 1; item != 0) {
        setItemName(shown(), item, text);
    }
}

bool MenuPageModel::onApply()
{
    commitMenus(m_workingCopy, m_project);
    return true;
}

void MenuPageModel::onCancel()
{
    m_workingCopy = m_project.menus;
}

} // namespace editor
