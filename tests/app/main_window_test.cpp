// SPDX-License-Identifier: MIT
// The designer's window: the popup menu, the painted keys driving the preview, the sheet and
// the close, wired to a scripted host; and its command line.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/character_grid_widget.h"
#include "app/code_page.h"
#include "app/command_line.h"
#include "app/dialog_screenshot.h"
#include "app/dialog_view.h"
#include "app/dialog_window.h"
#include "app/file_names.h"
#include "app/property_sheet_dialog.h"
#include "app/terminal_panel.h"
#include "app/terminal_screen.h"
#include "editor/dialog_registry.h"
#include "editor/forms/form_dialogs.h"
#include "editor/settings/character_grid_dialog.h"
#include "editor/shell/editor_session.h"
#include "editor/shell/panel_layout.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "resources/form_templates.h"
#include "resources/menu_templates.h"
#include "resources/settings_templates.h"
#include "support/project_fixtures.h"
#include "support/temp_folder.h"
#include "support/ui_harness.h"
#include "ui/dialog_model.h"
#include "ui/dialog_template.h"
#include "ui/sample_dialog.h"

namespace app {
namespace {

// The one QApplication of a Qt test binary, made on first use (tests run offscreen). It is
// never destroyed: a function-static application would be torn down by the exit handlers after
// Qt's own globals, and its input devices then crash the process on the way out.
QApplication& qtTestApp()
{
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    return *new QApplication(argc, argv);
}

// Sends each character as a key press, as typing would.
void typeKeys(QWidget* target, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &press);
    }
}

// The painted area of a terminal key.
QRect keyArea(int number)
{
    const editor::shell::PanelKey* key = editor::shell::findPanelKey(number);
    return {QPoint(key->left, key->top), QPoint(key->right, key->bottom)};
}

// A mouse press or release at `at`, as the user's would be.
void mouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, QPointF(at), target.mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        qtTestApp();
        start();
    }

    // A new window on the program directory, started up; the sheet is only counted unless
    // `isSheetReal`.
    void start(std::optional<std::string> file = std::nullopt, bool isSheetReal = false)
    {
        m_window.reset();
        m_window = std::make_unique<MainWindow>(
            [this](const texts::TextSource&, QWidget*) {
                auto host = std::make_unique<ui::testing::ScriptedHost>();
                m_host = host.get();
                return host;
            },
            m_directory);
        if (!isSheetReal) {
            m_window->setSheetRunner([this](QWidget*, editor::shell::EditorSession& session) {
                ++m_editorRuns;
                session.isApplied = m_isSheetApplied;
            });
        }
        m_window->startUp(file);
    }

    [[nodiscard]] QString menuText(int index) const { return m_window->popupMenu().actions()[index]->text(); }

    testing_support::TempFolder m_folder;
    const fs::path& m_directory = m_folder.path();
    ui::testing::ScriptedHost* m_host = nullptr;
    std::unique_ptr<MainWindow> m_window;
    int m_editorRuns = 0;
    bool m_isSheetApplied = false;
};

// The language named in the preferences is loaded at start-up, in its code page; a saved file
// joins the menu with its '&' shown as such.
TEST_F(MainWindowTest, PopupMenuFollowsTheModelInTheLanguageLoadedAtStartUpAndGainsSavedFiles)
{
    std::ofstream(m_directory / "deutsch.lng", std::ios::binary) << "Deutsch\r\n31=&Neu\r\n32=&\xD6"
                                                                    "ffnen...\r\n";
    std::ofstream(m_directory / "FWQ720.ini", std::ios::binary) << "Unknow\r0\r0\rDeutsch\r0\r";
    start();
    EXPECT_EQ(menuText(1), QString::fromUtf8("&\u00d6ffnen..."));
    const auto entries = m_window->popupMenu().actions().size();
    m_host->filesToSave.push_back((m_directory / "J\xC3\xBCrgen R&D").string());
    m_window->designer().saveAs();
    EXPECT_EQ(m_window->popupMenu().actions().size(), entries + 2);  // the file and a separator
    EXPECT_TRUE(menuText(8).endsWith(QString::fromUtf8("J\u00fcrgen R&&D.Q72")));
}

TEST_F(MainWindowTest, MenuItemsAndAcceleratorsReachTheirCommands)
{
    m_window->popupMenu().actions()[8]->trigger();  // About
    EXPECT_EQ(m_host->dialogsRun, std::vector<std::string>{"AboutBox"});
    m_window->popupMenu().actions()[5]->trigger();  // Edit
    EXPECT_EQ(m_editorRuns, 1);
    for (QShortcut* shortcut : m_window->findChildren<QShortcut*>()) {
        if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_E)) {
            emit shortcut->activated();
        }
    }
    EXPECT_EQ(m_editorRuns, 2);
}

TEST_F(MainWindowTest, MenuKeyAndRightClickAskForThePopup)
{
    QObject::disconnect(&m_window->panel(), &TerminalPanel::popupRequested, m_window.get(), nullptr);
    std::vector<QPoint> requests;
    QObject::connect(&m_window->panel(), &TerminalPanel::popupRequested, [&](QPoint at) { requests.push_back(at); });
    const QPoint menuKey = keyArea(editor::shell::MenuKeyNumber).center();
    mouse(m_window->panel(), QEvent::MouseButtonPress, menuKey);
    mouse(m_window->panel(), QEvent::MouseButtonRelease, menuKey);
    mouse(m_window->panel(), QEvent::MouseButtonPress, QPoint(130, 150), Qt::RightButton);
    EXPECT_EQ(requests, (std::vector<QPoint>{m_window->panel().mapToGlobal(QPoint(158, 571)),
                                             m_window->panel().mapToGlobal(QPoint(130, 150))}));
}

TEST_F(MainWindowTest, EntKeyIsDrawnPressedAndTheScreenFollowsThePreview)
{
    m_isSheetApplied = true;  // the sheet's OK starts the preview at menu 1, whose first item leads to form 3
    project::Project& p = m_window->designer().project();
    p.device.startFrom = 1;
    p.menu(1).itemName[0].assign("Count");
    p.menu(1).itemNext[0] = 3;
    m_window->designer().edit();
    const editor::shell::TerminalPreview& preview = m_window->designer().preview();
    ASSERT_EQ(preview.kind(), editor::shell::PreviewScreenKind::Menu);
    const auto pixels = [this](QRect area) { return m_window->panel().grab(area).toImage(); };
    const QImage menuScreen = pixels(terminalScreenArea());
    const QImage ent = pixels(keyArea(2));
    mouse(m_window->panel(), QEvent::MouseButtonPress, keyArea(2).center());
    EXPECT_EQ(preview.number(), 3);
    EXPECT_NE(pixels(keyArea(2)), ent);
    mouse(m_window->panel(), QEvent::MouseButtonRelease, keyArea(2).center());
    EXPECT_NE(pixels(terminalScreenArea()), menuScreen);
}

TEST_F(MainWindowTest, FileNamedOnTheCommandLineOpensOnceTheWindowIsUp)
{
    const std::string file = (m_directory / "given.Q72").string();
    const auto image = project::saveProject(*testing_support::startedProject(), project::Model::Q720CE);
    ASSERT_TRUE(project::writeFileAtomically(file, image).ok);
    start(file);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_editorRuns, 0) << "the editor waits for the window";
    QCoreApplication::processEvents();
    EXPECT_EQ(m_editorRuns, 1);
    EXPECT_EQ(m_window->designer().currentFile(), file);
}

// Ctrl+E and New reach the same runner (counted above); unreplaced, it shows the real sheet.
TEST_F(MainWindowTest, NewOpensTheRealSheetModally)
{
    start(std::nullopt, true);
    bool isShown = false;
    QTimer::singleShot(0, [&isShown] {
        if (auto* sheet = qobject_cast<PropertySheetDialog*>(QApplication::activeModalWidget())) {
            isShown = true;
            sheet->reject();
        }
    });
    m_window->designer().newProject();
    EXPECT_TRUE(isShown);
}

TEST_F(MainWindowTest, CloseAsksWhenModifiedAndStaysOnCancel)
{
    m_window->designer().setModified(true);
    m_host->saveChangesAnswers.push_back(ui::SaveChangesAnswer::Cancel);
    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->isVisible());
    m_host->saveChangesAnswers.push_back(ui::SaveChangesAnswer::No);
    EXPECT_TRUE(m_window->close());
}

TEST(DesignerCommandLine, TakesOneProjectFileHelpAndVersionAndRefusesTheRest)
{
    const std::string cwd = fs::current_path().string();
    struct Row
    {
        std::vector<std::string> arguments;
        DesignerAction action;
        std::optional<std::string> file;
    };
    const Row rows[] = {
        {{}, DesignerAction::Run, std::nullopt},
        {{"/home/ann/shop.Q72"}, DesignerAction::Run, "/home/ann/shop.Q72"},
        {{"shop.Q72"}, DesignerAction::Run, cwd + "/shop.Q72"},
        {{"--", "-odd name.Q72"}, DesignerAction::Run, cwd + "/-odd name.Q72"},
        {{"--help"}, DesignerAction::ShowHelp, std::nullopt},
        {{"shop.Q72", "-h"}, DesignerAction::ShowHelp, std::nullopt},
        {{"--bogus", "--version"}, DesignerAction::ShowVersion, std::nullopt},
        {{"--", "--help"}, DesignerAction::Run, cwd + "/--help"},
        {{"--bogus"}, DesignerAction::Refuse, std::nullopt},
        {{"-platform"}, DesignerAction::Refuse, std::nullopt},
        {{"a.Q72", "b.Q72"}, DesignerAction::Refuse, std::nullopt},
    };
    for (const Row& row : rows) {
        const DesignerArguments parsed = parseDesignerArguments(row.arguments);
        SCOPED_TRACE(row.arguments.empty() ? "(none)" : row.arguments.front() + " ...");
        EXPECT_EQ(parsed.action, row.action);
        EXPECT_EQ(parsed.file, row.file);
        EXPECT_EQ(parsed.error.empty(), row.action != DesignerAction::Refuse);
    }
}

// Dialogs on screen: the view of a dialog model, its window, the property sheet, the character
// grid, and the code page and file names they show.
using ui::sample::SampleDialog;
using ui::sample::SampleId;
using ui::sample::SampleRecord;

template <typename Widget> Widget* widget(const DialogView& view, ui::ControlId id)
{
    auto* found = qobject_cast<Widget*>(view.widgetFor(id));
    EXPECT_NE(found, nullptr) << "control " << id.value();
    return found;
}

class DialogViewTest : public ::testing::Test
{
protected:
    DialogViewTest() { qtTestApp(); }

    SampleRecord record;
    SampleDialog model{record};
    ui::testing::ScriptedHost host;
};

TEST_F(DialogViewTest, ClicksAndChoicesReachTheModelAndEveryControlFollows)
{
    const DialogView view(ui::sample::sampleTemplate, model, host);
    widget<QRadioButton>(view, SampleId::FixedRadio)->click();
    EXPECT_TRUE(widget<QRadioButton>(view, SampleId::FixedRadio)->isChecked());  // a checked one stays so
    widget<QCheckBox>(view, SampleId::LimitCheck)->click();
    EXPECT_FALSE(widget<QCheckBox>(view, SampleId::LimitCheck)->isChecked());
    EXPECT_FALSE(view.widgetFor(SampleId::LengthEdit)->isEnabled());
    widget<QRadioButton>(view, SampleId::DelimitedRadio)->click();
    EXPECT_FALSE(widget<QRadioButton>(view, SampleId::FixedRadio)->isChecked());
    auto* modes = widget<QComboBox>(view, SampleId::ModeList);
    EXPECT_EQ(modes->currentIndex(), 1);
    modes->setCurrentIndex(0);
    emit modes->activated(0);  // as a user choice, not a programmatic one
    EXPECT_TRUE(widget<QRadioButton>(view, SampleId::FixedRadio)->isChecked());
}

TEST_F(DialogViewTest, TypedTextReachesTheModelAndComesBackCorrected)
{
    const DialogView view(ui::sample::sampleTemplate, model, host);
    auto* length = widget<QLineEdit>(view, SampleId::LengthEdit);
    length->selectAll();
    typeKeys(length, QStringLiteral("03"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(length, &enter);
    EXPECT_EQ(length->text(), QStringLiteral("5"));  // finishing reaches the model

    // The model's rewrite of the text comes back to the widget without a change event.
    const int changesBefore = model.textChanges;
    auto* name = widget<QLineEdit>(view, SampleId::NameEdit);
    name->selectAll();
    typeKeys(name, QStringLiteral("ab"));
    EXPECT_EQ(name->text(), QStringLiteral("AB"));
    EXPECT_EQ(model.textChanges, changesBefore + 2);
    typeKeys(name, QString(QChar(0x20AC)) + QChar(0x0416));  // the second is outside the code page
    EXPECT_EQ(name->text(), QStringLiteral("AB") + QChar(0x20AC));
    EXPECT_EQ(model.controlStates().text(SampleId::NameEdit), "AB\x80");
}

TEST_F(DialogViewTest, RefusedOkKeepsTheDialogOpenAndEscapeRunsTheModelsCancel)
{
    record.name.clear();
    SampleDialog emptyName(record);
    DialogWindow window(ui::sample::sampleTemplate, emptyName, host);
    int closing = 0;
    QObject::connect(&window.view(), &DialogView::closeRequested, [&closing] { ++closing; });
    widget<QPushButton>(window.view(), ui::OkButton)->click();
    EXPECT_EQ(closing, 0);
    auto* name = widget<QLineEdit>(window.view(), SampleId::NameEdit);
    typeKeys(name, QStringLiteral("n"));
    widget<QPushButton>(window.view(), ui::OkButton)->click();
    ASSERT_EQ(closing, 1);
    EXPECT_EQ(window.result(), static_cast<int>(ui::DialogResult::Ok));

    DialogWindow cancelled(ui::sample::sampleTemplate, model, host);
    cancelled.reject();  // Escape
    EXPECT_EQ(model.result(), ui::DialogResult::Cancel);
    EXPECT_EQ(cancelled.result(), static_cast<int>(ui::DialogResult::Cancel));
}

TEST(CodePage, EveryByteSurvivesARoundTripAndOtherCharactersAreRefused)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(toCodePage(fromCodePage(all)), all);
    EXPECT_EQ(fromCodePage("\x80 Gr\xFC\xDF"
                           "e"),
              QString(QChar(0x20AC)) + QStringLiteral(" Grüße"));
    EXPECT_EQ(toCodePage(QStringLiteral("a\u0416b")), std::nullopt);             // Cyrillic Zhe
    EXPECT_EQ(toCodePage(QString::fromUtf8("\xF0\x9F\x98\x80")), std::nullopt);  // outside the BMP
    EXPECT_FALSE(isInCodePage(QChar(0x0416)));
    EXPECT_TRUE(isInCodePage(QChar(0x2122)));
}

bool isPlaced(const ui::ControlTemplate& control)
{
    return control.id.value() > 0 && control.kind != ui::ControlKind::Custom &&
           !ui::hasStyle(control.style, ui::ControlStyle::Hidden);
}

TEST(RegisteredDialogsView, EveryTemplateRendersEachControlInsideWithoutOverlaps)
{
    qtTestApp();
    for (const ui::DialogTemplate* dialog : editor::allTemplates()) {
        SCOPED_TRACE(dialog->name);
        ui::DialogModel model;  // no behaviour: the template alone is drawn
        ui::testing::ScriptedHost host;
        const DialogView view(*dialog, model, host);
        std::vector<std::pair<int, QRect>> placed;
        for (const ui::ControlTemplate& control : dialog->controls) {
            if (!isPlaced(control)) {
                continue;
            }
            const QWidget* widget = view.widgetFor(control.id);
            ASSERT_NE(widget, nullptr) << "control " << control.id.value();
            const QRect geometry = widget->geometry();
            EXPECT_FALSE(geometry.isEmpty()) << "control " << control.id.value();
            EXPECT_TRUE(view.rect().contains(geometry)) << "control " << control.id.value();
            if (control.kind == ui::ControlKind::GroupBox) {
                continue;  // a group box frames the controls inside it
            }
            for (const auto& [other, rect] : placed) {
                EXPECT_FALSE(geometry.intersects(rect)) << "controls " << other << " and " << control.id.value();
            }
            placed.emplace_back(control.id.value(), geometry);
        }
        ui::DialogModel renderModel;
        EXPECT_FALSE(renderDialog(*dialog, renderModel, host).isNull());
    }
}

TEST(FileNames, NonAsciiNamesCrossToThePathAndTheCoresUtf8Whole)
{
    for (const QString& name :
         {QStringLiteral("M\u00fcller.Q72"), QStringLiteral("\u03a9mega.Q72"), QStringLiteral("\u65e5\u672c.Q72"),
          QStringLiteral("R&D samples.Q72"), QString::fromUtf8("\xF0\x9F\x93\xA6 stock.Q72")}) {
        const std::filesystem::path path = pathFromQString(name);
        EXPECT_EQ(qStringFromPath(path), name) << name.toStdString();
        EXPECT_EQ(utf8PathText(name), name.toStdString()) << name.toStdString();
        EXPECT_EQ(project::utf8Of(path), utf8PathText(name)) << name.toStdString();
        EXPECT_EQ(qStringFromPathText(utf8PathText(name)), name) << name.toStdString();
    }
}

constexpr int MenuTab = static_cast<int>(editor::SheetPage::Menu);

class PropertySheetDialogTest : public ::testing::Test
{
protected:
    PropertySheetDialogTest() { qtTestApp(); }

    editor::shell::EditorSession session(std::string_view currentFile = "")
    {
        return {*m_project, m_isModified, m_texts, ui::LanguageState::BuiltinOnly, project::Model::Q720CE,
                m_host,     currentFile};
    }

    std::unique_ptr<project::Project> m_project = testing_support::startedProject();
    testing_support::OverrideTextSource m_texts;
    ui::testing::ScriptedHost m_host;
    bool m_isModified = false;
};

TEST_F(PropertySheetDialogTest, CaptionJoinsLanguageTextAndPathAndPagesAreBuiltWhenShown)
{
    m_texts.set(1, "Formul\xE4r");  // language texts are in the code page, paths in the file system's encoding
    PropertySheetDialog sheet(session("/home/j\xC3\xBCrgen/a.Q72"));
    EXPECT_EQ(sheet.windowTitle(), QString::fromUtf8("Q720CE Formul\u00e4r - [ /home/j\u00fcrgen/a.Q72 ]"));
    EXPECT_NE(sheet.pageView(0), nullptr);
    EXPECT_EQ(sheet.pageView(MenuTab), nullptr) << "pages are built when first shown";
}

TEST_F(PropertySheetDialogTest, TypedItemNameReachesTheProjectOnlyAfterOk)
{
    for (const bool isAccepted : {false, true}) {
        SCOPED_TRACE(isAccepted ? "OK" : "Cancel");
        PropertySheetDialog sheet(session());
        sheet.tabs().setCurrentIndex(MenuTab);
        auto* name = qobject_cast<QLineEdit*>(sheet.pageView(MenuTab)->widgetFor(resources::itemNameEdit(2)));
        ASSERT_NE(name, nullptr);
        typeKeys(name, QStringLiteral("Receive"));
        EXPECT_TRUE(m_project->menu(1).itemName[1].isEmpty());
        if (isAccepted) {
            sheet.accept();
            EXPECT_EQ(sheet.result(), QDialog::Accepted);
        } else {
            sheet.reject();
        }
    }
    EXPECT_EQ(m_project->menu(1).itemName[1].str(), "Receive");
    EXPECT_EQ(m_project->menu(1).itemCount, 1);
}

using resources::CharacterGridId;

QColor centreOf(QWidget& widget, QRect cell)
{
    return widget.grab().toImage().pixelColor(cell.center() + QPoint(0, cell.height() / 4));
}

TEST(CharacterGridWidget, PaintsTheCurrentCellAndAppendsTheCodeOfAClickedCell)
{
    qtTestApp();
    const texts::BuiltinTextSource texts;
    const std::vector<project::Byte> codes = {2};
    editor::settings::CharacterGridDialog grid(codes, 10, texts, ui::LanguageState::BuiltinOnly);
    ui::testing::ScriptedHost host;
    DialogView view(resources::characterGridTemplate, grid, host, nullptr, characterGridWidgets);
    auto* painted = dynamic_cast<CharacterGridWidget*>(view.widgetFor(CharacterGridId::Grid));
    ASSERT_NE(painted, nullptr);
    ASSERT_NE(view.widgetFor(CharacterGridId::ResultingText), nullptr);

    EXPECT_EQ(centreOf(*painted, painted->cellRect(3, 1)), QColor(Qt::blue));  // "SP" at opening
    const QRect cellOfA = painted->cellRect(5, 2);                             // 0x41
    EXPECT_EQ(painted->cellAt(cellOfA.center()), QPoint(5, 2));
    mouse(*painted, QEvent::MouseButtonPress, cellOfA.center());
    EXPECT_EQ(grid.codes(), (std::vector<project::Byte>{2, 'A'}));
    EXPECT_EQ(centreOf(*painted, cellOfA), QColor(Qt::blue));
    EXPECT_NE(centreOf(*painted, painted->cellRect(3, 1)), QColor(Qt::blue));
    mouse(*painted, QEvent::MouseButtonPress, painted->cellRect(0, 4).center());  // a header adds nothing
    EXPECT_EQ(grid.codes().size(), 2U);
}

TEST(CharacterGridWidget, AClickOnACodeDisplayOpensTheGrid)
{
    qtTestApp();
    auto project = testing_support::startedProject();
    const texts::BuiltinTextSource texts;
    project::FormDef& form = project->form(1);
    form.prefixOn[0] = 1;
    editor::ParameterRecords records{};
    records.form = {reinterpret_cast<project::Byte*>(&form), sizeof form};
    editor::ParameterDialogModel model(editor::forms::fieldPropertiesDialog(), records, texts,
                                       ui::LanguageState::BuiltinOnly);
    ui::testing::ScriptedHost host;
    DialogView view(resources::fieldPropertiesTemplate, model, host);
    auto* display = qobject_cast<QLineEdit*>(view.widgetFor(resources::FieldPropertiesId::PrefixDisplay));
    ASSERT_NE(display, nullptr);
    mouse(*display, QEvent::MouseButtonPress, display->rect().center());
    EXPECT_EQ(host.dialogsRun, std::vector<std::string>{"GRIDDLG"});
}

}  // namespace
}  // namespace app
