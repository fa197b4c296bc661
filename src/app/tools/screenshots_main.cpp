// SPDX-License-Identifier: MIT
// Renders the designer's windows and dialogs offscreen into PNG files:
//     formwright-screenshots <directory> [--project FILE.Q72]
// With --project the property sheet pictures show that project instead of built-in samples.
// A new dialog is one more line in dialogShots(); registered parameter dialogs are rendered by themselves.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "app/dialog_screenshot.h"
#include "app/main_window.h"
#include "app/qt_host.h"
#include "app/terminal_panel.h"
#include "app/terminal_pictures.h"
#include "app/tools/property_sheet_screenshots.h"
#include "editor/dialog_registry.h"
#include "editor/forms/form_dialogs.h"
#include "editor/reader/coupon_code_note_dialog.h"
#include "editor/settings/character_grid_dialog.h"
#include "editor/settings/transaction_file_dialog.h"
#include "editor/shell/about_dialog.h"
#include "editor/shell/panel_layout.h"
#include "editor/shell/preferences_dialog.h"
#include "project/defaults.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "resources/form_templates.h"
#include "resources/reader_templates.h"
#include "resources/settings_templates.h"
#include "resources/shell_templates.h"
#include "texts/preferences.h"

namespace {

namespace fs = std::filesystem;

struct DialogShot
{
    const char* fileName;
    std::function<bool(const QString& path, ui::Host& host, const texts::TextSource& texts)> render;
};

// A dialog of the Form page on line 2 of form 3 of a new project, a line of `type` that `prepare`
// set up further.
DialogShot formDialogShot(const char* fileName, const editor::ParameterDialogSpec& (*spec)(), project::LineType type,
                          void (*prepare)(project::FormDef&))
{
    return {fileName, [=](const QString& path, ui::Host& host, const texts::TextSource& texts) {
                const std::unique_ptr<project::Project> project =
                    project::startedProject(texts, project::Model::Q720CE);
                project::FormDef& form = project->form(3);
                form.lineType[1] = static_cast<project::Byte>(type);
                prepare(form);
                bool showInputMark = false;
                editor::ParameterRecords records{};
                records.form = {reinterpret_cast<project::Byte*>(&form), sizeof form};
                records.line = 1;
                records.formNumber = 3;
                records.showInputMark = &showInputMark;
                editor::ParameterDialogModel model(spec(), records, texts, ui::LanguageState::BuiltinOnly);
                return app::saveDialogScreenshot(spec().dialogTemplate(), model, host, path);
            }};
}

std::vector<DialogShot> dialogShots()
{
    return {
        {"preferences.png",
         [](const QString& path, ui::Host& host, const texts::TextSource& texts) {
             texts::Preferences preferences;
             preferences.isAutoPreloadOn = true;
             editor::shell::PreferencesDialog model(preferences, {"Deutsch", "Nederlands"}, 2, texts,
                                                    ui::LanguageState::BuiltinOnly);
             return app::saveDialogScreenshot(resources::preferencesTemplate(), model, host, path);
         }},
        {"transaction_file.png",
         [](const QString& path, ui::Host& host, const texts::TextSource& texts) {
             project::TransactionFileSettings transaction{};
             project::resetTransactionFile(transaction, texts);
             transaction.exportName.assign("STOCK");
             transaction.autoExport = 1;
             transaction.saveMode = 1;
             editor::ParameterRecords records{};
             records.transaction = {reinterpret_cast<project::Byte*>(&transaction), sizeof transaction};
             editor::ParameterDialogModel model(editor::settings::transactionFileDialog(), records, texts,
                                                ui::LanguageState::BuiltinOnly);
             return app::saveDialogScreenshot(resources::transactionFileTemplate(), model, host, path);
         }},
        formDialogShot("advancedlg_integer.png", editor::forms::fieldPropertiesDialog, project::LineType::Real,
                       [](project::FormDef& f) {
                           f.fixedLengthOn[1] = 1;
                           f.fixedLength[1] = 12;
                           f.alignment[1] = 3;
                           f.initialValueOn[1] = 1;
                           f.initialValue[1].assign("0.0");
                           f.prefixOn[1] = 1;
                           f.prefix[1].assign("\x02\x0d");
                           f.decimalPlaces[1] = 2;
                           f.partialOn[1] = 1;
                           f.partialStart[1] = 3;
                           f.partialLength[1] = 8;
                           f.checkDigitMethod[1] = 2;
                       }),
        formDialogShot("imageadvancedlg_edited.png", editor::forms::imageFieldDialog, project::LineType::Image,
                       [](project::FormDef& f) {
                           f.imageEditPath[1] = 1;
                           f.imageSavePath[1] = 1;
                           f.initialValueOn[1] = 1;
                           f.initialValue[1].assign("\\PIC");
                           f.inputMark[1] = '_';
                       }),
        {"griddlg_composing.png",
         [](const QString& path, ui::Host& host, const texts::TextSource& texts) {
             const std::vector<project::Byte> codes = {27, 'P', '&', 13};
             editor::settings::CharacterGridDialog grid(codes, 10, texts, ui::LanguageState::BuiltinOnly);
             return app::saveDialogScreenshot(
                 resources::characterGridTemplate(), grid, host, path, 1.0, [](app::DialogView& view) {
                     view.send([](ui::DialogModel& model) {
                         dynamic_cast<editor::settings::CharacterGridDialog&>(model).clickCell(5, 2);
                     });
                 });
         }},
        {"about.png",
         [](const QString& path, ui::Host& host, const texts::TextSource&) {
             editor::shell::AboutDialog model;
             return app::saveDialogScreenshot(resources::aboutTemplate(), model, host, path);
         }},
    };
}

// Every parameter dialog on the reader and system settings of a new project, named after its
// template ("code39_2ddlg.png").
bool saveParameterDialogShots(const QString& directory, ui::Host& host, const texts::TextSource& texts)
{
    bool isComplete = true;
    for (const editor::RegisteredParameterDialog& entry : editor::allParameterDialogs()) {
        const std::unique_ptr<project::Project> project = project::startedProject(texts, project::Model::Q720CE);
        editor::ParameterDialogModel model(
            entry.spec,
            {project->reader.bytes,
             {reinterpret_cast<project::Byte*>(&project->device), sizeof(project::DeviceSettings)},
             {reinterpret_cast<project::Byte*>(&project->form(1)), sizeof(project::FormDef)},
             0,
             {},
             1},
            texts, ui::LanguageState::BuiltinOnly);
        const QString path = directory + QLatin1Char('/') +
                             QString::fromLatin1(entry.name.data(), entry.name.size()).toLower() +
                             QStringLiteral(".png");
        const bool isSaved = app::saveDialogScreenshot(entry.spec.dialogTemplate(), model, host, path);
        std::printf("%s %s\n", isSaved ? "wrote" : "FAILED", path.toLocal8Bit().constData());
        isComplete &= isSaved;
    }
    editor::reader::CouponCodeNoteDialog note(editor::reader::CouponNoteReason::PreambleAffectsCoupon, texts,
                                              ui::LanguageState::BuiltinOnly);
    const QString notePath = directory + QStringLiteral("/coupon_code_note.png");
    const bool isSaved = app::saveDialogScreenshot(resources::couponCodeNoteTemplate(), note, host, notePath);
    std::printf("%s %s\n", isSaved ? "wrote" : "FAILED", notePath.toLocal8Bit().constData());
    return isComplete && isSaved;
}

// The window as the desktop shows it: only what lies inside the outline.
QImage shapedWindow(QWidget& window)
{
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setClipRegion(window.mask());
    painter.drawPixmap(0, 0, window.grab());
    return image;
}

// The popup menu drawn beside the window at the menu key, as the user sees it.
QImage windowWithMenu(QWidget& window, QMenu& menu)
{
    menu.ensurePolished();
    menu.adjustSize();
    const QPixmap popup = menu.grab();
    QImage image(window.width() + popup.width() - 100, std::max(window.height(), 571 + popup.height()),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(0, 0, shapedWindow(window));
    painter.drawPixmap(158, 571 - popup.height() + 40, popup);
    return image;
}

bool save(const QImage& image, const QString& path)
{
    const bool isSaved = image.save(path);
    std::printf("%s %s\n", isSaved ? "wrote" : "FAILED", path.toLocal8Bit().constData());
    return isSaved;
}

// A busy project for the screen preview: a start menu with more items than the screen holds,
// texts of the code page, a form with every kind of line and a target outside the lists.
std::unique_ptr<project::Project> busyPreviewProject(const texts::TextSource& texts)
{
    auto p = project::startedProject(texts, project::Model::Q720CE);
    p->device.startFrom = 1;
    project::MenuDef& menu = p->menu(1);
    menu.captionOn = 1;
    menu.caption.assign("Lager M\xFCller & S\xF6hne");
    const char* const items[] = {
        "Wareneingang",          "Inventur",          "Warenausgang",     "Umlagerung",       "Retouren",
        "Preis\xE4nderung",      "Etiketten",         "Lieferscheine",    "Kommissionierung", "Nachschub",
        "Qualit\xE4tskontrolle", "Defekt (unbelegt)", "Export \x80 Kasse"};
    for (std::size_t i = 0; i < std::size(items); ++i) {
        menu.itemName[i].assign(items[i]);
        menu.itemNext[i] = static_cast<project::Byte>(i < 3 ? i + 1 : 2);
    }
    menu.itemNext[11] = 99;  // a target outside the lists
    project::FormDef& form = p->form(1);
    form.exportName.assign("WARENEINGANG");
    const struct
    {
        int type;
        const char* prompt;
        int maxLength;
        char mark;
    } lines[] = {
        {9, "Lieferung erfassen:", 0, 0},
        {1, "Artikel:", 13, '_'},
        {2, "Menge:", 6, '_'},
        {1, "Bemerkung:", 60, '.'},
        {12, "", 40, '.'},
        {12, "", 10, '.'},
        {7, "Bezeichnung", 30, 0},
        {14, "Lagerort:", 8, 0},
        {6,
         "Gepr\xFC"
         "ft (J/N):",
         1, '?'},
        {10, "Z\xE4hler", 0, 0},
        {8, "Filiale 0815", 12, 0},
        {13, "Weiter mit ENT", 0, 0},
    };
    for (std::size_t s = 0; s < std::size(lines); ++s) {
        form.lineType[s] = static_cast<project::Byte>(lines[s].type);
        form.prompt[s].assign(lines[s].prompt);
        form.maxLength[s] = static_cast<project::Byte>(lines[s].maxLength);
        form.inputMark[s] = static_cast<project::Byte>(lines[s].mark);
    }
    form.nextTarget = 21;
    form.escTarget = 21;
    return p;
}

// Clicks a painted key: down and up again.
void clickKey(QWidget& panel, int number)
{
    const editor::shell::PanelKey* key = editor::shell::findPanelKey(number);
    const QPointF at((key->left + key->right) / 2.0, (key->top + key->bottom) / 2.0);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, panel.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&panel, &event);
    }
}

// The busy project's menu scrolled down, its form on the third line and the "no target" screen.
bool saveScreenPreviewShots(const QString& directory, const fs::path& programDirectory)
{
    app::MainWindow window(
        [](const texts::TextSource& texts, QWidget* owner) { return std::make_unique<app::QtHost>(texts, owner); },
        programDirectory);
    window.setSheetRunner([](QWidget*, editor::shell::EditorSession&) {});
    window.startUp();
    const fs::path file = programDirectory / "busy.Q72";
    const std::unique_ptr<project::Project> busy = busyPreviewProject(window.designer().texts());
    if (!project::writeFileAtomically(file, project::saveProject(*busy, project::Model::Q720CE)).ok ||
        !window.designer().openFile(project::utf8Of(file))) {
        std::printf("FAILED to open the busy project\n");
        return false;
    }
    QWidget& panel = window.panel();
    for (int i = 0; i < 11; ++i) {
        clickKey(panel, 6);  // down to item 12
    }
    bool isComplete = save(shapedWindow(window), directory + QStringLiteral("/preview_menu.png"));
    clickKey(panel, 2);  // ENT on the item without a target
    isComplete &= save(shapedWindow(window), directory + QStringLiteral("/preview_no_target.png"));
    clickKey(panel, 1);   // back to the menu
    clickKey(panel, 11);  // item 1
    clickKey(panel, 2);   // its form
    clickKey(panel, 2);   // next input line
    clickKey(panel, 2);
    isComplete &= save(shapedWindow(window), directory + QStringLiteral("/preview_form.png"));
    return isComplete;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(app::programIconPixmap(32)));
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    fs::path projectFile;
    if (argc > 3 && std::string_view(argv[2]) == "--project") {
        projectFile = argv[3];
    }
    QDir().mkpath(directory);
    const fs::path programDirectory = fs::temp_directory_path() / "formwright_screenshots";
    fs::remove_all(programDirectory);
    fs::create_directories(programDirectory);

    // Recent files for the popup menu: they must exist to be listed.
    texts::Preferences preferences;
    for (const char* name : {"inventory.Q72", "R&D samples.Q72", "warehouse/goods_receipt_and_dispatch_2024.Q72"}) {
        const fs::path file = programDirectory / name;
        fs::create_directories(file.parent_path());
        (void)project::writeFileAtomically(file, std::vector<std::uint8_t>{0});
        preferences.recentFiles.push_back(project::utf8Of(file));
    }
    (void)texts::writePreferences(texts::preferencesFilePath(programDirectory), preferences);

    bool isComplete = true;
    app::MainWindow window(
        [](const texts::TextSource& texts, QWidget* owner) { return std::make_unique<app::QtHost>(texts, owner); },
        programDirectory);
    window.startUp();
    isComplete &= save(windowWithMenu(window, window.popupMenu()), directory + QStringLiteral("/popup_menu.png"));
    // The screen shows the given project's start screen; the editor it opens stays closed.
    if (!projectFile.empty()) {
        window.setSheetRunner([](QWidget*, editor::shell::EditorSession&) {});
        isComplete &= window.designer().openFile(project::utf8Of(projectFile));
    }
    isComplete &= save(shapedWindow(window), directory + QStringLiteral("/main_window_q720ce.png"));

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(110, 525), window.panel().mapToGlobal(QPointF(110, 525)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window.panel(), &press);
    isComplete &= save(shapedWindow(window), directory + QStringLiteral("/main_window_key_pressed.png"));

    texts::Preferences ppc = window.designer().preferences();
    ppc.model = project::Model::Q720PPC;
    (void)texts::writePreferences(texts::preferencesFilePath(programDirectory), ppc);
    app::MainWindow ppcWindow(
        [](const texts::TextSource& texts, QWidget* owner) { return std::make_unique<app::QtHost>(texts, owner); },
        programDirectory);
    ppcWindow.startUp();
    isComplete &= save(shapedWindow(ppcWindow), directory + QStringLiteral("/main_window_q720ppc.png"));
    isComplete &= saveScreenPreviewShots(directory, programDirectory);

    for (const DialogShot& shot : dialogShots()) {
        const QString path = directory + QLatin1Char('/') + QString::fromLatin1(shot.fileName);
        const bool isSaved = shot.render(path, window.host(), window.designer().texts());
        std::printf("%s %s\n", isSaved ? "wrote" : "FAILED", path.toLocal8Bit().constData());
        isComplete &= isSaved;
    }
    isComplete &= app::saveSheetScreenshots(directory, projectFile);
    // The sizes of the Windows icon (tools/make-windows-icon.py packs them).
    for (const int size : {16, 24, 32, 48, 64, 256}) {
        isComplete &= app::programIconPixmap(size).save(directory + QStringLiteral("/program_icon_%1.png").arg(size));
    }
    isComplete &= saveParameterDialogShots(directory, window.host(), window.designer().texts());
    fs::remove_all(programDirectory);
    return isComplete ? 0 : 1;
}
