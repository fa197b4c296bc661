// SPDX-License-Identifier: MIT
// The designer's wiring: which command asks about unsaved changes, reads or writes which file,
// opens the editor, restarts the screen preview and writes the preferences. The rules of the
// file formats, the recent list and the preferences file are the core's tests. Then the terminal
// as the designer shows it: the screen preview and the key panel around it.
#include "editor/shell/designer.h"
#include "editor/shell/panel_model.h"
#include "editor/shell/terminal_preview.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "editor/shell/shell_view.h"
#include "project/disk_file.h"
#include "project/document_io.h"
#include "support/project_fixtures.h"
#include "support/temp_folder.h"
#include "support/ui_harness.h"
#include "texts/preferences.h"

namespace editor::shell {
namespace {

namespace fs = std::filesystem;
using ui::SaveChangesAnswer;
using ui::testing::DialogHarness;
using ui::testing::ScriptedHost;

class RecordingView final : public ShellView
{
public:
    int repaints = 0;
    int editorRuns = 0;
    std::function<void(EditorSession&)> onEditorSheet;

    void placeWindow(bool) override {}
    void repaintPanel() override { ++repaints; }
    void rebuildPopupMenu() override {}
    void closeWindow() override {}
    void runEditorSheet(EditorSession& session) override
    {
        ++editorRuns;
        if (onEditorSheet) {
            onEditorSheet(session);
        }
    }
};

class DesignerTest : public ::testing::Test
{
protected:
    [[nodiscard]] std::string path(const std::string& name) const { return m_folder.file(name).string(); }

    // A project file as this program writes it, with form 1 named `exportName`.
    std::string projectFile(const std::string& fileName, std::string_view exportName = "FIRST", int startFrom = 0)
    {
        auto p = testing_support::startedProject();
        p->form(1).exportName.assign(exportName);
        p->device.startFrom = static_cast<project::Byte>(startFrom);
        EXPECT_TRUE(project::writeFileAtomically(path(fileName), project::saveProject(*p, project::Model::Q720CE)).ok);
        return path(fileName);
    }
    std::string form1() const { return designer.project().form(1).exportName.str(); }
    void editForm1(std::string_view exportName)
    {
        designer.project().form(1).exportName.assign(exportName);
        designer.setModified(true);
    }
    [[nodiscard]] bool isPreviewAt(PreviewScreenKind kind, int number) const
    {
        return designer.preview().kind() == kind && designer.preview().number() == number;
    }

    testing_support::TempFolder m_folder;
    ScriptedHost host;
    RecordingView view;
    Designer designer{host, view, m_folder.path()};
};

// Every command that replaces the project asks first; Cancel, and Yes whose save fails, stop it
// with the edits, the path and the flag as they were; No goes on.
TEST_F(DesignerTest, EveryCommandThatReplacesTheProjectSettlesUnsavedChangesFirst)
{
    designer.startUp();
    const std::string file = projectFile("a.Q72");
    const std::string other = projectFile("other.Q72", "OTHER");
    struct Command
    {
        const char* name;
        std::function<bool()> run;
        std::string opened;  // after No
    };
    const Command commands[] = {
        {"new", [this] { return designer.newProject(); }, ""},
        {"open", [&] { host.filesToOpen = {other}; return designer.open(); }, other},
        {"recent file", [this] { return designer.openRecent(0); }, file},
        {"file from the desktop", [&] { return designer.openFile(other); }, other},
        {"close", [this] { return designer.mayClose(); }, file},
    };
    for (const Command& command : commands) {
        for (const SaveChangesAnswer answer : {SaveChangesAnswer::Cancel, SaveChangesAnswer::Yes, SaveChangesAnswer::No}) {
            SCOPED_TRACE(std::string(command.name) + " answer " + std::to_string(static_cast<int>(answer)));
            designer.setModified(false);
            ASSERT_TRUE(designer.openFile(file));
            editForm1("EDITED");
            host.saveChangesAnswers = {answer};
            if (answer == SaveChangesAnswer::Yes) {  // Yes saves to the current file: make that fail
                fs::remove(file);
                fs::create_directory(file);
            }
            const int editorRuns = view.editorRuns;
            const int questions = host.saveChangesQuestions;
            const bool isGoingOn = answer == SaveChangesAnswer::No;
            EXPECT_EQ(command.run(), isGoingOn);
            EXPECT_EQ(host.saveChangesQuestions, questions + 1);
            if (answer == SaveChangesAnswer::Yes) {
                fs::remove(file);
                projectFile("a.Q72");
                EXPECT_TRUE(host.hasWarned(2601, 2803));
            }
            if (!isGoingOn) {
                EXPECT_EQ(form1(), "EDITED");
                EXPECT_EQ(designer.currentFile(), file);
                EXPECT_TRUE(designer.isModified());
                EXPECT_EQ(view.editorRuns, editorRuns);
            } else if (command.name != std::string("close")) {
                EXPECT_EQ(designer.currentFile(), command.opened);
                EXPECT_FALSE(designer.isModified());
                EXPECT_EQ(view.editorRuns, editorRuns + 1);
            }
        }
    }
}

TEST_F(DesignerTest, RejectedOrMissingFileShowsFormatMismatchAndChangesNothing)
{
    designer.startUp();
    m_folder.write("bad.Q72", "Q720-9.99" + std::string(67205, '\0'));
    editForm1("EDITED");
    host.saveChangesAnswers = {SaveChangesAnswer::No, SaveChangesAnswer::No};
    host.filesToOpen.push_back(path("bad.Q72"));
    EXPECT_FALSE(designer.open());
    EXPECT_EQ(host.warnings, (std::vector<ui::testing::RecordedWarning>{{texts::sid(2601), texts::sid(2801)}}));
    EXPECT_FALSE(designer.openFile(path("missing.Q72")));
    EXPECT_EQ(host.warnings.size(), 1U);
    EXPECT_TRUE(designer.currentFile().empty());
    EXPECT_TRUE(designer.isModified());
    EXPECT_EQ(form1(), "EDITED");
    EXPECT_EQ(view.editorRuns, 0);
    EXPECT_FALSE(designer.openRecent(7));
}

// A file stamped with the other model is read as that model, which the preferences then keep.
TEST_F(DesignerTest, FileOfTheOtherModelSwitchesThePreferencesToIt)
{
    designer.startUp();
    const auto p = testing_support::startedProject(project::Model::Q720PPC);
    ASSERT_TRUE(project::writeFileAtomically(path("ppc.Q72"), project::saveProject(*p, project::Model::Q720PPC)).ok);
    ASSERT_TRUE(designer.openFile(path("ppc.Q72")));
    EXPECT_EQ(designer.preferences().model, project::Model::Q720PPC);
    EXPECT_EQ(texts::readPreferences(m_folder.file("FWQ720.ini")).model, project::Model::Q720PPC);
}

TEST(SaveAsExtension, AppendsQ72UnlessTheExtensionStartsWithIt)
{
    const std::pair<const char*, const char*> rows[] = {
        {"/p/name", "/p/name.Q72"},    {"/p/name.txt", "/p/name.txt.Q72"}, {"/p/name.q72", "/p/name.q72"},
        {"/p/name.Q72x", "/p/name.Q72x"}, {"/p/name.", "/p/name..Q72"},    {"/p.q72/name", "/p.q72/name.Q72"},
    };
    for (const auto& [given, saved] : rows) {
        EXPECT_EQ(withProjectExtension(given), saved);
    }
}

// The editor sheet gets the project and the flag; OK on it restarts the preview at the start
// screen, Cancel keeps its place. New and Open restart it too.
TEST_F(DesignerTest, EditHandsTheProjectToTheSheetAndRestartsThePreviewOnlyWhenApplied)
{
    designer.startUp();
    designer.run(commandValue(Command::About));
    EXPECT_EQ(host.dialogsRun, std::vector<std::string>{"AboutBox"});
    const int repaints = view.repaints;
    designer.project().form(1).escTarget = 22;  // leaves the start screen for menu 2
    designer.pressPreviewKey(PreviewKey::Escape);
    EXPECT_EQ(view.repaints, repaints + 1);
    view.onEditorSheet = [](EditorSession& session) { session.isApplied = false; };
    designer.run(commandValue(Command::Edit));
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Menu, 2));
    view.onEditorSheet = [](EditorSession& session) {
        session.project.form(2).exportName.assign("SHEET");
        session.project.device.startFrom = 1;
        session.isModified = true;
        session.isApplied = true;
    };
    designer.run(commandValue(Command::Edit));
    EXPECT_EQ(designer.project().form(2).exportName.str(), "SHEET");
    EXPECT_TRUE(designer.isModified());
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Menu, 1));

    view.onEditorSheet = nullptr;
    host.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    ASSERT_TRUE(designer.newProject());
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Form, 1));
    host.filesToOpen.push_back(projectFile("menu.Q72", "MENU", 1));
    ASSERT_TRUE(designer.open());
    EXPECT_TRUE(isPreviewAt(PreviewScreenKind::Menu, 1));
}

using project::Project;
using Kind = PreviewScreenKind;
using Key = PreviewKey;

const texts::BuiltinTextSource builtin;

void setLine(project::FormDef& form, int line, int type, std::string_view prompt, int maxLength = 160,
             std::uint8_t mark = 0)
{
    const auto s = static_cast<std::size_t>(line - 1);
    form.lineType[s] = static_cast<std::uint8_t>(type);
    form.prompt[s].assign(prompt);
    form.maxLength[s] = static_cast<std::uint8_t>(maxLength);
    form.inputMark[s] = mark;
}

void setItem(project::MenuDef& menu, int item, std::string_view name, int target)
{
    menu.itemName[static_cast<std::size_t>(item - 1)].assign(name);
    menu.itemNext[static_cast<std::size_t>(item - 1)] = static_cast<std::uint8_t>(target);
}

// Start at menu 1 "Stock taking": item 1 leads to form 2, item 2 (stored as the third) to menu 2,
// item 3 to the out-of-list code 77; its ESC to the empty menu 3. Menu 2 has 12 items, all to
// form 3, and ESC back to menu 1. Form 2 has two input lines around a prompt and leads on to
// menu 1, its ESC to "main". Form 3 has no lines, leads to itself and ESC to menu 2.
std::unique_ptr<Project> walkedProject()
{
    auto p = testing_support::startedProject();
    p->device.startFrom = 1;
    project::MenuDef& main = p->menu(1);
    main.captionOn = 1;
    main.caption.assign("Stock taking");
    setItem(main, 1, "Receipt", 2);
    setItem(main, 3, "Menu two", 22);
    setItem(main, 4, "Broken", 77);
    main.escTarget = 23;
    for (int item = 1; item <= 12; ++item) {
        setItem(p->menu(2), item, "Item " + std::to_string(item), 3);
    }
    p->menu(2).escTarget = 21;
    p->menu(3).escTarget = 21;
    project::FormDef& two = p->form(2);
    setLine(two, 1, 1, "Article:", 13, '_');
    setLine(two, 2, 9, "Hint");
    setLine(two, 3, 2, "Qty:", 6);
    two.nextTarget = 21;
    two.escTarget = 0;
    p->form(3).nextTarget = 3;
    p->form(3).escTarget = 22;
    return p;
}

struct Place
{
    Kind kind;
    int number;
    int stop;
};

std::string describe(const Place& place)
{
    const char* kinds[] = {"menu", "form", "no target"};
    return std::string(kinds[static_cast<int>(place.kind)]) + " " + std::to_string(place.number) + " stop " +
           std::to_string(place.stop);
}

std::string describe(const TerminalPreview& preview)
{
    return describe(Place{preview.kind(), preview.number(), preview.currentStop()});
}

// The screen stays within the terminal's lines whatever the project holds.
void expectDrawable(const PreviewScreen& screen, const std::string& where)
{
    const int visible = PreviewRows - (screen.title ? 1 : 0);
    EXPECT_LE(static_cast<int>(screen.rows.size()), visible) << where;
    int current = 0;
    for (const PreviewRow& row : screen.rows) {
        EXPECT_LE(row.text.size(), static_cast<std::size_t>(PreviewColumns)) << where;
        EXPECT_GE(row.inputColumn, 0) << where;
        EXPECT_LE(row.inputColumn + row.inputWidth, PreviewColumns) << where;
        for (const char c : row.text) {
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << where;
        }
        current += row.isCurrent ? 1 : 0;
    }
    EXPECT_LE(current, 1) << where;
    if (screen.title) {
        EXPECT_LE(screen.title->size(), static_cast<std::size_t>(PreviewColumns)) << where;
    }
}

// Every key on every kind of screen: the keys a row does not name leave the screen as it is.
TEST(TerminalPreview, EveryKeyOnEveryKindOfScreen)
{
    const auto p = walkedProject();
    const Place menu1{Kind::Menu, 1, 0}, menu2{Kind::Menu, 2, 0}, menu3{Kind::Menu, 3, 0};
    const Place form2{Kind::Form, 2, 0}, form3{Kind::Form, 3, 0}, noTarget{Kind::NoTarget, 77, 0};
    const auto at = [](Place place, int stop) { return Place{place.kind, place.number, stop}; };
    const auto to = [](Key key, Place place) { return std::pair{key, place}; };
    const struct
    {
        const char* screen;
        std::vector<Key> path;  // from the start screen
        Place shown;
        std::map<Key, Place> moves;
    } rows[] = {
        {"menu with items and caption",
         {},
         menu1,
         {to(Key::Escape, menu3), to(Key::Enter, form2), to(Key::Down, at(menu1, 1)), to(Key::Right, at(menu1, 1)),
          to(Key::Digit2, at(menu1, 1)), to(Key::Digit3, at(menu1, 2))}},
        {"menu of 12 items",
         {Key::Down, Key::Enter},
         menu2,
         {to(Key::Escape, menu1), to(Key::Enter, form3), to(Key::Down, at(menu2, 1)), to(Key::Right, at(menu2, 1)),
          to(Key::Digit0, at(menu2, 9)), to(Key::Digit2, at(menu2, 1)), to(Key::Digit3, at(menu2, 2)),
          to(Key::Digit4, at(menu2, 3)), to(Key::Digit5, at(menu2, 4)), to(Key::Digit6, at(menu2, 5)),
          to(Key::Digit7, at(menu2, 6)), to(Key::Digit8, at(menu2, 7)), to(Key::Digit9, at(menu2, 8))}},
        {"menu without items", {Key::Escape}, menu3, {to(Key::Escape, menu1)}},
        {"form with input lines",
         {Key::Enter},
         form2,
         {to(Key::Escape, menu1), to(Key::Enter, at(form2, 1)), to(Key::Down, at(form2, 1))}},
        {"form without lines leading to itself", {Key::Down, Key::Enter, Key::Enter}, form3, {to(Key::Escape, menu2)}},
        {"no target", {Key::Down, Key::Down, Key::Enter}, noTarget, {to(Key::Escape, menu1), to(Key::Enter, menu1)}},
    };
    for (const auto& row : rows) {
        for (int k = 0; k < PreviewKeyCount; ++k) {
            const auto key = static_cast<Key>(k);
            TerminalPreview preview;
            preview.restart(*p);
            for (const Key key : row.path) {
                preview.press(*p, key);
            }
            preview.press(*p, key);
            const auto move = row.moves.find(key);
            const Place& want = move == row.moves.end() ? row.shown : move->second;
            EXPECT_EQ(describe(preview), describe(want)) << row.screen << ", key " << k;
            expectDrawable(preview.screen(*p, builtin), row.screen);
        }
    }
}

// Code-page texts stay; control bytes and the bytes the code page leaves undefined become blanks.
TEST(TerminalPreview, MenuShowsItsCaptionAndItsNamedItemsNumberedInOrder)
{
    auto p = walkedProject();
    p->menu(1).caption.assign("\xC4pfel \x80\x81\x09\x7F\x8D\x8F\x90\x9D\xFF");
    p->menu(1).itemName[0].assign("Gr\xF6\xDF" "e");
    TerminalPreview preview;
    preview.restart(*p);
    preview.press(*p, Key::Digit2);
    PreviewScreen screen = preview.screen(*p, builtin);
    EXPECT_EQ(screen.title, "\xC4pfel \x80       \xFF");
    ASSERT_EQ(screen.rows.size(), 3u);
    EXPECT_EQ(screen.rows[0].text, "1. Gr\xF6\xDF" "e");
    EXPECT_EQ(screen.rows[1].text, "2. Menu two");
    EXPECT_EQ(screen.rows[2].text, "3. Broken");
    EXPECT_TRUE(screen.rows[1].isCurrent);
    p->menu(1).captionOn = 0;
    EXPECT_FALSE(preview.screen(*p, builtin).title.has_value());
}

// Every target byte, from a form's ESC and from a menu item: 0 is the start screen, 1 to 20 are
// forms, 21 to 30 menus; any other shows "no target" and its number, and ESC leads back.
TEST(TerminalPreview, EveryTargetCodeLeadsToItsScreenOrToNoTarget)
{
    auto p = walkedProject();
    for (const bool isMenu : {false, true}) {
        p->device.startFrom = isMenu ? 1 : 0;
        const Place start{isMenu ? Kind::Menu : Kind::Form, 1, 0};
        for (int code = 0; code <= 255; ++code) {
            SCOPED_TRACE((isMenu ? "menu item " : "form ESC ") + std::to_string(code));
            (isMenu ? p->menu(1).itemNext[0] : p->form(1).escTarget) = static_cast<std::uint8_t>(code);
            TerminalPreview preview;
            preview.restart(*p);
            preview.press(*p, isMenu ? Key::Enter : Key::Escape);
            const Place want = code == 0    ? start
                               : code <= 20 ? Place{Kind::Form, code, 0}
                               : code <= 30 ? Place{Kind::Menu, code - 20, 0}
                                            : Place{Kind::NoTarget, code, 0};
            EXPECT_EQ(describe(preview), describe(want));
            if (want.kind == Kind::NoTarget) {
                const PreviewScreen screen = preview.screen(*p, builtin);
                ASSERT_EQ(screen.rows.size(), 2u);
                EXPECT_EQ(screen.rows[0].text + " " + screen.rows[1].text, "no target " + std::to_string(code));
                EXPECT_EQ(screen.name, isMenu ? "menu  1" : "form  1");
                preview.press(*p, Key::Escape);
                EXPECT_EQ(describe(preview), describe(start));
            }
        }
    }
}

TEST(PanelModel, KeyShowsDownUntilTheButtonGoesUpAndTheMenuKeyThenOpensThePopup)
{
    PanelModel panel;
    EXPECT_FALSE(panel.leftButtonUp().has_value());  // a release without a press does nothing
    EXPECT_FALSE(panel.drawnKey().has_value());
    EXPECT_EQ(panel.leftButtonDown({81, 494}), PanelModel::PressAction::PressKey);
    EXPECT_EQ(panel.drawnKey(), 11);
    EXPECT_TRUE(panel.isKeyDown());
    EXPECT_FALSE(panel.leftButtonUp().has_value());
    EXPECT_EQ(panel.drawnKey(), 11);  // stays remembered, now drawn released
    EXPECT_FALSE(panel.isKeyDown());
    // The menu key opens the popup menu at its image when it is released.
    EXPECT_EQ(panel.leftButtonDown({170, 580}), PanelModel::PressAction::PressKey);
    EXPECT_FALSE(panel.drawnKey().has_value());  // the menu key has no moving image
    const std::optional<PanelPoint> at = panel.leftButtonUp();
    ASSERT_TRUE(at.has_value());
    EXPECT_EQ(at->x, 158);
    EXPECT_EQ(at->y, 571);
}

}  // namespace
}  // namespace editor::shell
