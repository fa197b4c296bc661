// SPDX-License-Identifier: MIT
#include "app/user_folders.h"

#include <QStandardPaths>

#include "app/file_names.h"

namespace app {
namespace {

std::filesystem::path writableFolder(QStandardPaths::StandardLocation location)
{
    return pathFromQString(QStandardPaths::writableLocation(location));
}

}  // namespace

texts::UserFolders standardUserFolders()
{
    return {writableFolder(QStandardPaths::GenericConfigLocation), writableFolder(QStandardPaths::GenericDataLocation)};
}

}  // namespace app
