// SPDX-License-Identifier: MIT
// The Menu page of the property sheet: edits a working copy of all ten menus of block 1 and
// copies it back on the sheet's OK. It never sets the modified flag.
#pragma once

#include "editor/menus/menu_working_copy.h"
#include "ui/dialog_model.h"
#include "ui/localisation.h"

namespace texts {
class TextSource;
}

namespace editor::menus {

class MenuPage final : public ui::DialogModel
{
public:
    MenuPage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language);

    [[nodiscard]] const MenuWorkingCopy& workingCopy() const { return m_workingCopy; }
    // The menu on display, 0 to 9.
    [[nodiscard]] int shownMenu() const { return m_shownMenu; }

protected:
    void onInit() override;
    void onClick(ui::ControlId id) override;
    void onSelectionChange(ui::ControlId id) override;
    void onTextChange(ui::ControlId id) override;
    bool onApply() override;
    void onCancel() override;

private:
    [[nodiscard]] project::MenuDef& shown() { return m_workingCopy[static_cast<std::size_t>(m_shownMenu)]; }
    void fillLists();
    void display();

    project::Project& m_project;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
    MenuWorkingCopy m_workingCopy{};
    int m_shownMenu = 0;
};

}  // namespace editor::menus
