// SPDX-License-Identifier: MIT
#include "editor/property_sheet_model.h"

#include "editor/pending_page.h"
#include "editor/reader/barcode_page.h"
#include "editor/settings/settings_page.h"
#include "editor/sheet_caption.h"
#include "editor/shell/editor_session.h"
#include "texts/text_source.h"
#include "ui/dialog_model.h"

namespace editor {

PropertySheetModel::PropertySheetModel(project::Project& project, const texts::TextSource& texts,
                                       ui::LanguageState language, project::Model model, bool& isModified,
                                       std::string_view currentFilePath, ui::Host& host,
                                       std::span<const PageEntry> pages, PageOpener opener)
    : m_context{project, texts, language, model, isModified, this}, m_host(host), m_opener(std::move(opener)),
      m_caption(sheetCaption(texts, model, currentFilePath)), m_entries(pages.begin(), pages.end()),
      m_pages(pages.size())
{
    if (!m_pages.empty()) {
        create(0);
        m_pages[0].model->setActive();
    }
}

PropertySheetModel::PropertySheetModel(const shell::EditorSession& session, PageOpener opener)
    : PropertySheetModel(session.project, session.texts, session.language, session.model, session.isModified,
                         session.currentFile, session.host, sheetPages(), std::move(opener))
{
}

PropertySheetModel::~PropertySheetModel() = default;

std::string PropertySheetModel::okText() const { return m_context.texts.text(texts::sid(51)); }

std::string PropertySheetModel::cancelText() const { return m_context.texts.text(texts::sid(52)); }

std::string PropertySheetModel::pageTitle(int index) const
{
    return isValid(index) ? m_context.texts.text(m_entries[static_cast<std::size_t>(index)].title) : std::string();
}

bool PropertySheetModel::isCreated(int index) const
{
    return isValid(index) && m_pages[static_cast<std::size_t>(index)].model != nullptr;
}

void PropertySheetModel::create(int index)
{
    CreatedPage& page = m_pages[static_cast<std::size_t>(index)];
    const PageEntry& entry = m_entries[static_cast<std::size_t>(index)];
    page = entry.create != nullptr ? entry.create(m_context) : createPendingPage();
    if (page.model == nullptr || page.dialog == nullptr) {
        page = createPendingPage();
    }
    if (m_opener) {
        m_opener(index, *page.dialog, *page.model);
    } else {
        page.model->open(*page.dialog, m_host);
    }
}

bool PropertySheetModel::showPage(int index)
{
    if (!isValid(index)) {
        return false;
    }
    if (index == m_current) {
        return true;
    }
    if (ui::DialogModel* left = pageModel(m_current); left != nullptr && !left->killActive()) {
        return false;
    }
    m_current = index;
    if (!isCreated(index)) {
        create(index);
    }
    pageModel(index)->setActive();
    return true;
}

const ui::DialogTemplate* PropertySheetModel::pageTemplate(int index) const
{
    return isCreated(index) ? m_pages[static_cast<std::size_t>(index)].dialog : nullptr;
}

ui::DialogModel* PropertySheetModel::pageModel(int index) const
{
    return isCreated(index) ? m_pages[static_cast<std::size_t>(index)].model.get() : nullptr;
}

settings::SettingsPage* PropertySheetModel::settingsPage() const
{
    return dynamic_cast<settings::SettingsPage*>(pageModel(SheetPage::Settings));
}

reader::BarcodePage* PropertySheetModel::barcodePage() const
{
    return dynamic_cast<reader::BarcodePage*>(pageModel(SheetPage::Barcode));
}

bool PropertySheetModel::ok()
{
    if (ui::DialogModel* shown = pageModel(m_current); shown != nullptr && !shown->killActive()) {
        return false;
    }
    for (int index = 0; index < pageCount(); ++index) {
        ui::DialogModel* page = pageModel(index);
        if (page != nullptr && !page->apply()) {
            m_current = index;
            page->setActive();
            return false;
        }
    }
    return true;
}

void PropertySheetModel::cancel()
{
    for (int index = 0; index < pageCount(); ++index) {
        if (ui::DialogModel* page = pageModel(index)) {
            page->cancelPage();
        }
    }
}

} // namespace editor
