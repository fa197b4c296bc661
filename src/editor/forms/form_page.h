// SPDX-License-Identifier: MIT
// The Form page of the property sheet: one form at a time as the form lists and a grid of 12
// lines, edited in a working copy of all 20 forms that goes back into block 2 on OK.
#pragma once

#include <string>
#include <vector>

#include "editor/forms/form_working_copy.h"
#include "project/project.h"
#include "ui/dialog_model.h"
#include "ui/localisation.h"

namespace texts {
class TextSource;
}

namespace editor::forms {

class FormPage final : public ui::DialogModel
{
public:
    // `isModified` is the document's modified flag, which the page sets when OK commits.
    FormPage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language, bool& isModified);

    // The Barcode page switched the RFID reader (block 5 byte 2 already holds the new type):
    // lines may no longer read from a reader that is gone, and the input-source lists follow.
    void readerSwitched();

    // The Lookup page published its working copy: links and lookup lengths follow it from now
    // on. Until it does, the page reads the lookup files of block 3 as the sheet opened them.
    void lookupsPublished(const LookupSet& lookups);
    [[nodiscard]] const LookupSet& lookupFiles() const { return m_lookupFiles; }

    // The form properties dialog closed with OK: MSQI mode may have changed.
    void formPropertiesClosed();

    // What the property dialogs work on.
    [[nodiscard]] int currentForm() const { return m_currentForm; } // 0 to 19
    [[nodiscard]] int currentLine() const { return m_currentLine; } // 0 to 11
    [[nodiscard]] FormWorkingCopy& workingCopy() { return m_working; }
    [[nodiscard]] const FormWorkingCopy& workingCopy() const { return m_working; }

protected:
    void onInit() override;
    void onClick(ui::ControlId id) override;
    void onSelectionChange(ui::ControlId id) override;
    void onTextChange(ui::ControlId id) override;
    // A length box corrected when editing finished stores its final value.
    void onEditingFinished(ui::ControlId id) override { onTextChange(id); }
    void onSetActive() override;
    bool onApply() override;

private:
    enum class LowerTypeLists { AllTypes, NilOrLookup };

    [[nodiscard]] project::FormDef& form();
    [[nodiscard]] const project::FormDef& form() const;
    [[nodiscard]] bool hasLookupFile() const;
    [[nodiscard]] bool isMsqiForm() const;
    [[nodiscard]] bool isRfidOn() const;

    void fillLists();
    [[nodiscard]] std::vector<std::string> allTypeEntries() const;
    void fillInputSourceLists();
    void showForm();
    void showFormLists();
    void showLine(int line);
    void applyRules();
    void applyMsqiOn();
    void applyMsqiOff();
    void rebuildLinkList(int line);
    void applyLineEnabling(int line);
    void enableRecordDependants();
    void selectType(int line);

    void onTypeChosen(int line);
    void onLookupChosen();
    void onLengthTyped(ui::ControlId id, int line, project::LineBytes& lengths);
    void resetCurrentForm();

    project::Project& m_project;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
    bool& m_isModified;
    LookupSet m_lookupFiles;

    FormWorkingCopy m_working{};
    int m_currentForm = 0;
    int m_currentLine = 0;
    bool m_typeListsHoldMsqi = false; // lines 1 and 2 offer "MSQI" as a 17th type
    LowerTypeLists m_lowerTypeLists = LowerTypeLists::AllTypes;
};

} // namespace editor::forms
