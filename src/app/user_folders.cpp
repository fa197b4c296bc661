// SPDX-License-Identifier: MIT
#include "app/user_folders.h"

#include <QFile>
#include <QStandardPaths>

namespace app {
namespace {

std::filesystem::path writableFolder(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
#if defined(_WIN32)
    return std::filesystem::path(folder.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
#endif
}

}  // namespace

texts::UserFolders standardUserFolders()
{
    return {writableFolder(QStandardPaths::GenericConfigLocation), writableFolder(QStandardPaths::GenericDataLocation)};
}

}  // namespace app
