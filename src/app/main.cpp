// SPDX-License-Identifier: MIT
// The designer: one terminal-shaped window; every command is in its popup menu.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/file_names.h"
#include "app/main_window.h"
#include "app/terminal_font.h"
#include "app/terminal_pictures.h"
#include "app/qt_host.h"
#include "app/user_folders.h"
#include "texts/program_directory.h"
#include "texts/program_folders.h"

namespace {

std::vector<std::string> argumentsAfterName(int argc, char** argv)
{
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

// Once Qt has taken its own options out: on Windows from Qt's reading of the wide command line,
// since argv holds the code page's spelling, which loses names such as "日本.Q72".
std::vector<std::string> designerArguments(int argc, char** argv)
{
#if defined(_WIN32)
    (void)argc;
    (void)argv;
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        arguments.push_back(app::utf8PathText(all[i]));
    }
    return arguments;
#else
    return argumentsAfterName(argc, argv);
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    // Answered before Qt starts, which would need a display.
    const app::DesignerArguments early = app::parseDesignerArguments(argumentsAfterName(argc, argv));
    if (early.action == app::DesignerAction::ShowHelp) {
        std::fputs(app::designerUsage().c_str(), stdout);
        return 0;
    }
    if (early.action == app::DesignerAction::ShowVersion) {
        std::puts("formwright " FORMWRIGHT_VERSION);
        return 0;
    }

    QApplication application(argc, argv);  // takes Qt's own options out of argv
    const app::DesignerArguments arguments = app::parseDesignerArguments(designerArguments(argc, argv));
    if (arguments.action == app::DesignerAction::Refuse) {
        std::fprintf(stderr, "formwright: %s\n%s", arguments.error.c_str(), app::designerUsage().c_str());
        return 2;
    }
    QApplication::setWindowIcon(QIcon(app::programIconPixmap(32)));
    app::loadTerminalFont();
    texts::setProgramPath(argc > 0 ? argv[0] : "");
    app::MainWindow window(
        [](const texts::TextSource& texts, QWidget* owner) { return std::make_unique<app::QtHost>(texts, owner); },
        texts::programFolders(texts::programDirectory(), app::standardUserFolders()));
    window.startUp(arguments.file);
    return application.exec();
}
