// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Formwright: project files can be read and written; the designer window is on its way."));
    label.setWindowTitle(QStringLiteral("Formwright"));
    label.setMargin(24);
    label.show();
    return app.exec();
}
