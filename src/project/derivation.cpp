// SPDX-License-Identifier: MIT
#include "project/derivation.h"

namespace project {

void deriveBeforeSave(Project& project, Model modelPreference)
{
    project.device.modelStamp = static_cast<Byte>(modelPreference);
}

}  // namespace project
