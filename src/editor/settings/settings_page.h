// SPDX-License-Identifier: MIT
// The Settings page of the property sheet (SETTINGSDLG): edits a working copy of the system
// settings (block 5) and copies back only the bytes the page owns on the sheet's OK, so that
// what the Barcode page and the reader dialogs wrote meanwhile stays. Its Transaction File dialog
// and its Reset write block 61 directly. It never sets the modified flag.
#pragma once

#include "project/project.h"
#include "ui/dialog_model.h"
#include "ui/localisation.h"

namespace texts {
class TextSource;
}

namespace editor::settings {

class SettingsPage final : public ui::DialogModel
{
public:
    SettingsPage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language,
                 project::Model model);

    [[nodiscard]] const project::DeviceSettings& workingCopy() const { return m_workingCopy; }

    // The Barcode page switched image capture: "2D Image Capture" is offered only for the
    // Q720CE with image capture on; otherwise it is cleared in the working copy and disabled.
    void imageCaptureSwitched();

protected:
    void onInit() override;
    void onClick(ui::ControlId id) override;
    void onSelectionChange(ui::ControlId id) override;
    void onTextChange(ui::ControlId id) override;
    void onEditingFinished(ui::ControlId id) override;
    bool onApply() override;

private:
    void fillLists();
    void display();
    void enableDelimiterEdits();
    void enablePromptControls();
    void enableSettingsFunctionChecks();
    // Delimiter 0 or 1 of the working copy, and what its two edits do to it.
    [[nodiscard]] project::Byte& delimiter(int index);
    void delimiterCodeTyped(int index);
    void delimiterCharacterTyped(int index);
    void passwordTyped();
    void chooseStay(bool isStaying);
    void reset();

    project::Project& m_project;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
    project::Model m_model;
    project::DeviceSettings m_workingCopy{};
};

}  // namespace editor::settings
