// SPDX-License-Identifier: MIT
// Renders the designer's windows offscreen into PNG files: formwright-screenshots <directory>.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "app/property_sheet_screenshots.h"
#include "app/terminal_panel.h"
#include "app/terminal_pictures.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(directory);
    app::TerminalPictures pictures;
    for (const project::Model model : {project::Model::Q720CE, project::Model::Q720PPC}) {
        app::TerminalPanel panel(pictures, [model] { return model; });
        panel.grab().save(directory + (model == project::Model::Q720CE ? QStringLiteral("/ce.png") : QStringLiteral("/ppc.png")));
    }
    app::saveSheetScreenshots(directory);
    return 0;
}
