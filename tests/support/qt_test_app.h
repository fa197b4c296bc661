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
    static QApplication application(argc, argv);
    return application;
}

} // namespace app::testing
