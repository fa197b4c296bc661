// SPDX-License-Identifier: MIT
// The one QApplication of a Qt test binary, made on first use (tests run offscreen).
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
    // Never destroyed: a static QApplication would be torn down at exit after the Qt globals it
    // still uses (the input devices), and the test binary would crash after its last test.
    static auto* application = new QApplication(argc, argv);
    return *application;
}

} // namespace app::testing
