// SPDX-License-Identifier: MIT
// The designer: one terminal-shaped window; every command is in its popup menu.
#include <QApplication>
#include <QIcon>

#include "app/main_window.h"
#include "app/terminal_pictures.h"
#include "app/qt_host.h"
#include "texts/program_directory.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(app::programIconPixmap(32)));
    texts::setProgramPath(argc > 0 ? argv[0] : "");
    app::MainWindow window(
        [](const texts::TextSource& texts, QWidget* owner) { return std::make_unique<app::QtHost>(texts, owner); },
        texts::programDirectory());
    window.startUp();
    return application.exec();
}
