// SPDX-License-Identifier: MIT
#include "app/property_sheet_screenshots.h"

#include <QTabWidget>

#include <memory>

#include "app/property_sheet_dialog.h"
#include "app/qt_host.h"
#include "editor/shell/editor_session.h"
#include "project/defaults.h"
#include "texts/runtime_texts.h"
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

} // namespace

bool saveSheetScreenshots(const QString& directory)
{
    const texts::BuiltinTextSource texts;
    auto project = std::make_unique<project::Project>(project::zeroProject());
    texts::fillAllTables(*project, texts);
    project::resetProject(*project, texts, project::Model::Q720CE);
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
    return isSaved;
}

} // namespace app
