// SPDX-License-Identifier: MIT
// The one QApplication of a Qt test binary, made on first use (tests run offscreen). It is
// never destroyed: a function-static application would be torn down by the exit handlers after
// Qt's own globals, and its input devices then crash the process on the way out.
#pragma once

#include <QApplication>

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

} // namespace app::testing
