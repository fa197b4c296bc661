// SPDX-License-Identifier: MIT
// The Lookup page of the property sheet: edits a working copy of the five lookup files of
// block 3 and copies it back on the sheet's OK. It never sets the modified flag.
//
// The Form page links lines to lookup fields, so it must see the field counts, key fields and
// lengths the user is editing here before OK: the page publishes a copy of its working copy
// when it is created, whenever another page is shown after it, and on OK.
#pragma once

#include <functional>

#include "editor/lookups/lookup_working_copy.h"
#include "ui/dialog_model.h"
#include "ui/localisation.h"

namespace texts {
class TextSource;
}

namespace editor::lookups {

class LookupPage final : public ui::DialogModel
{
public:
    // Receives each published copy (the sheet hands it to the Form page).
    using PublishCallback = std::function<void(const LookupSet& published)>;

    LookupPage(project::Project& project, const texts::TextSource& texts, ui::LanguageState language,
               PublishCallback publish = {});

    [[nodiscard]] const LookupSet& workingCopy() const { return m_workingCopy; }
    [[nodiscard]] const LookupSet& published() const { return m_published; }
    // The lookup file on display, 0 to 4.
    [[nodiscard]] int shownFile() const { return m_shownFile; }

protected:
    void onInit() override;
    void onClick(ui::ControlId id) override;
    void onSelectionChange(ui::ControlId id) override;
    void onTextChange(ui::ControlId id) override;
    void onEditingFinished(ui::ControlId id) override;
    bool onKillActive() override;
    bool onApply() override;
    void onCancel() override;

private:
    [[nodiscard]] project::LookupDef& shown() { return m_workingCopy[static_cast<std::size_t>(m_shownFile)]; }
    void fillLists();
    void display();
    // "Max length" heads the length column of a delimited file, "Length" otherwise.
    void showLengthHeader(bool isDelimited);
    void enableFieldRows();
    void showSaveMode();
    void chooseFieldCount(int count);
    void chooseRecordFormat(int index);
    void publish();

    project::Project& m_project;
    const texts::TextSource& m_texts;
    ui::LanguageState m_language;
    PublishCallback m_publish;
    LookupSet m_workingCopy{};
    LookupSet m_published{};
    int m_shownFile = 0;
};

}  // namespace editor::lookups
