// SPDX-License-Identifier: MIT
#include "app/tools/property_sheet_screenshots.h"

#include <QTabWidget>

#include <memory>

#include "app/property_sheet_dialog.h"
#include "app/qt_host.h"
#include "editor/shell/editor_session.h"
#include "project/document_io.h"
#include "texts/text_source.h"

namespace app {
namespace {

// A stock-taking menu as a user would lay it out.
void fillSampleMenu(project::MenuDef& menu)
{
    menu.captionOn = 1;
    menu.caption.assign("Stock taking");
    const char* names[] = {"Receive goods", "Count shelf", "", "Ship order", "Settings"};
    const project::Byte targets[] = {1, 2, 0, 3, 22};
    for (std::size_t item = 0; item < std::size(names); ++item) {
        menu.itemName[item].assign(names[item]);
        menu.itemNext[item] = targets[item];
    }
    menu.escTarget = 0;
    menu.saveSelectedItem = 1;
}

// An article lookup file and a form that reads it: scan the article, look up its name and
// price, count the quantity.
void fillSampleLookupForm(project::Project& project)
{
    project::LookupDef& articles = project.lookup(1);
    articles.numFields = 3;
    const char* fields[] = {"Article", "Name", "Price"};
    const project::Byte lengths[] = {13, 30, 8};
    for (std::size_t field = 0; field < std::size(fields); ++field) {
        articles.fieldName[field].assign(fields[field]);
        articles.fieldLength[field] = lengths[field];
    }
    project::FormDef& form = project.form(1);
    form.lookupFile = 1;
    form.indexLine = 1;
    const project::LineType types[] = {project::LineType::Text, project::LineType::Lookup,
                                       project::LineType::Lookup, project::LineType::Integer};
    const char* prompts[] = {"Article :", "Name :", "Price :", "Quantity :"};
    const project::Byte links[] = {1, 2, 3, 0};
    for (std::size_t line = 0; line < std::size(types); ++line) {
        form.lineType[line] = static_cast<project::Byte>(types[line]);
        form.prompt[line].assign(prompts[line]);
        form.lookupLink[line] = links[line];
    }
    form.maxLength[0] = 13;
    form.maxLength[3] = 6;
}

bool saveFormSheet(project::Project& project, const texts::TextSource& texts, const QString& path)
{
    bool isModified = false;
    QtHost host(texts);
    const editor::EditorSession session{project, isModified, texts, ui::LanguageState::BuiltinOnly,
                                        project::Model::Q720CE, host, "/home/ann/stock/count.Q72"};
    PropertySheetDialog sheet(session);
    sheet.adjustSize();
    const bool isSaved = sheet.grab().save(path);
    sheet.reject();
    return isSaved;
}

} // namespace

bool saveSheetScreenshots(const QString& directory)
{
    const texts::BuiltinTextSource texts;
    auto project = project::startedProject(texts, project::Model::Q720CE);
    fillSampleMenu(project->menu(1));
    bool isModified = false;
    QtHost host(texts);
    const editor::EditorSession session{*project,
                                        isModified,
                                        texts,
                                        ui::LanguageState::BuiltinOnly,
                                        project::Model::Q720CE,
                                        host,
                                        "/home/ann/stock/count.Q72"};
    PropertySheetDialog sheet(session);
    sheet.adjustSize();
    bool isSaved = sheet.grab().save(directory + QStringLiteral("/sheet.png"));
    sheet.tabs().setCurrentIndex(static_cast<int>(editor::SheetPage::Menu));
    sheet.adjustSize();
    isSaved = sheet.grab().save(directory + QStringLiteral("/menu_page.png")) && isSaved;
    sheet.reject();

    auto lookupProject = std::make_unique<project::Project>(*project);
    fillSampleLookupForm(*lookupProject);
    isSaved = saveFormSheet(*lookupProject, texts, directory + QStringLiteral("/form_lookup.png")) && isSaved;

    // The same form in MSQI mode: the page arranges lines 1 and 2 when it shows the form.
    lookupProject->form(1).msqiEnabled = 1;
    isSaved = saveFormSheet(*lookupProject, texts, directory + QStringLiteral("/form_msqi.png")) && isSaved;
    return isSaved;
}

} // namespace app
