// SPDX-License-Identifier: MIT
#include "app/tools/property_sheet_screenshots.h"

#include <QTabWidget>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <optional>

#include "app/property_sheet_dialog.h"
#include "app/qt_host.h"
#include "editor/shell/editor_session.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "project/file_format.h"
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
    const project::LineType types[] = {project::LineType::Text, project::LineType::Lookup, project::LineType::Lookup,
                                       project::LineType::Integer};
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

// The article file as its Lookup page shows it: comma-delimited, keyed by the article number,
// exported automatically.
void fillSampleLookupFile(project::LookupDef& articles)
{
    const char* fields[] = {"Article", "Name", "Price", "Stock", "Shelf"};
    const project::Byte types[] = {0, 0, 2, 1, 3};
    const project::Byte lengths[] = {13, 30, 8, 6, 1};
    articles.numFields = static_cast<project::Byte>(std::size(fields));
    for (std::size_t field = 0; field < std::size(fields); ++field) {
        articles.fieldName[field].assign(fields[field]);
        articles.fieldType[field] = types[field];
        articles.fieldLength[field] = lengths[field];
    }
    articles.delimiter = ',';
    articles.exportName.assign("ARTICLES");
    articles.noMatchAction = 1;
    articles.badFormatAction = 2;
    articles.autoExport = 1;
    articles.exportMode = 1;
}

// Settings of a shop that exports semicolon-separated records and protects its settings.
void fillSampleSettings(project::Project& project)
{
    project::DeviceSettings& d = project.device;
    d.delimiter1 = ';';
    d.delimiter2 = '|';
    d.autoPreload = 1;
    d.autoRun = 1;
    d.password.assign("Shop42");
    d.protectSettings = 1;
    d.protectAutoPreload = 1;
    d.protectDeleteData = 1;
    project.reader[project::ReaderByte::ImageCaptureOn] = 1;
    project.transaction.oneDataFile = 1;
}

// The project as the designer holds it after opening `file`; nothing when it cannot be read.
std::unique_ptr<project::Project> openedProject(const std::filesystem::path& file, const texts::TextSource& texts)
{
    auto project = project::startedProject(texts, project::Model::Q720CE);
    const project::FileReadResult read = project::readFilePrefix(file, project::CurrentFileBytes);
    if (!read.ok || !project::loadProject(read.bytes, *project, {texts, project::Model::Q720CE}).ok) {
        return nullptr;
    }
    return project;
}

// One picture of the property sheet: the page to show (none: the page it opens on) and the file.
struct SheetShot
{
    std::optional<editor::SheetPage> page;
    QString file;
};

// Opens the property sheet on `project` and saves the shots in order; true when all were saved.
bool saveSheetShots(project::Project& project, const texts::TextSource& texts, std::initializer_list<SheetShot> shots)
{
    bool isModified = false;
    QtHost host(texts);
    const editor::shell::EditorSession session{project,
                                               isModified,
                                               texts,
                                               ui::LanguageState::BuiltinOnly,
                                               project::Model::Q720CE,
                                               host,
                                               "/home/ann/stock/count.Q72"};
    PropertySheetDialog sheet(session);
    bool isSaved = true;
    for (const SheetShot& shot : shots) {
        if (shot.page) {
            sheet.tabs().setCurrentIndex(static_cast<int>(*shot.page));
        }
        sheet.adjustSize();
        isSaved = sheet.grab().save(shot.file) && isSaved;
    }
    sheet.reject();
    return isSaved;
}

// The Barcode page of one reader type (block 5 byte 2), on a copy of the project.
bool saveBarcodeSheet(const project::Project& shown, project::Byte readerType, const texts::TextSource& texts,
                      const QString& path)
{
    auto project = std::make_unique<project::Project>(shown);
    project->device.readerType = readerType;
    return saveSheetShots(*project, texts, {{editor::SheetPage::Barcode, path}});
}

}  // namespace

bool saveSheetScreenshots(const QString& directory, const std::filesystem::path& projectFile)
{
    const texts::BuiltinTextSource texts;
    const bool isSample = projectFile.empty();
    auto project =
        isSample ? project::startedProject(texts, project::Model::Q720CE) : openedProject(projectFile, texts);
    if (!project) {
        std::fprintf(stderr, "%s: cannot open the project\n", projectFile.string().c_str());
        return false;
    }
    if (isSample) {
        fillSampleMenu(project->menu(1));
        fillSampleSettings(*project);
    }
    bool isSaved = saveSheetShots(*project, texts,
                                  {{std::nullopt, directory + QStringLiteral("/sheet.png")},
                                   {editor::SheetPage::Menu, directory + QStringLiteral("/menu_page.png")},
                                   {editor::SheetPage::Settings, directory + QStringLiteral("/settings_page.png")}});

    // The three readers; the 2D reader together with the RFID reader.
    isSaved = saveBarcodeSheet(*project, 1, texts, directory + QStringLiteral("/barcode_page_laser.png")) && isSaved;
    isSaved =
        saveBarcodeSheet(*project, 2, texts, directory + QStringLiteral("/barcode_page_long_range.png")) && isSaved;
    isSaved = saveBarcodeSheet(*project, 13, texts, directory + QStringLiteral("/barcode_page_2d.png")) && isSaved;

    auto lookupProject = std::make_unique<project::Project>(*project);
    if (isSample) {
        fillSampleLookupForm(*lookupProject);
    }
    isSaved = saveSheetShots(*lookupProject, texts, {{std::nullopt, directory + QStringLiteral("/form_lookup.png")}}) &&
              isSaved;

    // The same form in MSQI mode: the page arranges lines 1 and 2 when it shows the form.
    lookupProject->form(1).msqiEnabled = 1;
    isSaved = saveSheetShots(*lookupProject, texts, {{std::nullopt, directory + QStringLiteral("/form_msqi.png")}}) &&
              isSaved;

    if (isSample) {
        fillSampleLookupFile(lookupProject->lookup(1));
    }
    isSaved = saveSheetShots(*lookupProject, texts,
                             {{editor::SheetPage::Lookup, directory + QStringLiteral("/lookup_page.png")}}) &&
              isSaved;
    return isSaved;
}

}  // namespace app
