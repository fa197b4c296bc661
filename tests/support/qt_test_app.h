// SPDX-License-Identifier: MIT
// The one QApplication of a Qt test binary, made on first use (tests run offscreen). It is
// never destroyed: a function-static application would be torn down by the exit handlers after
// Qt's own globals, and its input devices then crash the process on the way out.
#pragma once

#include <QApplication>
#include <QKeyEvent>

namespace app::testing {

inline QApplication& qtTestApp()
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
inline void typeKeys(QWidget* target, const QString& text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &press);
    }
}

} // namespace app::testing
