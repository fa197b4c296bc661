// SPDX-License-Identifier: MIT
#include "app/terminal_font.h"

#include <QFontDatabase>
#include <QStringList>

// The resource lives in a static library: naming its initialiser keeps it in every program.
static void initialiseFontResource() { Q_INIT_RESOURCE(terminal_font); }

namespace app {
namespace {

const QString SystemFamily = QStringLiteral("DejaVu Sans Mono");

QString registerShippedFont()
{
    initialiseFontResource();
    QString family = SystemFamily;
    for (const QString& face :
         {QStringLiteral(":/fonts/DejaVuSansMono.ttf"), QStringLiteral(":/fonts/DejaVuSansMono-Bold.ttf")}) {
        const int id = QFontDatabase::addApplicationFont(face);
        const QStringList families = id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) {
            family = families.constFirst();
        }
    }
    return family;
}

}  // namespace

QString loadTerminalFont()
{
    static const QString family = registerShippedFont();
    return family;
}

QFont terminalFont(int pixelSize, TerminalWeight weight)
{
    QFont font(loadTerminalFont());
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    font.setBold(weight == TerminalWeight::Bold);
    return font;
}

}  // namespace app
